#!/usr/bin/env bash
# Checks what installing Zapster puts on a player's machine.
#
#   install_check.sh tree    BUILD_DIR SOURCE_DIR APP_ID VERSION SOUND_MODULE
#       `cmake --install` into a scratch prefix: the files, the launcher's choice of folder, the
#       menu entry and AppStream data as the desktop tools judge them, and the installed game
#       starting up and loading its sound module.
#   install_check.sh package BUILD_DIR SOURCE_DIR APP_ID VERSION SOUND_MODULE
#       The Debian package that cpack builds: its control fields and contents.
# SOUND_MODULE is where the game's sound module is installed, relative to the prefix.
set -uo pipefail

mode=$1 build=$2 source=$3 id=$4 version=$5 sound=$6
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# check DESCRIPTION COMMAND...: runs the command and reports it.
check() {
    local what=$1
    shift
    if "$@"; then
        echo "ok    $what"
    else
        echo "FAIL  $what"
        failures=$((failures + 1))
    fi
}

# What an install holds, relative to its prefix.
expected_files() {
    echo bin/zapster
    echo bin/zapster-launch
    echo "$sound"
    echo "share/applications/$id.desktop"
    echo "share/metainfo/$id.metainfo.xml"
    local size
    for size in 16 32 48 64 128 256; do
        echo "share/icons/hicolor/${size}x${size}/apps/$id.png"
    done
    echo "share/icons/hicolor/scalable/apps/$id.svg"
    echo share/doc/zapster/copyright
    local sample
    for sample in "$source"/examples/*.zap "$source"/examples/README.txt; do
        echo "share/zapster/examples/${sample##*/}"
    done
    local ts
    for ts in "$source"/translations/*.ts; do
        ts=${ts##*/}
        echo "share/zapster/translations/${ts%.ts}.qm"
    done
}

# all_present ROOT: every expected file is under ROOT.
all_present() {
    local file missing=0
    while read -r file; do
        if [[ ! -f $1/$file ]]; then
            echo "      missing: $file"
            missing=1
        fi
    done < <(expected_files)
    return $missing
}

