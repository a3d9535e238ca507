#!/usr/bin/env bash
# In a Wayland session without an X server the game runs natively on Wayland (Qt's plugin from
# qt6-wayland): it reaches its main window, a cast ends in its catch report, and the report names
# the main window as its parent so the compositor can place it over it. The compositor places the
# windows, so they are found in its screenshots by their colours; weston is nested in the test's
# Xvfb, whose pointer and keyboard press inside the session.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/weston.sh"
setup
require_weston
XW_DISPLAY=""
COLOUR_MODE_BUTTON="192,192,0" # the title's "練 習" and "本 番"

# The game's Wayland requests (WAYLAND_DEBUG) tell which windows it opened, and with what.
said() { grep -qF -- "$1" "$WORK_DIR"/game-*.log; }
said_title() { said "set_title(\"$1\")"; }

# find_colour R,G,B: screenshots the session and leaves the middle of the pixels of that colour
# in CX, CY (false when there are none).
find_colour()
{
    local box x y w h
    wayland_shot "${TEST_NAME}-now"
    box=$(colour_box "$WAYLAND_SHOT" "$1") || return 1
    read -r x y w h <<<"$box"
    CX=$((x + w / 2)) CY=$((y + h / 2)) CW=$w CH=$h
}

check "without an X server the game starts natively on Wayland and shows its title"
start_weston x11
GAME_WAYLAND_DEBUG=client start_wayland_game
wait_until 15 "the title window's request" said_title "ぬ よ" || fail "the game opened no Wayland window titled ぬ よ"
wait_until 5 "the title's mode buttons show" find_colour "$COLOUR_MODE_BUTTON" ||
    fail "the compositor shows no mode buttons"
[ "$CH" -lt 60 ] || fail "the mode buttons' colour covers ${CW}x${CH} pixels"
cp "$WAYLAND_SHOT" "$SHOT_DIR/${TEST_NAME}-title.png"
log "mode buttons at $CX,$CY (${CW}x${CH}); the compositor placed the title"

check "\"練 習\" opens the practice main window"
# The nested compositor may not follow the pointer yet just after it starts: press the left
# button until the game answers (the main window, or first the message box about a missing sound
# device).
answered() { said_title "ぬよ" || said_title "$MAIN_TITLE_PRACTICE"; }
for _ in 1 2 3 4 5; do
    press_at $((CX - CW / 4)) "$CY"
    wait_until 2 "the game answers the press on the title" answered && break
done
answered || fail "the game opened no main window after the press on 練 習"
said "xdg_toplevel@" || fail "the game opened no Wayland toplevel window"
if ! said_title "$MAIN_TITLE_PRACTICE"; then
    log "the sound device is missing: Return on its message box"
    DISPLAY=$OUTER_DISPLAY xdotool key Return
fi
wait_until 10 "the main window's request" said_title "$MAIN_TITLE_PRACTICE" ||
    fail "the game opened no practice main window"
wait_until 10 "the action button offers the cast" find_colour "$COLOUR_CAST" ||
    fail "the compositor shows no cast button"
cp "$WAYLAND_SHOT" "$SHOT_DIR/${TEST_NAME}-main.png"

check "a cast ends in a catch report that names the main window as its parent"
press_at "$CX" "$CY"
wait_until 25 "the strike is offered" find_colour "$COLOUR_STRIKE" || fail "no strike offered 25 s after the cast"
press_at "$CX" "$CY"
# The report is the one window of a practice game that names a parent (the main window).
report_shown() { said 'set_parent(xdg_toplevel@'; }
deadline=$((SECONDS + 60))
until report_shown; do
    [ $SECONDS -lt $deadline ] || fail "no catch report within 60 s of the strike"
    find_colour "$COLOUR_FIGHT" && press_at "$CX" "$CY"
    sleep 0.4
done
main_id=$(grep -F "set_title(\"$MAIN_TITLE_PRACTICE\")" "$WORK_DIR"/game-*.log | tail -n 1 |
    sed -n 's/.*\(xdg_toplevel@[0-9]*\)\.set_title.*/\1/p')
[ -n "$main_id" ] || fail "no toplevel carries the main window's title"
said "set_parent($main_id)" || fail "the report names a parent other than the main window ($main_id)"
wait_until 5 "the report's OK button shows" find_colour "$COLOUR_CAST" || fail "the report's OK button does not show"
cp "$WAYLAND_SHOT" "$SHOT_DIR/${TEST_NAME}-report.png"
log "the report's OK button shows at $CX,$CY"
is_running "$GAME_PID" || fail "the game ended"
log "PASS"
