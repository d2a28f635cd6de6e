#!/usr/bin/env bash
# The way the includes run: the game's rules (game/) reach no screen, widget or picture; a screen
# includes no other screen (a header of screens/ that declares none, such as the question's pace,
# is shared); only the flow knows them all. Prints every include against the grain.
set -uo pipefail
cd "${1:?usage: include_check.sh SOURCE_DIR}"
status=0
against() { echo "$1"; status=1; }
while IFS= read -r hit; do
    against "the rules include the screens or widgets: $hit"
done < <(grep -Hn -E '#include ["<](screens/|toolkit/(widgets|window|stage|timer|look|beep)|layout/|Q(Widget|Gui|Painter|Pixmap|Image|Font|Color)[a-zA-Z]*>)' game/*)
for file in screens/*.cpp screens/*.h; do
    own=$(basename "${file%.*}")
    [[ $own == flow ]] && continue
    while IFS= read -r hit; do
        included=$(sed -E 's|.*#include "screens/([a-z_]+)\.h".*|\1|' <<<"$hit")
        grep -q 'tk::Screen<' "screens/$included.h" || continue
        [[ $included == "$own" ]] || against "a screen includes another screen: $file: $hit"
    done < <(grep -E '#include "screens/' "$file")
done
exit $status
