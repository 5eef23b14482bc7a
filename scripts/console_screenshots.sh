#!/usr/bin/env bash
# Works isbnconv.exe in a console window of its own, as Explorer starts it, and
# photographs two sessions: files dropped onto it (isbnconv_drop.png) and a column
# copied to the clipboard (isbnconv_clipboard.png). Checks the result file and the
# clipboard that each leaves. Run by scripts/screenshots.sh, with DISPLAY and
# WINEPREFIX set. Usage: console_screenshots.sh OUTPUT_DIR ISBNCONV.exe
set -euo pipefail
out=$1
isbnconv=$2
fail() { echo "console_screenshots: $*" >&2; exit 1; }

# A console font that has Japanese, in a window of 80 columns. Wine's console gives
# every character one cell, as wide as the font's widest glyph; in MigMix 1M at 17
# pixels that is exactly one full-width character, so Japanese text sits as it does
# on Windows, and only a half-width character keeps a gap after it.
for setting in "FaceName REG_SZ MigMix 1M" "FontSize REG_DWORD 0x00110000" "WindowSize REG_DWORD 0x00190050"; do
    read -r name type data <<<"$setting"
    /usr/lib/wine/wine64 reg add 'HKCU\Console' /v "$name" /t "$type" /d "$data" /f >/dev/null 2>&1
done

# Folders that read as a user's: the program in C:\Quenzel, the list in C:\書籍.
program=$WINEPREFIX/drive_c/Quenzel
work=$WINEPREFIX/drive_c/書籍
rm -rf "$program" "$work"
mkdir -p "$program" "$work"
trap 'rm -rf "$program" "$work"' EXIT
cp "$isbnconv" "$program/isbnconv.exe"
export LC_ALL=ja_JP.UTF-8 WINEDEBUG=-all

source "$(dirname "$0")/window_waits.sh"

# A console that shows text, and not just its cursor on black.
shows_text() {
    [ "$(capture "$1" png:- | convert - -format '%[fx:mean>0.005 && mean<0.5]' info:)" = 1 ]
}

# Starts isbnconv.exe as Explorer would, in a new console, and waits until it has
# asked its question: text on the screen that has stopped changing.
start_console() {
    /usr/lib/wine/wine wineconsole 'C:\Quenzel\isbnconv.exe' "$@" &
    wait_until "a console window" window_open 'isbnconv\.exe$'
    window=$(window_named 'isbnconv\.exe$')
    wait_until "text in the console window" shows_text "$window"
    wait_settled "$window" "" "the question in the console window" >/dev/null
}

# Answers the question; once the command given after the description succeeds (the
# result is there) and the summary has stopped changing, photographs the window, then
# closes it with Enter and waits until it is gone.
answer_and_shoot() {
    local answer=$1 picture=$2 description=$3
    shift 3
    focus "$window"
    xdotool type "$answer"
    # Enter pressed twice, as in a hurry: the second must not close the summary unread.
    xdotool key Return Return
    wait_until "$description" "$@"
    wait_settled "$window" "" "the summary in the console window" >/dev/null
    capture "$window" "$picture"
    echo "console_screenshots: $picture"
    focus "$window"
    xdotool key Return
    wait_until "the console window to close after Enter" window_gone 'isbnconv\.exe$'
}

# A book list saved by Excel as 「Unicode テキスト」: UTF-16 with its mark, a heading row.
utf16() { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; }
printf '書名\t著者\tISBN\r\nこころ\t夏目漱石\t4-10-101001-3\r\n数学の本\t山田太郎\t4003101014\r\n物理の本\t鈴木花子\t4-06-184902-7\r\n' |
    utf16 >"$work/books.txt"
start_console 'C:\書籍\books.txt'
answer_and_shoot 1 "$out/isbnconv_drop.png" "the result file books_ISBN13.txt" test -f "$work/books_ISBN13.txt"
printf 'status\tISBN-13\tASIN\t書名\t著者\tISBN\r\nok\t978-4-10-101001-4\t4101010013\tこころ\t夏目漱石\t4-10-101001-3\r\nok\t9784003101018\t4003101014\t数学の本\t山田太郎\t4003101014\r\nbad-check-digit\t\t\t物理の本\t鈴木花子\t4-06-184902-7\r\n' |
    utf16 | cmp -s - "$work/books_ISBN13.txt" || fail "books_ISBN13.txt is not as expected"

# The X clipboard, as Excel on Windows would leave it after a book list was copied:
# a heading row, and ditto marks, which Excel writes unquoted. (Wine gives every LF
# from the X clipboard a CR, so a cell's own line break, LF alone in Excel's copy,
# cannot be staged here; the in-process tests copy one through the Windows clipboard.)
expected=$'ISBN-13\tASIN\t理由\n978-4-10-101001-4\t4101010013\t\n\t\t末尾1桁（チェック数字）が誤っている\n9780306406157\t0306406152\t'
printf '書名\t著者\tISBN\t価格\r\nこころ\t夏目漱石\t4-10-101001-3\t¥400\r\n' >"$work/table.txt"
printf '数学の本\t山田太郎\t0306406153\t¥2,000\r\n数学の本 2\t"\t0306406152\t"\r\n' >>"$work/table.txt"
xclip -selection clipboard <"$work/table.txt"
start_console
answer_and_shoot 1 "$out/isbnconv_clipboard.png" "the results on the clipboard" clipboard_holds "$expected"
xclip -o -selection clipboard -t TARGETS | grep -qx 'text/html' || fail "no HTML on the clipboard"
echo "console_screenshots: the result file and the clipboard hold the results"
