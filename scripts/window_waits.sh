# Working a program's windows as a user does, for the scripts that source this file:
# keys go to the window that has the focus, as from a keyboard (XTEST), and every
# step waits for what a user would wait for, a window or a settled picture, never
# for a fixed time. A wait that runs out fails with what it was waiting for.
# The caller sets DISPLAY and defines fail(); the prefix has a steady caret
# (cmake/wine-run.sh --init), so a picture that stops changing is one that is done.

# A wait that fails inside $(...) fails its caller too.
shopt -s inherit_errexit

# How long any one wait may take: a 32-bit program emulated on a busy machine is slow.
wait_limit=${WAIT_LIMIT:-90}

# Runs the command until it succeeds; fails with the description once time is up.
wait_until() {
    local description=$1
    shift
    local deadline=$((SECONDS + wait_limit))
    until "$@"; do
        [ $SECONDS -lt $deadline ] || fail "waited ${wait_limit} s for $description"
        sleep 0.1
    done
}

# The id of the newest window whose title matches the extended regular expression.
window_named() {
    xdotool search --name "$1" 2>/dev/null | tail -n 1
}

window_open() {
    [ -n "$(window_named "$1")" ]
}

window_gone() {
    ! window_open "$1"
}

has_focus() {
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]
}

# The clipboard holds the text, line ends read as LF.
clipboard_holds() {
    [ "$(xclip -o -selection clipboard 2>/dev/null | tr -d '\r')" = "$1" ]
}

# Waits until the window titled exactly TITLE is there and has the focus, then prints its
# id. Wine, with no window manager, may activate a new window (a message box) before X has
# mapped it; the X focus then stays where it was, though Wine draws the window as active.
# After five seconds without the focus, the window is given it, as a user would click it.
wait_focused() {
    wait_until "the window \"$1\"" window_open "^$1\$"
    local window deadline=$((SECONDS + 5))
    window=$(window_named "^$1\$")
    until has_focus "$window"; do
        if [ $SECONDS -ge $deadline ]; then
            focus "$window" >/dev/null
            break
        fi
        sleep 0.1
        window=$(window_named "^$1\$")
    done
    echo "$window"
}

# Gives the window the focus, so that the keys typed next go to it.
focus() {
    xdotool windowfocus --sync "$1" 2>/dev/null || true
    wait_until "the focus on window $1" has_focus "$1"
}

# The window's pixels as the screen shows them, written to FILE (any ImageMagick format).
capture() {
    local WIDTH HEIGHT X Y SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    import -silent -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2"
}

# Fails when the window cannot be captured, rather than hash nothing.
picture_hash() {
    local hash
    hash=$(capture "$1" rgb:- | md5sum) || return 1
    echo "${hash%% *}"
}

# Waits until the window's picture differs from the one whose hash is BEFORE (if
# given) and then stays the same for a second, four looks at least, and prints its
# hash. A second outlasts any pause between two writes of a program at work.
settled_picture=""
settled_looks=0
settled_since=0
picture_settles() {
    local window=$1 before=$2 now
    now=$(picture_hash "$window") || return 1
    if [ "$now" = "$before" ] || [ "$now" != "$settled_picture" ]; then
        settled_picture=$now
        settled_looks=0
        settled_since=$(date +%s%N)
        return 1
    fi
    settled_looks=$((settled_looks + 1))
    [ $settled_looks -ge 3 ] && [ $(($(date +%s%N) - settled_since)) -ge 1000000000 ]
}
wait_settled() {
    local window=$1 before=${2:-} description=${3:-the window $1 to be drawn}
    settled_picture=""
    settled_looks=0
    wait_until "$description" picture_settles "$window" "$before"
    echo "$settled_picture"
}
