#!/usr/bin/env bash
# Starts a virtual X display for Wine, waits until it accepts clients, and prints its
# DISPLAY value; the caller stops it with: kill "$(cat "$pidfile")".
# Usage: virtual_display.sh NUMBER PIDFILE
set -euo pipefail
number=$1
pidfile=$2
# A lock whose server is gone would stop Xvfb from starting.
lock=/tmp/.X$number-lock
if [ -f "$lock" ] && ! kill -0 "$(tr -d ' ' < "$lock")" 2>/dev/null; then
    rm -f "$lock" "/tmp/.X11-unix/X$number"
fi
ready=$(mktemp)
trap 'rm -f "$ready"' EXIT
Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp -displayfd 3 3>"$ready" >/dev/null 2>&1 &
echo $! > "$pidfile"
for _ in $(seq 100); do
    [ -s "$ready" ] && break
    kill -0 "$(cat "$pidfile")" 2>/dev/null || break
    sleep 0.1
done
if ! [ -s "$ready" ]; then
    rm -f "$pidfile"
    echo "virtual_display: Xvfb did not start on :$number" >&2
    exit 1
fi
echo ":$number"
