#!/usr/bin/env bash
# The real program under a real window manager (openbox on a virtual display), as a room sees it:
# the title window can always be found again, and the board, the questions and the answers are
# pages of one maximised window that stays up and maximised, question after question.
#   tests/window_check.sh GAME EXAMPLES
# Run it inside xvfb-run; CTest does.
set -uo pipefail
game=$1 examples=$2
failures=0
fail() { echo "FAIL  $*"; failures=$((failures + 1)); }

px() { echo $(( ($1 * 96 + 720) / 1440 )); }  # twips to pixels, rounded
# The newest visible window titled $1, waiting up to 20 s. The search waits on one connection to
# the display instead of asking again and again: the virtual display (Debian 12's Xvfb) sometimes
# drops a program's new connection made while another client's connection closes, and a game just
# started would then fail to open its display. It is asked again only when it gives up early, as
# it does when a window it looks at goes away under it.
newest() {
    local id end=$((SECONDS + 20))
    while ((SECONDS < end)); do
        id=$(timeout $((end - SECONDS)) xdotool search --sync --onlyvisible --name "^$1\$" \
            2>/dev/null | tail -n 1)
        [[ -n $id ]] && { echo "$id"; return; }
        sleep 0.1
    done
}
# A click at (x, y) twips on a maximised screen whose layout reaches (right, bottom) twips: the
# layout is scaled to the window and centred across its width.
click_scaled() {
    local id=$1 x=$2 y=$3 right=$4 bottom=$5 width height
    eval "$(xdotool getwindowgeometry --shell "$id")"
    width=$WIDTH height=$HEIGHT
    local pr=$(px "$right") pb=$(px "$bottom")
    # factor = max(1, min(width / pr, height / pb)), in thousandths
    local f=$(( width * 1000 / pr < height * 1000 / pb ? width * 1000 / pr : height * 1000 / pb ))
    (( f < 1000 )) && f=1000
    local off=0
    (( f > 1000 )) && off=$(( (width - pr * f / 1000) / 2 ))
    xdotool mousemove --window "$id" $(( $(px "$x") * f / 1000 + off )) $(( $(px "$y") * f / 1000 )) click 1
}
# Whether window $1 is maximised, waiting up to 5 s for the window manager to get there.
maximised() {
    for _ in $(seq 50); do
        xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q 'MAXIMIZED_VERT.*MAXIMIZED_HORZ\|MAXIMIZED_HORZ.*MAXIMIZED_VERT' &&
            return 0
        sleep 0.1
    done
    return 1
}
# The active window once it is no longer $1 (the window just clicked away), waiting up to 10 s.
next_window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool getactivewindow 2>/dev/null)
        [[ -n $id && $id != "$1" ]] && { echo "$id"; return; }
        sleep 0.1
    done
    echo "$1"
}
# The colour (rrggbb) of pixel ($2, $3) of window $1, as the window system holds it.
colour_at() {
    local dump=$XDG_STATE_HOME/window.xwd b
    xwd -silent -id "$1" >"$dump" 2>/dev/null || return 1
    b=($(od -An -tu1 -v -N 80 "$dump"))
    field() { local i=$(($1 * 4)); echo $((b[i] << 24 | b[i + 1] << 16 | b[i + 2] << 8 | b[i + 3])); }
    # The header's size, the pixels' byte order, bits per pixel, bytes per line, colour map size.
    local header order bits line colours
    header=$(field 0) order=$(field 7) bits=$(field 11) line=$(field 12) colours=$(field 19)
    b=($(od -An -tu1 -v -j $((header + colours * 12 + $3 * line + $2 * bits / 8)) -N 4 "$dump"))
    if ((order == 0)); then
        printf '%02x%02x%02x\n' "${b[2]}" "${b[1]}" "${b[0]}"
    else
        printf '%02x%02x%02x\n' "${b[1]}" "${b[2]}" "${b[3]}"
    fi
}
# Waits up to 10 s for window $1 to show the screen of background $2 (its colour under the layout,
# scaled to the display's width, at the bottom left).
board=ff8000 question=0000c0 answer=008080
shows() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    for _ in $(seq 100); do
        [[ $(colour_at "$1" 2 $((HEIGHT - 3))) == "$2" ]] && return 0
        sleep 0.1
    done
    return 1
}
# The window the player sees has not changed from $1, and is still maximised.
same_window() {
    local active
    active=$(xdotool getactivewindow 2>/dev/null)
    [[ $active == "$1" ]] || { fail "$2: a new window $active in place of $1"; return; }
    maximised "$1" || fail "$2: window no longer maximised"
}

# Games are saved in a folder of the test's own.
XDG_STATE_HOME=$(mktemp -d)
export XDG_STATE_HOME
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.8
# The real display, whatever platform the test run chose for the headless tests.
# In English whatever this desktop speaks: the windows are found by their titles.
start_game() {
    (cd "$examples" && QT_QPA_PLATFORM=xcb exec "$game" --lang en) 2>"$XDG_STATE_HOME/game.log" &
    zapster=$!
}
start_game
trap 'kill $zapster $wm 2>/dev/null; wait 2>/dev/null; rm -rf "$XDG_STATE_HOME"' EXIT

