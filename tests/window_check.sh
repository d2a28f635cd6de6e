#!/usr/bin/env bash
# The real program under a real window manager (openbox on a virtual display), as a room sees it:
# the title window can always be found again, and every maximised screen comes back maximised
# each time it is shown, question after question.
#   tests/window_check.sh GAME EXAMPLES
# Run it inside xvfb-run; CTest does.
set -uo pipefail
game=$1 examples=$2
failures=0
fail() { echo "FAIL  $*"; failures=$((failures + 1)); }

px() { echo $(( ($1 * 96 + 720) / 1440 )); }  # twips to pixels, rounded
newest() {  # the newest visible window titled $1
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -n 1)
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
# The active window once it is no longer $1 (the screen just clicked away), waiting up to 10 s.
next_window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool getactivewindow 2>/dev/null)
        [[ -n $id && $id != "$1" ]] && { echo "$id"; return; }
        sleep 0.1
    done
    echo "$1"
}

# Games are saved in a folder of the test's own.
XDG_STATE_HOME=$(mktemp -d)
export XDG_STATE_HOME
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.8
# The real display, whatever platform the test run chose for the headless tests.
start_game() {
    (cd "$examples" && QT_QPA_PLATFORM=xcb exec "$game") 2>/dev/null &
    zapster=$!
}
start_game
trap 'kill $zapster $wm 2>/dev/null; wait 2>/dev/null; rm -rf "$XDG_STATE_HOME"' EXIT

title=$(newest "Play Zapster!")
[[ -n $title ]] || { echo "FAIL  no title window"; exit 1; }
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
board=$(next_window "$setup")

for q in 0 1 2 3 4 5; do
    maximised "$board" || fail "board not maximised before question $((q + 1))"
    sleep 0.3  # the layout follows the maximised size
    click_scaled "$board" $((1340 + 2280 * q % 11400)) $((2725 + 720 * (q / 5))) 11655 8175
    question=$(next_window "$board")
    maximised "$question" || fail "question $((q + 1)) not maximised"
    sleep 0.3
    click_scaled "$question" 6000 7500 11895 7935  # the time bar
    answer=$(next_window "$question")
    maximised "$answer" || fail "answer $((q + 1)) not maximised"
    sleep 0.3
    click_scaled "$answer" 2407 7687 11775 8175  # "Got it!"
    board=$(next_window "$answer")
done
kill -0 $zapster 2>/dev/null || fail "the game stopped"

# The save on disk: questions opened in the round, and questions that can be taken back.
save=$XDG_STATE_HOME/zapster/game.json
opened() { sed -n 's/^"now": .*"questionsOpened":\([0-9]*\).*/\1/p' "$save" 2>/dev/null; }
takebacks() { grep -c '^{"answer"' "$save" 2>/dev/null; }
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
for stage in question answer; do
    click_scaled "$board" 3620 3445 11655 8175  # the 7th square
    question=$(next_window "$board")
    [[ $question != "$board" ]] || fail "killed mid-$stage: the square was not open"
    if [[ $stage == answer ]]; then
        sleep 0.3
        click_scaled "$question" 6000 7500 11895 7935
        next_window "$question" >/dev/null
    fi
    kill -9 $zapster
    wait $zapster 2>/dev/null
    saved 6 6 || fail "killed mid-$stage: saved $(opened) opened, $(takebacks) to take back"
    start_game
    title=$(newest "Play Zapster!")
    xdotool windowactivate --sync "$title" key Return
    board=$(next_window "$title")
    [[ $(xdotool getwindowname "$board") == "Zapster!" ]] || fail "killed mid-$stage: not resumed"
    maximised "$board" || fail "killed mid-$stage: resumed board not maximised"
    sleep 0.3
done
click_scaled "$board" 3620 3445 11655 8175
question=$(next_window "$board")
[[ $question != "$board" ]] || fail "resumed: the 7th square was not open"
sleep 0.3
click_scaled "$question" 6000 7500 11895 7935
answer=$(next_window "$question")
sleep 0.3
click_scaled "$answer" 2407 7687 11775 8175
board=$(next_window "$answer")
saved 7 7 || fail "resumed: not saved after 7 questions: $(opened), $(takebacks)"
# Ctrl+Z on the board: the 7th question's answer screen again, to be judged anew.
sleep 0.3
xdotool windowactivate --sync "$board" key ctrl+z
answer=$(next_window "$board")
[[ $answer != "$board" ]] || fail "Ctrl+Z did not bring the answer screen back"
saved 7 6 || fail "take-back not saved: $(opened) opened, $(takebacks) to take back"
sleep 0.3
click_scaled "$answer" 9487 7687 11775 8175  # "Missed it"
next_window "$answer" >/dev/null
saved 7 7 || fail "judged again: not saved: $(opened) opened, $(takebacks) to take back"
echo "$failures failures"
(( failures == 0 ))
