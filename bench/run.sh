#!/usr/bin/env bash
# Builds the game and its benchmarks in Release mode and prints one table of every figure.
#   bench/run.sh           medians over many repetitions (about four minutes)
#   bench/run.sh --quick   every figure with fewer repetitions (under a minute once built)
# Each figure runs alone; run it on an otherwise idle machine. See bench/README.md.
set -euo pipefail
cd "$(dirname "$0")/.."

quick=0
[[ "${1:-}" == "--quick" ]] && quick=1

# What building and watching from outside need, installed only when missing.
need=(xvfb xauth openbox libx11-dev libxdamage-dev libxtst-dev)
missing=()
for p in "${need[@]}"; do
    dpkg -s "$p" 2>/dev/null | grep -q '^Status: install ok installed' || missing+=("$p")
done
if [[ ${#missing[@]} -gt 0 ]]; then
    sudo=()
    [[ $(id -u) -ne 0 ]] && sudo=(sudo)
    "${sudo[@]}" apt-get update -q >&2
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
        "${missing[@]}" >&2
fi
tools/deps.sh >&2

build=build-bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target zapster zapster_bench empty_window title_texts xprobe >&2
bin=$PWD/$build
harness=$bin/bench/zapster_bench

if ((quick)); then
    startup_runs=5 questions=200 soak=120 idle=2 paint=1 games=2 timebar=(1 0 --alongside) realGames=2
else
    startup_runs=21 questions=400 soak=300 idle=5 paint=3 games=10 timebar=(3 1) realGames=3
fi

rows=$(mktemp)
# Every game played here is saved in a folder of its own, so none is offered to the next start.
XDG_STATE_HOME=$(mktemp -d)
export XDG_STATE_HOME
trap 'rm -rf "$rows" "$XDG_STATE_HOME"' EXIT
run() {
    local out
    if ! out=$("$@" 2> >(grep -v -e XDG_RUNTIME_DIR -e 'does not support raise' >&2)); then
        echo "bench: failed: $*" >&2
    fi
    grep '^ROW' <<<"$out" >>"$rows" || true
}

# 1. Start-up, watched from outside on a bare display: the game against an empty window of the
#    title screen's size and title.
run xvfb-run -a -s "-screen 0 1920x1080x24" "$bin/bench/xprobe" startup --runs "$startup_runs" \
    --title "Play Zapster!" --texts "$bin/bench/title_texts" --game "$bin/zapster" \
    --baseline "$bin/bench/empty_window" --title "Play Zapster!" --size 495x334
# 2. Click to screen, in process.
run "$harness" click "$questions"
run "$harness" host "$questions"
# 3. The time bar on the real clock.
run "$harness" timebar "${timebar[@]}"
run "$harness" timebar-loaded
# 4. Footprint: a whole game of the real program under a window manager that maximises its
#    screens, against an empty maximised window; then memory over many questions and the idle
#    board in process.
#    The same on a 4K projector.
for display in 1920x1080 3840x2160; do
    run xvfb-run -a -s "-screen 0 ${display}x24" bash -c \
        'openbox >/dev/null 2>&1 & wm=$!; sleep 0.5; "$0" "$@"; status=$?; kill $wm; exit $status' \
        "$bin/bench/xprobe" game --dir "$PWD/examples" --games "$realGames" --idle "$idle" \
        --game "$bin/zapster" --baseline "$bin/bench/empty_window" --maximised
done
run "$harness" soak "$soak"
run "$harness" idle "$idle"
# 5. Painting at 3840x2160: whole games on a headless 4K display.
run "$harness" paint "$paint"
# 6. Game logic throughput.
run "$harness" throughput "$games"

qt=$("$harness" version 2>/dev/null || echo unknown)
mode=$( ((quick)) && echo "quick" || echo "full")
echo
echo "Zapster benchmarks ($mode run): $(nproc) cores, Qt $qt, $(date -u '+%Y-%m-%d %H:%M UTC')"
echo
{
    printf 'Figure\tOurs\tBaseline\tRatio\tGoal\tMet\n'
    cut -f2- "$rows"
} | awk -F'\t' '
    { for (i = 1; i <= NF; ++i) { cell[NR, i] = $i; if (length($i) > width[i]) width[i] = length($i) } }
    END {
        for (r = 1; r <= NR; ++r) {
            line = ""
            for (i = 1; i <= 6; ++i) line = line sprintf("%-*s", width[i] + 2, cell[r, i])
            sub(/ +$/, "", line)
            print line
            if (r == 1) { rule = ""; for (i = 1; i <= 6; ++i) rule = rule sprintf("%s  ", substr("------------------------------------------------------------------------------------------------------------------------", 1, width[i])); sub(/ +$/, "", rule); print rule }
        }
    }'
