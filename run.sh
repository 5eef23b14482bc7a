#!/usr/bin/env bash
# Sets up what is missing, builds, and starts Quenzel.exe: the 32-bit program that the
# zip ships, under Wine with the Japanese code page. On a machine without a display it
# works the program on a virtual one and saves screenshots of its dialogs instead.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cmake --preset mingw-x86 >/dev/null
cmake --build --preset mingw-x86 -j "$(nproc)" --target Quenzel
program=build/mingw-x86/bin/Quenzel.exe
echo "The program: $program"

if [ -n "${DISPLAY:-}" ]; then
    export WINEPREFIX=$PWD/build/wineprefix-run
    cmake/wine-run.sh --init
    exec cmake/wine-run.sh "$program"
fi
echo "No display: working the program on a virtual one and photographing its dialogs."
scripts/screenshots.sh build/screenshots "$program"
echo "Screenshots saved in build/screenshots/ (main_dialog.png is the mode-selection dialog)."