title=$(newest "Play Zapster!")
# Without a title window nothing else can be checked; what the game said tells why.
no_title() { echo "FAIL  $1no title window"; cat "$XDG_STATE_HOME/game.log"; exit 1; }
[[ -n $title ]] || no_title
# A window left out of the task bar is lost once minimised where the window manager ignores the
# game's wish that it cannot be.
type=$(xprop -id "$title" _NET_WM_WINDOW_TYPE)
state=$(xprop -id "$title" _NET_WM_STATE)
[[ $type != *UTILITY* && $type != *TOOLBAR* && $state != *SKIP_TASKBAR* ]] ||
    fail "title window left out of the task bar: $type; $state"
xdotool windowactivate --sync "$title" key Return
setup=$(newest "Game Setup")
[[ -n $setup ]] || { echo "FAIL  no setup window"; exit 1; }
xdotool mousemove --window "$setup" "$(px 6787)" "$(px 5227)" click 1  # "Done"
stage=$(next_window "$setup")
maximised "$stage" || fail "board not maximised"
sleep 0.3  # the layout follows the maximised size
for q in 0 1 2 3 4 5; do
    shows "$stage" $board || fail "no board before question $((q + 1))"
    click_scaled "$stage" $((1340 + 2280 * q % 11400)) $((2725 + 720 * (q / 5))) 11655 8175
    shows "$stage" $question || fail "question $((q + 1)) not shown"
    same_window "$stage" "question $((q + 1))"
    click_scaled "$stage" 6000 7500 11895 7935  # the time bar
    shows "$stage" $answer || fail "answer $((q + 1)) not shown"
    same_window "$stage" "answer $((q + 1))"
    click_scaled "$stage" 2407 7687 11775 8175  # "Got it!"
done
shows "$stage" $board || fail "no board after question 6"
same_window "$stage" "board after question 6"
kill -0 $zapster 2>/dev/null || fail "the game stopped"

# The save on disk: questions opened in the round, and questions that can be taken back.
save=$XDG_STATE_HOME/zapster/game.json
opened() { sed -n 's/^"now": .*"questionsOpened":\([0-9]*\).*/\1/p' "$save" 2>/dev/null; }
takebacks() { awk '/^"takeBacks": \[/ { list = 1; next } list && /^\{/ { n++ } END { print n + 0 }' "$save" 2>/dev/null; }
saved() {  # waits up to 5 s for the background save to reach $1 opened, $2 to take back
    for _ in $(seq 50); do
        [[ $(opened) == "$1" && $(takebacks) == "$2" ]] && return 0
        sleep 0.1
    done
    return 1
}
saved 6 6 || fail "not saved after 6 questions: $(opened) opened, $(takebacks) to take back"
# Killed without warning mid-question, then mid-answer: the next start offers the game, and
# Enter resumes it on the board as it was before that question, its square still open.
for at in question answer; do
    click_scaled "$stage" 3620 3445 11655 8175  # the 7th square
    shows "$stage" $question || fail "killed mid-$at: the square was not open"
    if [[ $at == answer ]]; then
        click_scaled "$stage" 6000 7500 11895 7935
        shows "$stage" $answer || fail "killed mid-$at: no answer"
    fi
    kill -9 $zapster
    wait $zapster 2>/dev/null
    saved 6 6 || fail "killed mid-$at: saved $(opened) opened, $(takebacks) to take back"
    start_game
    title=$(newest "Play Zapster!")
    [[ -n $title ]] || no_title "killed mid-$at: "
    xdotool windowactivate --sync "$title" key Return
    stage=$(next_window "$title")
    [[ $(xdotool getwindowname "$stage") == "Zapster!" ]] || fail "killed mid-$at: not resumed"
    maximised "$stage" || fail "killed mid-$at: resumed board not maximised"
    shows "$stage" $board || fail "killed mid-$at: resumed, but no board"
done
click_scaled "$stage" 3620 3445 11655 8175
shows "$stage" $question || fail "resumed: the 7th square was not open"
click_scaled "$stage" 6000 7500 11895 7935
shows "$stage" $answer || fail "resumed: no answer"
click_scaled "$stage" 2407 7687 11775 8175
shows "$stage" $board || fail "resumed: no board after the answer"
saved 7 7 || fail "resumed: not saved after 7 questions: $(opened), $(takebacks)"
# Ctrl+Z on the board: the 7th question's answer screen again, to be judged anew.
xdotool windowactivate --sync "$stage" key ctrl+z
shows "$stage" $answer || fail "Ctrl+Z did not bring the answer screen back"
saved 7 6 || fail "take-back not saved: $(opened) opened, $(takebacks) to take back"
click_scaled "$stage" 9487 7687 11775 8175  # "Missed it"
shows "$stage" $board || fail "judged again: no board"
saved 7 7 || fail "judged again: not saved: $(opened) opened, $(takebacks) to take back"
same_window "$stage" "after the take-back"
echo "$failures failures"
(( failures == 0 ))
