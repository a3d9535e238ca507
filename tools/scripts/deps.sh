#!/usr/bin/env bash
# Installs the Debian packages that building, playing or testing the game needs, only when
# something is missing. Usage: deps.sh build|test|bench|format
set -euo pipefail

build_pkgs=(cmake ninja-build g++ qt6-base-dev qt6-multimedia-dev qt6-base-dev-tools
            libqt6multimedia6 qt6-qpa-plugins libgl1-mesa-dev libxcb1-dev fonts-ipafont-gothic
            qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools)
test_pkgs=(xvfb xauth xdotool x11-utils pulseaudio pulseaudio-utils imagemagick sox
           desktop-file-utils appstream python3 man-db groff-base)
# The Wayland session tests and the Debian package test.
test_pkgs+=(weston xwayland qt6-wayland build-essential debhelper dpkg-dev fakeroot lintian)
test_pkgs+=(openbox) # a window manager for the real-window tests that need one
test_pkgs+=(dbus at-spi2-core python3-dbus) # what a screen reader reads, for the English game's test
bench_pkgs=(libxcb-damage0-dev) # the start-up watch sees a window's first drawing

case "${1:-build}" in
    build) want=("${build_pkgs[@]}") ;;
    test) want=("${build_pkgs[@]}" "${test_pkgs[@]}") ;;
    bench) want=("${build_pkgs[@]}" "${test_pkgs[@]}" "${bench_pkgs[@]}") ;;
    format) want=(clang-format git) ;;
    *) echo "usage: $0 build|test|bench|format" >&2; exit 2 ;;
esac

missing=()
for p in "${want[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null; then sudo=(sudo); else
        echo "These packages are missing and I am not root: ${missing[*]}" >&2; exit 1
    fi
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
