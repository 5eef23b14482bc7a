#!/usr/bin/env bash
# Starts a virtual X display for Wine and prints its DISPLAY value; the caller
# stops it with: kill "$(cat "$pidfile")". Usage: virtual_display.sh NUMBER PIDFILE
set -euo pipefail
number=$1
pidfile=$2
Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
echo $! > "$pidfile"
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$number" ] && break
    sleep 0.1
done
echo ":$number"
