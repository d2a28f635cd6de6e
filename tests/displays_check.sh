#!/usr/bin/env bash
# The real program on a virtual display of two screens, a laptop's (screen 0) and a projector's
# (screen 1), each with its window manager: after the setup the host's window fills the laptop
# and the room's window the projector, and a question opened by the host's keys shows on the
# projector while the laptop keeps the host's window.
#   tests/displays_check.sh GAME EXAMPLES
# Run it inside xvfb-run with two screens; CTest does.
set -uo pipefail
game=$1 examples=$2
failures=0
fail() { echo "FAIL  $*"; failures=$((failures + 1)); }
base=${DISPLAY%.*}
export XDG_STATE_HOME=$(mktemp -d) XDG_RUNTIME_DIR=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$XDG_STATE_HOME" "$XDG_RUNTIME_DIR"' EXIT

for screen in 0 1; do
    DISPLAY=$base.$screen openbox >/dev/null 2>&1 &
done
sleep 1
# In English whatever this desktop speaks: the windows are found by their titles.
(cd "$examples" && DISPLAY=$base.0 QT_QPA_PLATFORM=xcb exec "$game" --lang en) >/dev/null 2>&1 &

# The geometry ("WxH+X+Y") of the window titled $2 on screen $1, once it is mapped (up to 20 s).
# A window made ahead and not yet shown may bear the same title; only one that is viewable counts.
placed() {
    for _ in $(seq 200); do
        local line
        while read -r line; do
            if [[ -n $line ]] && xwininfo -display "$base.$1" -id "$(awk '{print $1}' <<<"$line")" |
                grep -q IsViewable; then
                grep -oE '[0-9]+x[0-9]+\+[0-9]+\+[0-9]+' <<<"$line" | head -n 1
                return
            fi
        done < <(xwininfo -display "$base.$1" -root -tree 2>/dev/null | grep -F "\"$2\": (\"zapster\"")
        sleep 0.1
    done
}
id_of() { xwininfo -display "$base.$1" -root -tree | grep -F "\"$2\": (\"zapster\"" | awk '{print $1}'; }

[[ -n $(placed 0 "Play Zapster!") ]] || fail "no title on the laptop"
DISPLAY=$base.0 xdotool windowactivate --sync "$(id_of 0 "Play Zapster!")" key Return
setup=$(placed 0 "Game Setup")
[[ -n $setup ]] || fail "no setup on the laptop"
# "Done", where the layout puts it.
DISPLAY=$base.0 xdotool mousemove --window "$(id_of 0 "Game Setup")" 452 348 click 1

host=$(placed 0 "Zapster! – host")
room=$(placed 1 "Zapster!")
echo "host's window on the laptop: $host; room's window on the projector: $room"
[[ $host == 1366x7* ]] || fail "the host's window does not fill the laptop: '$host'"
[[ $room == 1280x7* ]] || fail "the room's window does not fill the projector: '$room'"
xwininfo -display "$base.0" -root -tree | grep -qF '"Zapster!": ("zapster"' &&
    fail "a room's window on the laptop"

# The host opens column 2, row 3 by its keys. The projector's window manager may have handed the
# keyboard to the room's window as it mapped it: the moderator clicks the host's window first.
DISPLAY=$base.0 xdotool windowactivate --sync "$(id_of 0 "Zapster! – host")"
sleep 0.5
DISPLAY=$base.0 xdotool key b 3
sleep 2
shot=$XDG_STATE_HOME/shot
for screen in 0 1; do
    DISPLAY=$base.$screen import -window root "$shot-$screen.png" 2>/dev/null ||
        fail "no picture of screen $screen"
done
# The question screen's blue fills the projector; the laptop shows no such blue.
blue() { convert "$1" -fill white +opaque '#0000C0' -fill black -opaque '#0000C0' -format '%[fx:1-mean]' info:; }
[[ $(blue "$shot-1.png") > 0.5 ]] || fail "the projector does not show the question"
[[ $(blue "$shot-0.png") < 0.05 ]] || fail "the laptop shows the room's question screen"

((failures == 0)) && echo "all display checks passed"
exit $((failures > 0))
