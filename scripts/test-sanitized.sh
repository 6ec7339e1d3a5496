#!/usr/bin/env bash
# Builds everything with AddressSanitizer (with its leak checker) and
# UndefinedBehaviorSanitizer into build-sanitize/ and runs every test there.
# The first report ends the program that raised it with an error, so the
# test fails, and so does this script. Line tables (-g1) give the reports
# their file names and lines.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
sanitize="-fsanitize=address,undefined"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" \
    -DCMAKE_C_FLAGS="$sanitize -fno-sanitize-recover=all -fno-omit-frame-pointer" \
    -DCMAKE_CXX_FLAGS="$sanitize -fno-sanitize-recover=all -fno-omit-frame-pointer" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitize" -DCMAKE_SHARED_LINKER_FLAGS="$sanitize" \
    -DCORVANE_TEST_TIMEOUT=600
cmake --build build-sanitize --parallel "$(nproc)"

export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/sanitizer-leaks.supp:print_suppressions=0"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-sanitize --output-on-failure --parallel "$(nproc)"