# finds_sound_module ROOT: the game's run path, taken from where the game lies under ROOT, holds
# the sound module as it is installed.
finds_sound_module() {
    local runpath
    runpath=$(readelf -d "$1/bin/zapster" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]$/\1/p')
    local dir=${runpath//\$ORIGIN/$1/bin}
    [[ -n $runpath && $(realpath -e "$dir/${sound##*/}") == $(realpath -e "$1/$sound") ]] ||
        { echo "      run path '$runpath' does not lead to $sound"; return 1; }
}

# loaded_module LOG...: the sound module the dynamic loader started, from its LD_DEBUG=files logs.
loaded_module() {
    local file
    file=$(sed -n "s/.*calling init: \(.*\/${sound##*/}\)$/\1/p" "$@" | head -n 1)
    [[ -n $file ]] && realpath "$file"
}

# quiet COMMAND...: succeeds when the command does and prints nothing at all.
# translated PREFIX: the menu entry's texts and the AppStream summary in each installed language,
# each its own text rather than the English again.
translated() {
    local qm language missing=0 key
    for qm in "$1"/share/zapster/translations/zapster_*.qm; do
        language=$(basename "$qm" .qm)
        language=${language#zapster_}
        for key in GenericName Comment Keywords; do
            local text
            text=$(desktop_key "$key\\[$language\\]")
            if [[ -z $text || $text == "$(desktop_key "$key")" ]]; then
                echo "      no $key[$language] in the menu entry"
                missing=1
            fi
        done
        grep -q "<summary xml:lang=\"$language\">" "$1/share/metainfo/$id.metainfo.xml" ||
            { echo "      no AppStream summary in $language"; missing=1; }
    done
    return $missing
}

quiet() {
    local out
    out=$("$@" 2>&1) || { echo "$out"; return 1; }
    [[ -z $out ]] || { echo "$out"; return 1; }
}

# logged COMMAND...: runs the command, showing its output only when it fails.
logged() {
    local out
    out=$("$@" 2>&1) || { echo "$out"; return 1; }
}

# appstream_clean COMMAND...: appstreamcli passes with nothing above pedantic notes.
appstream_clean() {
    local out
    out=$("$@" --no-net --no-color 2>&1) || { echo "$out"; return 1; }
    ! grep -E '^[EWI]:' <<<"$out"
}

desktop_key() { sed -n "s/^$1=//p" "$prefix/share/applications/$id.desktop"; }
metainfo() { xml_text "$prefix/share/metainfo/$id.metainfo.xml" "$1"; }
xml_text() { sed -n "s:.*<$2\( [^>]*\)\?>\(.*\)</$2>.*:\2:p" "$1" | head -n 1; }

# launch LAUNCHER [VAR=VALUE...]: runs LAUNCHER from / with the given environment and a stub game
# beside it; prints the folder the stub started in, and whether it kept the launcher's process.
launch() {
    local launcher=$1
    shift
    (cd / && exec env "$@" "$launcher") >"$work/launched" &
    local pid=$!
    wait "$pid"
    local child dir
    read -r child dir <"$work/launched"
    [[ $child == "$pid" ]] && echo "exec $dir" || echo "fork $dir"
}

# expect WANTED ACTUAL
expect() {
    [[ $1 == "$2" ]] || { echo "      wanted '$1', got '$2'"; return 1; }
}

check_tree() {
    prefix=$work/prefix
    check "cmake --install into a scratch prefix" \
        logged cmake --install "$build" --prefix "$prefix"
    check "every file in place" all_present "$prefix"
    check "nothing installed outside bin/, lib/ and share/" \
        expect "" "$(cd "$prefix" && ls -A | grep -vx -e bin -e "${sound%%/*}" -e share)"
    check "game's run path leads to its sound module" finds_sound_module "$prefix"

    check "desktop-file-validate finds nothing" \
        quiet desktop-file-validate "$prefix/share/applications/$id.desktop"
    check "appstreamcli validate: pedantic notes at most" \
        appstream_clean appstreamcli validate "$prefix/share/metainfo/$id.metainfo.xml"
    check "appstreamcli validate-tree: pedantic notes at most" \
        appstream_clean appstreamcli validate-tree "$prefix"

    # The pieces must name each other, or the menu shows no icon or starts nothing.
    check "menu entry runs the installed launcher" \
        expect "$prefix/bin/zapster-launch" "$prefix/bin/$(desktop_key Exec)"
    check "menu entry's icon is the installed one" expect "$id" "$(desktop_key Icon)"
    check "menu entry names the game's window class" expect zapster "$(desktop_key StartupWMClass)"
    check "AppStream id" expect "$id" "$(metainfo id)"
    check "AppStream launchable is the menu entry" expect "$id.desktop" "$(metainfo launchable)"
    check "menu entry and AppStream data in every language the game speaks" translated "$prefix"
    check "newest AppStream release is this version" expect "$version" \
        "$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' \
            "$prefix/share/metainfo/$id.metainfo.xml" | head -n 1)"

    # The launcher, with a stub game beside a copy of it that reports where it started.
    local bin=$work/bin home="$work/my home"
    mkdir -p "$bin" "$home" "$work/elsewhere"
    cp "$prefix/bin/zapster-launch" "$bin/"
    printf '#!/bin/sh\necho "$$ $(pwd -P)"\n' >"$bin/zapster"
    chmod +x "$bin/zapster"
    ln -s "$bin/zapster-launch" "$work/elsewhere/play"

    check "no ~/Zapster: starts in the home folder, in the launcher's process" \
        expect "exec $home" "$(launch "$bin/zapster-launch" HOME="$home")"
    check "launcher creates nothing in the home folder" expect "" "$(ls -A "$home")"
    touch "$home/Zapster"
    check "a file named ~/Zapster is not a folder: home folder" \
        expect "exec $home" "$(launch "$bin/zapster-launch" HOME="$home")"
    rm "$home/Zapster"
    mkdir "$home/Zapster"
    check "with ~/Zapster: starts there" \
        expect "exec $home/Zapster" "$(launch "$bin/zapster-launch" HOME="$home")"
    check "found on PATH: starts in ~/Zapster" \
        expect "exec $home/Zapster" "$(launch zapster-launch HOME="$home" PATH="$bin:$PATH")"
    check "through a link elsewhere: runs the game beside the launcher" \
        expect "exec $home/Zapster" "$(launch "$work/elsewhere/play" HOME="$home")"
    check "no HOME at all: stays where it was started" \
        expect "exec /" "$(launch "$bin/zapster-launch" -u HOME)"

    # The real thing: the installed launcher starts the installed game, which keeps running
    # (showing its title screen) until it is stopped.
    cp "$source"/examples/*.zap "$home/Zapster/"
    local status=0
    HOME=$home QT_QPA_PLATFORM=offscreen LD_DEBUG=files LD_DEBUG_OUTPUT="$work/loader" \
        timeout 5 "$prefix/bin/zapster-launch" >"$work/game.log" 2>&1 || status=$?
    check "installed game starts and runs until stopped" expect 124 "$status"
    # Once its title screen is up, the game loads the sound module, from the installed tree.
    check "installed game loads the installed sound module" \
        expect "$(realpath "$prefix/$sound")" "$(loaded_module "$work"/loader.*)"
}

check_package() {
    check "cpack builds the package" \
        logged cpack --config "$build/CPackConfig.cmake" -B "$work/out" -G DEB
    local debs=("$work"/out/zapster_"$version"_*.deb)
    check "one package, zapster_${version}_ARCH.deb" test ${#debs[@]} -eq 1 -a -f "${debs[0]}"
    [[ -f ${debs[0]} ]] || return
    local deb=${debs[0]}
    field() { dpkg-deb -f "$deb" "$1"; }

    check "package name" expect zapster "$(field Package)"
    check "package version" expect "$version" "$(field Version)"
    check "section games" expect games "$(field Section)"
    check "maintainer with an address" grep -qE '^[^<]+ <[^@ ]+@[^> ]+>$' <<<"$(field Maintainer)"
    check "description with a synopsis and a body" test "$(field Description | wc -l)" -gt 2
    local needed
    for needed in libqt6widgets6 libqt6gui6 libqt6multimedia6 qt6-qpa-plugins \
        fonts-liberation2 fonts-urw-base35 fonts-dejavu-core; do
        check "depends on $needed" grep -qE "(^|, )$needed( |,|$)" <<<"$(field Depends)"
    done

    dpkg-deb -x "$deb" "$work/root"
    check "every file in place under /usr" all_present "$work/root/usr"
    check "nothing outside /usr" expect usr "$(ls -A "$work/root")"
    check "game's run path leads to its sound module" finds_sound_module "$work/root/usr"
    check "game is stripped" bash -c "! readelf -S '$work/root/usr/bin/zapster' | grep -q debug_info"
    check "launcher is executable" test -x "$work/root/usr/bin/zapster-launch"
}

case $mode in
    tree) check_tree ;;
    package) check_package ;;
    *) echo "usage: $0 tree|package BUILD_DIR SOURCE_DIR APP_ID VERSION SOUND_MODULE" >&2; exit 2 ;;
esac
exit $((failures > 0))
