#!/usr/bin/env bash
# Runs a reader's fuzzer for a bounded time: fuzz.sh FUZZER SEEDS CASES WORKDIR SECONDS, where SEEDS
# holds files the reader is made for (the sample category files, a saved game).
# Any crash, hang, leak or disagreement fails the run and leaves its input in WORKDIR.
set -euo pipefail
fuzzer=$1 seeds=$2 cases=$3 work=$4 seconds=$5

rm -rf "$work/corpus" "$work"/crash-* "$work"/timeout-* "$work"/leak-* "$work"/oom-*
mkdir -p "$work/corpus"
cp "$seeds"/* "$work/corpus/"
# Odd files a quiz folder may hold (the first byte picks the block the game asks for), and every
# input that ever broke the reader.
cp "$cases"/* "$work/corpus/"
head -c 70000 /dev/zero | tr '\0' 'a' >"$work/corpus/long-line"

"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=140000 \
    -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" 2>"$work/fuzz.log" || {
    tail -n 60 "$work/fuzz.log"
    exit 1
}
grep -E '^stat::number_of_executed_units|^Done' "$work/fuzz.log" || true
