#!/usr/bin/env bash
# Installs what is missing, builds Sentrel in build/ and starts it in
# no-server mode (a simulated gateway) on the bundled demo project.
# Extra arguments go to sentrel, e.g. /logverbose.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)" --target sentrel
exec build/bin/sentrel /noserver "$@" build/share/corvane/demo.vtprj
