#!/usr/bin/env bash
# In a Wayland session with an X server (XWayland, as GNOME and Plasma offer) the game runs on
# that server, so its windows open where it places them: the title centred a little above the
# middle of the screen; the catch report asks for its place over the pond, +58,+60 from the main
# window. Both a headless weston and one nested in Xvfb (which can be clicked) are tried.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/weston.sh"
setup
require_weston

# shows_title_at X Y: the compositor's picture shows the title's two mode buttons where a title
# window at X,Y has them.
shows_title_at()
{
    wayland_shot "$TITLE_SHOT"
    [ "$(shot_pixel "$WAYLAND_SHOT" $(($1 + 80)) $(($2 + 222)))" = "192,192,0" ] &&
        [ "$(shot_pixel "$WAYLAND_SHOT" $(($1 + 185)) $(($2 + 222)))" = "192,192,0" ]
}

# check_title_centred: the title window shows centred a little above the middle of the output.
# (The compositor's picture says where it is: the X server's idea of it may lag behind.)
check_title_centred()
{
    TITLE_WIN=$(wait_window "ぬ よ" 15 "$GAME_PID") || fail "the title window did not appear"
    geometry "$TITLE_WIN"
    [ "$WIN_W" = 357 ] && [ "$WIN_H" = 272 ] || fail "title window is ${WIN_W}x${WIN_H}, not 357x272"
    TITLE_X=$(((WESTON_W - 357) / 2)) TITLE_Y=$(((WESTON_H - 272) / 2 - 13))
    wait_until 5 "the title shows at $TITLE_X,$TITLE_Y" shows_title_at "$TITLE_X" "$TITLE_Y" ||
        fail "the compositor does not show the title window at $TITLE_X,$TITLE_Y"
    log "title window shows at $TITLE_X,$TITLE_Y"
}

check "headless weston with XWayland: the game takes the X server and centres its title"
start_weston headless --xwayland
export DISPLAY=$XW_DISPLAY
start_wayland_game
TITLE_SHOT="${TEST_NAME}-headless-title"
check_title_centred
stop_pid "$GAME_PID"
stop_pid "$WESTON_PID"
GAME_DIR=""

check "weston nested in Xvfb with XWayland: title, practice, a cast and its report over the pond"
export DISPLAY=$OUTER_DISPLAY
start_weston x11 --xwayland
export DISPLAY=$XW_DISPLAY
start_wayland_game
TITLE_SHOT="${TEST_NAME}-title"
check_title_centred
# The nested compositor may not follow the pointer yet just after it starts: press "練 習" until
# the game answers (the main window, or first the message box about a missing sound device).
answered() { [ -n "$(find_window "$MAIN_TITLE_PRACTICE" "$GAME_PID")$(find_window ぬよ "$GAME_PID")" ]; }
for _ in 1 2 3 4 5; do
    press_at $((TITLE_X + 124)) $((TITLE_Y + 232))
    wait_until 2 "the game answers the press on the title" answered && break
done
wait_main_window "$MAIN_TITLE_PRACTICE" "$GAME_PID" 20 || fail "the practice main window did not appear"
wait_action "$MAIN_WIN" "$COLOUR_CAST" 5 || fail "the action button does not show the cast colour"
cast_to_report
geometry "$MAIN_WIN"
mx=$WIN_X my=$WIN_Y
geometry "$REPORT"
# The game asks for +58,+60 from the main window (the position is in the window's hints).
asked_place() { xprop -id "$1" WM_NORMAL_HINTS | sed -n 's/.*user specified location: \([0-9-]*\), \([0-9-]*\)$/\1 \2/p'; }
read -r ax ay <<<"$(asked_place "$MAIN_WIN")"
read -r rx ry <<<"$(asked_place "$REPORT")"
[ -n "$ax" ] && [ -n "$rx" ] && [ $((rx - ax)) = 58 ] && [ $((ry - ay)) = 60 ] ||
    fail "the report asks for ${rx:-?},${ry:-?}, the main window for ${ax:-?},${ay:-?}: not +58,+60"
# Window managers that honour a requested position put it there; weston's own places a dialog
# that names its parent (Qt names the active window) wherever its shell puts new windows.
log "report asked for +58,+60 from the main window; weston put it at +$((WIN_X - mx)),+$((WIN_Y - my))"
wait_until 3 "the report's OK button is painted" pixel_is "$REPORT" 145 175 "192,192,0" ||
    fail "the report's OK button colour is $(pixel "$REPORT" 145 175)"
wayland_shot "${TEST_NAME}-report"
press_report_ok "$REPORT"
wait_until 10 "the next cast is offered" action_ready "$MAIN_WIN" "$COLOUR_CAST" ||
    fail "after OK the button shows $(action_colour "$MAIN_WIN")"
is_running "$GAME_PID" || fail "the game ended"
log "PASS"
