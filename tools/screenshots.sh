#!/usr/bin/env bash
# Plays the real program under a virtual display at 1024x768 and at 1920x1080 and writes one
# picture per screen into the folder given: title, setup, board, question, Zapster question,
# answer and game over.
#   tools/screenshots.sh OUTDIR
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:?usage: tools/screenshots.sh OUTDIR}")
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

for size in 1024x768 1920x1080; do
    # A window manager is needed: without one no window can be maximised.
    xvfb-run -a -s "-screen 0 ${size}x24" \
        python3 tools/screenshot_walk.py "$PWD/build/zapster" "$PWD/examples" "$out/$size"
done
ls "$out"/*
