#!/usr/bin/env bash
# Photographs every moment of the game from its real windows on a private X server (Xvfb), into
# BUILD_DIR/contact/: one PNG per moment, contact-sheet.png with them all, and
# contact-sheet-small.png. With --docs the small sheet is also copied to docs/screenshots.png.
#
#   tools/contactsheet/run.sh [BUILD_DIR] [--docs]
#
# BUILD_DIR (default: build) must hold the built tool: cmake --build BUILD_DIR --target contactsheet
set -euo pipefail

src=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=""
docs=0
for arg in "$@"; do
    case $arg in
    --docs) docs=1 ;;
    -h | --help)
        sed -n '2,8p' "$0" | sed 's/^# \{0,1\}//'
        exit 0
        ;;
    *) build=$arg ;;
    esac
done
build=$(cd "${build:-$src/build}" && pwd)
tool=$build/tools/contactsheet/contactsheet
out=$build/contact

[ -x "$tool" ] || { echo "run.sh: $tool is not built (cmake --build $build --target contactsheet)" >&2; exit 2; }
command -v Xvfb >/dev/null || { echo "run.sh: Xvfb is not installed (package xvfb)" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/nuyo-contact.XXXXXX")
xvfb_pid=""
cleanup()
{
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A free display: Xvfb picks the number and writes it to file descriptor 9.
: >"$work/displayfd"
Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp -noreset 9>"$work/displayfd" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
deadline=$((SECONDS + 10))
until grep -q '[0-9]' "$work/displayfd"; do
    if [ $SECONDS -ge $deadline ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
        echo "run.sh: Xvfb did not start: $(cat "$work/xvfb.log")" >&2
        exit 1
    fi
    sleep 0.1
done
display=":$(tr -dc '0-9' <"$work/displayfd")"

mkdir -p "$out" "$work/xdg"
chmod 0700 "$work/xdg"
rm -f "$out"/*.png "$out/moments.txt"
status=0
env -u WAYLAND_DISPLAY DISPLAY="$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/xdg" \
    "$tool" "$out" || status=$?

if [ "$docs" = 1 ] && [ $status = 0 ]; then
    cp "$out/contact-sheet-small.png" "$src/docs/screenshots.png"
    echo "run.sh: docs/screenshots.png updated ($(stat -c %s "$src/docs/screenshots.png") bytes)"
fi
exit $status
