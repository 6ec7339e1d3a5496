#!/usr/bin/env bash
# Checks that Sentrel's controllers include one another one way only:
# navigation/ may include any folder; a page family includes only base/,
# favorites/ and itself; base/ and favorites/ include only each other.
# Prints every include that breaks this and fails if there is one.
set -euo pipefail
controllers="${1:-$(dirname "$0")/../sentrel/Controllers}"
shared_layers="base favorites"
status=0

for entry in "$controllers"/*; do
    if [ ! -d "$entry" ]; then
        echo "not a folder: $entry"
        status=1
    fi
done

for folder in "$controllers"/*/; do
    name=$(basename "$folder")
    [ "$name" = navigation ] && continue
    allowed="$shared_layers $name"
    while IFS= read -r line; do
        target=$(sed -E 's|.*#include "Controllers/([^/]+)/.*|\1|' <<<"${line#*:*:}")
        if ! grep -qw "$target" <<<"$allowed"; then
            echo "$line"
            status=1
        fi
    done < <(grep -Hn '#include "Controllers/' "$folder"* || true)
done
exit $status
