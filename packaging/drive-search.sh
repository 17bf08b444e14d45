#!/usr/bin/env bash
# Drives the program on an X display without a window manager, as a user would: waits for the
# main window, types a pattern and Enter, saves a picture of the window, right-clicks the first
# line of the result list (the dictionary editor opens only on a line, so this proves there is
# a result), closes the editor with its "Ende" button and the program with the menu "Ende".
# Run inside xvfb-run; the screen should be 1024x768.
#
#   drive-search.sh <program> <pattern> <picture.png>
#
# Prints what it saw; ends with status 0 only when every step happened.
set -euo pipefail
program="$1" pattern="$2" picture="$3"

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

fail() {
    echo "drive-search: $*" >&2
    exit 1
}

# The id of a visible window with exactly this title that is not full-screen (as the splash
# is), within 30 s. A window may vanish while it is looked at (the splash does); only one
# that answers every question counts.
wait_for_window() {
    local title="$1" id state
    for _ in $(seq 150); do
        for id in $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null); do
            state="$(xprop -id "$id" _NET_WM_STATE 2>/dev/null)" || continue
            [[ "$state" == *_NET_WM_STATE_FULLSCREEN* ]] && continue
            xwininfo -id "$id" 2>/dev/null | grep -q IsViewable || continue
            echo "$id"
            return 0
        done
        kill -0 "$pid" 2>/dev/null || fail "the program ended before its window \"$title\" appeared"
        sleep 0.2
    done
    fail "no window \"$title\" appeared within 30 s"
}

wait_until_gone() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.2
    done
    fail "the window \"$1\" did not close"
}

main="$(wait_for_window "Vondrik 2000")"
eval "$(xdotool getwindowgeometry --shell "$main")"
echo "main window \"Vondrik 2000\": ${WIDTH}x${HEIGHT}"

# The window selects the pattern box's text when it becomes active, so typing replaces the
# greeting.
xdotool windowfocus --sync "$main"
sleep 0.5
xdotool type --delay 60 "$pattern"
xdotool key Return
sleep 2
import -window "$main" "$picture"
echo "searched \"$pattern\", picture: $picture"

# The first result line lies just below the menu bar.
xdotool mousemove --window "$main" 100 30 click 3
editor="$(wait_for_window erweitern)"
echo "right-click on the first result line opened the dictionary editor"
xdotool windowfocus --sync "$editor" key alt+e
wait_until_gone erweitern

# "Ende" is the last item of the menu bar: find the right edge of the menu bar's texts.
menu="$(import -window "$main" png:- | convert - -crop "${WIDTH}x18+0+0" +repage -fuzz 5% \
    -format '%[fx:page.x+w]' -trim info:)"
xdotool mousemove --window "$main" $((menu - 10)) 8 click 1
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$pid" 2>/dev/null && fail "the menu \"Ende\" did not close the program"
trap - EXIT
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "menu \"Ende\" closed the program (status 0)"
