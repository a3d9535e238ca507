#!/usr/bin/env bash
# Photographs every moment of the game from its real windows on a private X server (Xvfb), into
# BUILD_DIR/contact/: one PNG per moment, contact-sheet.png with them all, and
# contact-sheet-small.png. With --docs the small sheet is also copied to docs/screenshots.png.
# With --scale N the windows are photographed at N device pixels per pixel (QT_SCALE_FACTOR=N),
# into BUILD_DIR/contact@Nx/; --scale 2 --docs then writes docs/pond-density.png instead: the pond
# at rest at 1x (each pixel doubled, from an earlier run without --scale) beside the same at 2x.
# With --english the game is photographed as an English desktop shows it (LANG=en_US.UTF-8), into
# BUILD_DIR/contact-en/.
#
#   tools/contactsheet/run.sh [BUILD_DIR] [--docs] [--scale N] [--english]
#
# BUILD_DIR (default: build) must hold the built tool: cmake --build BUILD_DIR --target contactsheet
set -euo pipefail

src=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=""
docs=0
scale=1
english=0
while [ $# -gt 0 ]; do
    case $1 in
    --docs) docs=1 ;;
    --english) english=1 ;;
    --scale)
        scale=${2:-}
        shift
        [[ $scale =~ ^[1-9]([.][0-9]+)?$ ]] || { echo "run.sh: --scale takes a ratio such as 2 or 1.5" >&2; exit 2; }
        ;;
    -h | --help)
        sed -n '2,13p' "$0" | sed 's/^# \{0,1\}//'
        exit 0
        ;;
    *) build=$1 ;;
    esac
    shift
done
build=$(cd "${build:-$src/build}" && pwd)
tool=$build/tools/contactsheet/contactsheet
out=$build/contact
[ "$english" = 0 ] || out=$out-en
[ "$scale" = 1 ] || out=$out@${scale}x
locale=()
[ "$english" = 0 ] || locale=(-u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=en_US.UTF-8)

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
env -u WAYLAND_DISPLAY "${locale[@]}" DISPLAY="$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/xdg" \
    QT_SCALE_FACTOR="$scale" "$tool" "$out" || status=$?

# The pond of the main window at rest: client 34,18, 296 x 348 pixels.
if [ "$docs" = 1 ] && [ $status = 0 ] && [ "$scale" = 2 ]; then
    one=$build/contact/rest-real.png
    [ -f "$one" ] || { echo "run.sh: $one is missing: run without --scale first" >&2; exit 1; }
    convert \( "$one" -crop 140x120+140+160 +repage -sample 200% \) \
        \( "$out/rest-real.png" -crop 280x240+280+320 +repage \) -bordercolor white -border 4 +append \
        "$src/docs/pond-density.png"
    echo "run.sh: docs/pond-density.png updated ($(stat -c %s "$src/docs/pond-density.png") bytes)"
elif [ "$docs" = 1 ] && [ $status = 0 ] && [ "$scale" = 1 ]; then
    cp "$out/contact-sheet-small.png" "$src/docs/screenshots.png"
    echo "run.sh: docs/screenshots.png updated ($(stat -c %s "$src/docs/screenshots.png") bytes)"
fi
exit $status
