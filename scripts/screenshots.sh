#!/usr/bin/env bash
# Runs the shipped Quenzel.exe as a user does, under Wine on a virtual display, from
# start to exit: an ISBN typed and converted in each direction, each result copied
# and read back from the clipboard, the program closed with Esc and its exit code
# checked. On the way it photographs the three dialogs: main_dialog.png,
# old2new_dialog.png and new2old_dialog.png. Then it works isbnconv.exe, from the
# same folder, in a console window of its own (scripts/console_screenshots.sh).
# Fails on anything unexpected.
# Usage: scripts/screenshots.sh [OUTPUT_DIR [PROGRAM]]
#        (defaults: docs/ and the 32-bit build, build/mingw-x86/bin/Quenzel.exe)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs}
program=${2:-build/mingw-x86/bin/Quenzel.exe}
mkdir -p "$out"
export WINEPREFIX=${WINEPREFIX:-$PWD/build/wineprefix-run}
cmake/wine-run.sh --init

fail() { echo "screenshots: $*" >&2; exit 1; }

pidfile=$(mktemp)
export DISPLAY=$(scripts/virtual_display.sh 91 "$pidfile")
cleanup() { /usr/lib/wine/wineserver -k 2>/dev/null || true; kill "$(cat "$pidfile")" 2>/dev/null || true; rm -f "$pidfile"; }
trap cleanup EXIT

cmake/wine-run.sh "$program" &
process=$!

# Prints the id of the window with the given title once it exists.
wait_window() {
    local window=""
    for _ in $(seq 150); do
        window=$(xdotool search --name "^$1\$" 2>/dev/null | tail -n 1) && [ -n "$window" ] && break
        sleep 0.2
    done
    [ -n "$window" ] || fail "no window \"$1\""
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

# Presses the copy button that is `tabs` steps after the input field in the tab
# order, and checks what the clipboard then holds.
copy_and_read_back() {
    local tabs=$1 expected=$2 copied=""
    for _ in $(seq "$tabs"); do xdotool key Tab; done
    xdotool key space
    for _ in $(seq 25); do
        copied=$(xclip -o -selection clipboard 2>/dev/null || true)
        [ "$copied" = "$expected" ] && break
        sleep 0.2
    done
    [ "$copied" = "$expected" ] || fail "the clipboard holds \"$copied\", not \"$expected\""
    echo "screenshots: copied $copied"
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
copy_and_read_back 2 "978-0-306-40615-7"
xdotool key Escape
sleep 0.5
xdotool key Down Return
wait_window "13桁→10桁" >/dev/null
xdotool type --delay 30 "978-0-306-40615-7"
xdotool key Return
sleep 0.5
shoot "13桁→10桁" "$out/new2old_dialog.png"
copy_and_read_back 4 "0306406152"
xdotool key Escape
sleep 0.3
xdotool key Escape
status=0
wait "$process" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with $status"
echo "screenshots: the program ended with 0"

scripts/console_screenshots.sh "$out" "$(dirname "$program")/isbnconv.exe"
