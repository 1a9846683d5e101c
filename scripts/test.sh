#!/bin/sh
# Checks the formatting, then builds and runs every test, offscreen, under
# both presets: the optimised build and the sanitizer build.
set -eu
cd "$(dirname "$0")/.."
scripts/check-format.sh
for preset in default asan; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
