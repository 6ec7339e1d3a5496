#!/usr/bin/env bash
# Makes the README's pictures in docs/images/ with the project's own
# screenshot programs, on a virtual X screen, and shrinks them (ImageMagick
# scales them down, pngquant reduces their colours).
# Needs the packages xvfb, xauth, imagemagick and pngquant.
set -euo pipefail
cd "$(dirname "$0")/.."

for tool in xvfb-run convert pngquant; do
    command -v "$tool" >/dev/null || { echo "readme-pictures: $tool is missing (packages xvfb, imagemagick, pngquant)" >&2; exit 1; }
done

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)" \
    --target tst_sentreljourney energy_pictures configurator_screenshots

shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
screen=(xvfb-run -a -s "-screen 0 1920x1080x24")

# The gadget's journey (home page, a light's ring, a favourite) in both themes.
CORVANE_SHOTS_DIR="$shots/journey" "${screen[@]}" build/bin/tst_sentreljourney >/dev/null
# An energy meter's month as a chart.
QT_QPA_PLATFORM=offscreen build/bin/energy_pictures "$shots/energy" >/dev/null
# The Configurator on a new project: a page and its validation list.
"${screen[@]}" build/bin/configurator_screenshots "$shots/configurator" corvane >/dev/null

out=docs/images
mkdir -p "$out"
# picture <source> <name> <width>: scaled down to at most width pixels.
picture() {
    convert "$1" -resize "$3x>" "$out/$2.png"
    pngquant --force --skip-if-larger --strip --quality 60-90 --output "$out/$2.png" "$out/$2.png" || true
    echo "wrote $out/$2.png ($(($(stat -c %s "$out/$2.png") / 1024)) KiB)"
}
picture "$shots/journey/talvera-01-home-gadget.png" gadget-essential 420
picture "$shots/journey/corvane-01-home-gadget.png" gadget-default 420
picture "$shots/journey/talvera-03-hall-off-gadget.png" lighting-ring 420
picture "$shots/journey/talvera-06-favorite-favorite.png" favourite 240
picture "$shots/energy/energy-month-chart-Talvera.png" energy-month-chart 520
picture "$shots/configurator/corvane-01-gateway-and-light.png" configurator 760
