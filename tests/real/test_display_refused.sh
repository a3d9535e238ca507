#!/usr/bin/env bash
# On a display of 256 colours the game refuses to run: its box says so, and so does standard
# error. Qt cannot paint its windows there, so the box is shown as a picture of itself: its text,
# icon and OK button must be on the screen, not an empty grey window. Return, a click on OK and
# Escape each dismiss it, and the game then ends with status 0. A display that cannot be opened at
# all (no server there, a name that is no display's, a dead Wayland socket) is named on standard error, status 1.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
XVFB_DEPTH=8
setup

REFUSAL="  ２５６色では使用できません！  "
BOX_SHOT="$SHOT_DIR/${TEST_NAME}-box.png"
# Fewest pixels in each part of the box for it to count as drawn: the text's strokes, the caption
# of the OK button (dark on a mostly light face: an unpainted box is all grey or all black), and
# the icon's yellow.
MIN_TEXT_DARK=150
MIN_BUTTON_DARK=30
MIN_ICON_YELLOW=100

# dark_pixels GEOMETRY: how many pixels of that part of the box's picture are darker than mid-grey.
dark_pixels()
{
    convert "$BOX_SHOT" -crop "$1" +repage -colorspace Gray -threshold 50% \
        -format '%[fx:round(w*h*(1-mean))]' info:
}

