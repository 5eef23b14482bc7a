#!/usr/bin/env bash
# Sets up what is missing, builds, and starts Quenzel.exe (the x64 build, under Wine
# with the Japanese code page). On a machine without a display it opens the program
# on a virtual one and saves screenshots of its dialogs instead.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
for preset in mingw-x64 mingw-x86; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$(nproc)" --target Quenzel
done
echo "The 32-bit program: build/mingw-x86/bin/Quenzel.exe"

if [ -n "${DISPLAY:-}" ]; then
    export WINEPREFIX=$PWD/build/wineprefix-run
    cmake/wine-run.sh --init
    exec cmake/wine-run.sh build/mingw-x64/bin/Quenzel.exe
fi
echo "No display: running the program on a virtual one and photographing its dialogs."
scripts/screenshots.sh build/screenshots
echo "Screenshots saved in build/screenshots/ (main_dialog.png is the mode-selection dialog)."
