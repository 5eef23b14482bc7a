#!/usr/bin/env bash
# Photographs the three dialogs of the x64 build under Wine on a virtual display:
# docs/main_dialog.png, docs/old2new_dialog.png, docs/new2old_dialog.png.
# Usage: scripts/screenshots.sh [OUTPUT_DIR]   (needs the mingw-x64 build)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs}
mkdir -p "$out"
export WINEPREFIX=$PWD/build/wineprefix-run
cmake/wine-run.sh --init

pidfile=$(mktemp)
export DISPLAY=$(scripts/virtual_display.sh 91 "$pidfile")
cleanup() { /usr/lib/wine/wineserver -k 2>/dev/null || true; kill "$(cat "$pidfile")" 2>/dev/null || true; rm -f "$pidfile"; }
trap cleanup EXIT

cmake/wine-run.sh build/mingw-x64/bin/Quenzel.exe &

# Prints the id of the window with the given title once it exists.
wait_window() {
    local window=""
    for _ in $(seq 100); do
        window=$(xdotool search --name "^$1\$" 2>/dev/null | tail -n 1) && [ -n "$window" ] && break
        sleep 0.2
    done
    [ -n "$window" ] || { echo "screenshots: no window \"$1\"" >&2; exit 1; }
    sleep 0.5
    echo "$window"
}

shoot() {
    local window
    window=$(wait_window "$1")
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -silent -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2"
    echo "screenshots: $2"
}

shoot "Dovrant" "$out/main_dialog.png"
xdotool key Return
wait_window "10桁→13桁" >/dev/null
xdotool type --delay 30 "0-306-40615-2"
xdotool key Return
# Every success is followed by the prefix notice; the result shows once it is closed.
wait_window "メッセージ" >/dev/null
xdotool key Return
sleep 0.5
shoot "10桁→13桁" "$out/old2new_dialog.png"
xdotool key Escape
sleep 0.5
xdotool key Down Return
wait_window "13桁→10桁" >/dev/null
xdotool type --delay 30 "978-0-306-40615-7"
xdotool key Return
sleep 0.5
shoot "13桁→10桁" "$out/new2old_dialog.png"
xdotool key Escape
sleep 0.3
xdotool key Escape
wait
