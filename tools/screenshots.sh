#!/usr/bin/env bash
# Plays the real program under a virtual display at 1024x768 and at 3840x2160 and writes one
# picture per screen into the folder given: title, setup, board, question, Zapster question,
# answer and game over; then, with a projector beside a laptop of 1366x768 and of 1920x1080, the
# host's window and the room's screen during a question; then, in each of the game's other
# languages at 1024x768, the title, setup, board, question and answer screens.
#   tools/screenshots.sh OUTDIR
#   tools/screenshots.sh --docs     # the README's pictures: docs/ at 1024x768, docs/3840x2160/,
#                                   # docs/<language>/
set -euo pipefail
cd "$(dirname "$0")/.."
docs=
if [[ ${1:-} == --docs ]]; then
    docs=$PWD/docs
    set -- "$(mktemp -d)"
fi
out=$(realpath -m "${1:?usage: tools/screenshots.sh OUTDIR | --docs}")
mkdir -p "$out"

need=(xvfb xauth openbox xdotool imagemagick python3)
missing=()
for p in "${need[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [[ ${#missing[@]} -gt 0 ]]; then
    sudo=(); [[ $(id -u) -ne 0 ]] && sudo=(sudo)
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
tools/deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target zapster >/dev/null

for size in 1024x768 3840x2160; do
    # A window manager is needed: without one no window can be maximised.
    xvfb-run -a -s "-screen 0 ${size}x24" \
        python3 tools/screenshot_walk.py "$PWD/build/zapster" "$PWD/examples" "$out/$size"
done
for size in 1366x768 1920x1080; do
    xvfb-run -a -s "-screen 0 ${size}x24 -screen 1 1280x720x24" \
        python3 tools/screenshot_walk.py --host "$PWD/build/zapster" "$PWD/examples" "$out/$size"
done
# The game in each of its other languages, at the smallest display it plays on.
languages=$(ls translations | sed -n 's/^zapster_\(.*\)\.ts$/\1/p')
for language in $languages; do
    xvfb-run -a -s "-screen 0 1024x768x24" python3 tools/screenshot_walk.py --lang "$language" \
        "$PWD/build/zapster" "$PWD/examples" "$out/$language"
done
if [[ -n $docs ]]; then
    for size in 1366x768 1920x1080; do
        cp "$out/$size-host-question.png" "$docs/host-$size.png"
    done
    cp "$out/1366x768-room-question.png" "$docs/host-room.png"
    # The small windows are cut out of the black desktop; maximised screens are kept whole.
    names=(1-title:title 2-setup:setup 2-setup-chosen:setup-chosen 3-board:board 4-question:question
        4-question-paused:question-paused
        5-answer:answer 6-zapster-announcement:zapster-announcement 7-zapster-clock:zapster-question
        8-zapster-answer:zapster-answer 9-game-over:game-over)
    mkdir -p "$docs/3840x2160"
    for language in $languages; do
        mkdir -p "$docs/$language"
        for pair in 1-title:title 2-setup:setup 3-board:board 4-question:question 5-answer:answer; do
            trim=()
            [[ ${pair%%:*} == 1-title || ${pair%%:*} == 2-setup* ]] && trim=(-trim +repage)
            convert "$out/$language-${pair%%:*}.png" "${trim[@]}" "$docs/$language/${pair#*:}.png"
        done
    done
    for size in 1024x768 3840x2160; do
        target=$docs
        [[ $size == 1024x768 ]] || target=$docs/$size
        for pair in "${names[@]}"; do
            trim=()
            [[ ${pair%%:*} == 1-title || ${pair%%:*} == 2-setup* ]] && trim=(-trim +repage)
            convert "$out/$size-${pair%%:*}.png" "${trim[@]}" "$target/${pair#*:}.png"
        done
    done
    rm -r "$out"
    out=$docs
fi
ls "$out"/*
