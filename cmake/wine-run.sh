#!/usr/bin/env bash
# Runs a Windows program of the build under Wine, in a private prefix kept in the
# build directory, with the Japanese ANSI code page (932). The prefix is a 64-bit one
# with Wine's 32-bit half (WoW64): Wine's own services stay 64-bit and start fast,
# and a 32-bit program runs in 32-bit Wine, through qemu-user where the kernel
# cannot run 32-bit code itself (scripts/setup.sh sets that up).
#   wine-run.sh PROGRAM.exe [ARGS...]     runs a program
#   wine-run.sh --init                    creates the prefix (once; later calls do nothing)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/../build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEARCH=win64
export LC_ALL=ja_JP.UTF-8
wine64=/usr/lib/wine/wine64

# The machine a Windows program is built for, from its PE header: 014c for x86.
machine() {
    local header
    header=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ') || return 0
    [ -n "$header" ] && od -An -tx2 -j$((header + 4)) -N2 "$1" 2>/dev/null | tr -d ' '
}

if [ "${1:-}" = --init ]; then
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$WINEPREFIX"
        "$wine64" wineboot --init >/dev/null 2>&1 || true
    fi
    # Wine draws the caption buttons with its own Marlett font; without it in the
    # prefix they show as the letters "0 1 r".
    fonts=$WINEPREFIX/drive_c/windows/Fonts
    if [ ! -f "$fonts/marlett.ttf" ]; then
        mkdir -p "$fonts"
        cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
    fi
    # No window manager under a virtual display: let Wine place windows and give focus itself.
    "$wine64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    "$wine64" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
    # A caret that does not blink: a window's picture then stops changing once it is
    # drawn, which is how the scripts that work windows know that it is done.
    "$wine64" reg add 'HKCU\Control Panel\Desktop' /v CursorBlinkRate /d -1 /f >/dev/null 2>&1
    # Let the Wine server exit, so that the next program starts one with its own display.
    /usr/lib/wine/wineserver -w || true
    exit 0
fi
# A 32-bit program starts in Wine's 32-bit half directly: through its 64-bit loader
# it would start twice. Everything else, the prefix included, is Wine's 64-bit half.
if [ -f "${1:-}" ] && [ "$(machine "$1")" = 014c ]; then
    exec /usr/lib/wine/wine "$@"
fi
exec "$wine64" "$@"
