#!/usr/bin/env bash
# A virtual X display, and a Wine prefix of its own, for the dialog tests.
#   wine_display.sh start :N PREFIX EMULATOR   starts Xvfb on :N (or uses one already
#                                              there) and prepares PREFIX with EMULATOR
#   wine_display.sh stop  :N PREFIX            ends the prefix's programs, and Xvfb if
#                                              this script started it
# The prefix is not the one the other tests share: Wine fixes a prefix's display when
# its first program starts, and those tests run without one, possibly at the same time.
set -euo pipefail
action=$1 display=$2 prefix=$3
number=${display#:}
pidfile=$prefix.xvfb.pid
export WINEPREFIX=$prefix

xvfb_alive() {
    [ -f "$pidfile" ] && kill -0 "$(cat "$pidfile")" 2>/dev/null &&
        grep -q Xvfb "/proc/$(cat "$pidfile")/cmdline" 2>/dev/null
}

# Whether an X server accepts connections on the display's socket.
answers() {
    python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).connect(sys.argv[1])' \
        "/tmp/.X11-unix/X$number" 2>/dev/null
}

end_wine() {
    if [ -f "$prefix/system.reg" ]; then /usr/lib/wine/wineserver -k 2>/dev/null || true; fi
}

case $action in
start)
    emulator=$4
    mkdir -p "$(dirname "$prefix")"
    # Programs left from an interrupted run may hold a display that is gone.
    end_wine
    if xvfb_alive; then
        :
    elif answers; then
        echo "wine_display: using the X server already on $display"
    else
        "$(dirname "$0")/../scripts/virtual_display.sh" "$number" "$pidfile" >/dev/null
    fi
    DISPLAY=$display "$emulator" --init
    ;;
stop)
    end_wine
    if xvfb_alive; then kill "$(cat "$pidfile")"; fi
    rm -f "$pidfile"
    ;;
*)
    echo "usage: $0 start|stop :N PREFIX [EMULATOR]" >&2
    exit 2
    ;;
esac