# inked GEOMETRY LEAST: true when that part has at least LEAST dark pixels, on a face that is
# mostly light.
inked()
{
    local dark size=${1%%+*}
    dark=$(dark_pixels "$1")
    [ "$dark" -ge "$2" ] && [ "$dark" -le $((${size%x*} * ${size#*x} / 2)) ]
}

yellow_pixels()
{
    convert "$BOX_SHOT" -crop "$1" +repage -fx 'r > 0.7 && g > 0.7 && b < 0.4' -format '%[fx:round(w*h*mean)]' info:
}

# dark_centre GEOMETRY: "X Y", the middle of the dark pixels of that part, in box coordinates.
dark_centre()
{
    local left=${1#*+} top
    top=${left#*+}
    left=${left%%+*}
    convert "$BOX_SHOT" -crop "$1" +repage -colorspace Gray -threshold 50% txt:- |
        awk -F'[,: ]+' -v l="$left" -v t="$top" \
            '/#000000/ { x += $1; y += $2; n++ } END { if (n) printf "%d %d\n", l + x / n, t + y / n }'
}

# The parts of the box, from its size: the text in the upper half right of the icon,
# the OK button in the lower right, the icon at the left.
box_parts()
{
    geometry "$BOX"
    TEXT_PART="$((WIN_W * 3 / 4))x$((WIN_H / 2))+$((WIN_W / 4))+0"
    BUTTON_PART="$((WIN_W / 2))x$((WIN_H / 2))+$((WIN_W / 2))+$((WIN_H / 2))"
    ICON_PART="$((WIN_W / 4))x$((WIN_H * 3 / 4))+0+0"
}

# True once the box's picture shows its text (the window maps before it is painted).
box_painted()
{
    screenshot "${TEST_NAME}-box" "$BOX" >/dev/null &&
        inked "$TEXT_PART" "$MIN_TEXT_DARK"
}

# Starts the game and waits for its refusal; the box's window is left in BOX.
open_box()
{
    start_game
    local game_log="$WORK_DIR/game-$((${#_PIDS[@]} - 1)).log"
    wait_until 15 "the refusal on standard error" grep -qF -e "$REFUSAL" "$game_log" ||
        fail "no refusal on standard error"
    BOX=$(wait_window " * ぬ よ *" 15 "$GAME_PID") || fail "the refusal's box did not open"
    [ -z "$(find_window "ぬ よ" "$GAME_PID")" ] || fail "the title window opened on a 256-colour display"
}

# A display number with no server: well above those that -displayfd hands out; and a screen that
# the test's server lacks.
NO_SERVER=$((${DISPLAY#:} + 500))
while [ -e "/tmp/.X11-unix/X$NO_SERVER" ]; do NO_SERVER=$((NO_SERVER + 1)); done
for unusable in ":$NO_SERVER" "nonsense::x" "${DISPLAY%%.*}.9"; do
    check "DISPLAY=$unusable: the game says it cannot open it, in one line, and ends with status 1"
    prepare_game_dir
    status=0
    (cd "$GAME_DIR" && private_desktop_env && DISPLAY=$unusable QT_QPA_PLATFORM=xcb exec timeout 10 ./nuyo) 2>"$WORK_DIR/unusable.log" ||
        status=$?
    [ "$status" = 1 ] && [ "$(wc -l <"$WORK_DIR/unusable.log")" = 1 ] &&
        grep -qF "cannot open the display \"$unusable\"" "$WORK_DIR/unusable.log" ||
        fail "status $status, not one line naming the display: $(cat "$WORK_DIR/unusable.log")"
done

check "WAYLAND_DISPLAY names no socket, no DISPLAY: one line naming the socket, status 1; with DISPLAY: the game starts on X"
status=0
(cd "$GAME_DIR" && private_desktop_env && unset DISPLAY QT_QPA_PLATFORM && WAYLAND_DISPLAY=wayland-9 exec timeout 10 ./nuyo) \
    2>"$WORK_DIR/wayland.log" || status=$?
[ "$status" = 1 ] && [ "$(wc -l <"$WORK_DIR/wayland.log")" = 1 ] &&
    grep -qF "cannot open the Wayland display \"$WORK_DIR/xdg/wayland-9\"" "$WORK_DIR/wayland.log" ||
    fail "status $status, not one line naming the socket: $(cat "$WORK_DIR/wayland.log")"
(cd "$GAME_DIR" && private_desktop_env && unset QT_QPA_PLATFORM && WAYLAND_DISPLAY=wayland-9 exec ./nuyo) &
game_started $! "$(cat "$WORK_DIR/wayland.log"); now with DISPLAY=$DISPLAY"
BOX=$(wait_window " * ぬ よ *" 15 "$GAME_PID") || fail "no window of the game on the X display" # its 256-colour refusal
key_to "$BOX" Return
wait_exit "$GAME_PID" 10 && [ "$EXIT_STATUS" = 0 ] || fail "the game did not end with status 0 after its box"

check "the refusal is written to standard error and its box opens, readable"
open_box
box_parts
wait_until 5 "the box shows its text" box_painted || fail "the refusal's box shows no text"
text_dark=$(dark_pixels "$TEXT_PART")
button_dark=$(dark_pixels "$BUTTON_PART")
icon_yellow=$(yellow_pixels "$ICON_PART")
log "box ${WIN_W}x${WIN_H}: $text_dark dark pixels in the text, $button_dark in the OK button," \
    "$icon_yellow yellow in the icon ($BOX_SHOT)"
inked "$BUTTON_PART" "$MIN_BUTTON_DARK" || fail "the box shows no OK button"
[ "$icon_yellow" -ge "$MIN_ICON_YELLOW" ] || fail "the box shows no warning icon"
read -r OK_X OK_Y <<<"$(dark_centre "$BUTTON_PART")"
log "the OK button's caption is centred at $OK_X,$OK_Y"

for way in Return click Escape; do
    check "$way dismisses the box and the game ends with status 0"
    if [ "$way" != Return ]; then
        open_box
    fi
    case $way in
        click) click "$BOX" "$OK_X" "$OK_Y" ;;
        *) key_to "$BOX" "$way" ;;
    esac
    wait_exit "$GAME_PID" 10 || fail "the game still runs after its refusal was dismissed by $way"
    [ "$EXIT_STATUS" = 0 ] || fail "the game ended with status $EXIT_STATUS"
done
log "PASS"
