#!/usr/bin/env bash
# The translations hold every text of the code, each one translated: lupdate, run on the sources
# as the update_translations target runs it, changes nothing in them, and no text is left
# unfinished.
#   translations_check.sh LUPDATE TS_DIR LUPDATE_OPTIONS... -- SOURCES...
set -euo pipefail
lupdate=$1 tsdir=$2
shift 2
options=()
while [[ $1 != -- ]]; do
    options+=("$1")
    shift
done
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$tsdir"/*.ts; do
    name=$(basename "$ts")
    cp "$ts" "$work/$name"
    "$lupdate" -silent "${options[@]}" "$@" -ts "$work/$name" >"$work/lupdate.log" 2>&1 || {
        cat "$work/lupdate.log"
        exit 1
    }
    if ! cmp -s "$ts" "$work/$name"; then
        echo "$name is not current: build the update_translations target and translate what is new"
        diff "$ts" "$work/$name" | head -n 40
        status=1
    fi
    if grep -q 'type="unfinished"' "$ts"; then
        echo "$name has texts without a translation:"
        grep -B2 'type="unfinished"' "$ts" | grep '<source>' | head -n 20
        status=1
    fi
done
exit $status
