#!/usr/bin/env bash
# Installs the Debian packages that building, testing, packaging and running the game need, and
# only when one of them is missing: a machine that has them all pays nothing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-qpa-plugins libgl-dev qt6-multimedia-dev qt6-tools-dev qt6-l10n-tools
    qt6-translations-l10n
    fonts-liberation2 fonts-lato fonts-urw-base35 fonts-dejavu-core
)
case "${1:-}" in
    --run) packages+=(xvfb xauth) ;;
    # The sanitizer tree and the fuzzer build with clang and its runtime libraries.
    # The install tests validate the menu entry and AppStream data and build the Debian package
    # (cpack finds the libraries it depends on with dpkg-shlibdeps and `file`).
    # The listening test plays to a private PulseAudio server and records it (parec, pacat); the
    # icon test draws the SVG icon with rsvg-convert, the renderer desktops use. The window test
    # runs the game under openbox on a virtual display, drives it with xdotool and xprop and
    # reads what its window shows with xwd.
    # The host-window test plugs displays in and out of Qt's offscreen platform through its
    # private interface.
    --test) packages+=(clang libclang-rt-14-dev desktop-file-utils appstream dpkg-dev file
        pulseaudio pulseaudio-utils librsvg2-bin xvfb xauth openbox xdotool x11-utils x11-apps
        qt6-base-private-dev python3) ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg -s "$p" >/dev/null 2>&1 || ! dpkg -s "$p" 2>/dev/null | grep -q '^Status: install ok installed'; then
        missing+=("$p")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
