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

source scripts/window_waits.sh

# Photographs the focused window TITLE once its picture has settled, and differs
# from the picture whose hash is BEFORE, when given.
shoot() {
    local window
    window=$(wait_focused "$1")
    wait_settled "$window" "${3:-}" "the window \"$1\" to be drawn" >/dev/null
    capture "$window" "$2"
    echo "screenshots: $2"
}

# Presses the copy button that is `tabs` steps after the input field in the tab
# order, and waits until the clipboard holds the expected text.
copy_and_read_back() {
    local tabs=$1 expected=$2
    for _ in $(seq "$tabs"); do xdotool key Tab; done
    xdotool key space
    wait_until "\"$expected\" on the clipboard" clipboard_holds "$expected"
    echo "screenshots: copied $expected"
}

# Types into the focused window TITLE and presses Enter once the typed text shows;
# prints the hash of the picture with the text typed.
type_and_enter() {
    local window empty typed
    window=$(wait_focused "$1")
    empty=$(wait_settled "$window")
    xdotool type --delay 30 "$2"
    typed=$(wait_settled "$window" "$empty" "\"$2\" in the window \"$1\"")
    xdotool key Return
    echo "$typed"
}

shoot "Dovrant" "$out/main_dialog.png"
xdotool key Return
typed=$(type_and_enter "10桁→13桁" "0-306-40615-2")
# Every success is followed by the prefix notice; the result shows once it is closed.
wait_focused "メッセージ" >/dev/null
xdotool key Return
shoot "10桁→13桁" "$out/old2new_dialog.png" "$typed"
copy_and_read_back 2 "978-0-306-40615-7"
xdotool key Escape
wait_until "the dialog \"10桁→13桁\" to close" window_gone "^10桁→13桁\$"
wait_focused "Dovrant" >/dev/null
xdotool key Down Return
typed=$(type_and_enter "13桁→10桁" "978-0-306-40615-7")
shoot "13桁→10桁" "$out/new2old_dialog.png" "$typed"
copy_and_read_back 4 "0306406152"
xdotool key Escape
wait_until "the dialog \"13桁→10桁\" to close" window_gone "^13桁→10桁\$"
wait_focused "Dovrant" >/dev/null
xdotool key Escape
status=0
wait "$process" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with $status"
echo "screenshots: the program ended with 0"

scripts/console_screenshots.sh "$out" "$(dirname "$program")/isbnconv.exe"
