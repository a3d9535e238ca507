#!/usr/bin/env bash
# The title window comes up centred a little above the middle of the work area; "練 習" opens
# the practice main window, centred on the work area too, and the title window goes away.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
setup

# A desktop with a panel along the top: the work area a window manager announces for it.
read -r SCREEN_W SCREEN_H < <(xdotool getdisplaygeometry)
PANEL_H=96
AREA_H=$((SCREEN_H - PANEL_H))
xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "0,$PANEL_H,$SCREEN_W,$AREA_H"

start_game
TITLE_WIN=$(wait_window "ぬ よ" 15 "$GAME_PID") || fail "the title window did not appear"
geometry "$TITLE_WIN"
check "title window is 357x272 at the work area's horizontal centre, 13 px above its vertical centre"
[ "$WIN_W" = 357 ] && [ "$WIN_H" = 272 ] || fail "title window is ${WIN_W}x${WIN_H}"
want_x=$(((SCREEN_W - 357) / 2))
want_y=$((PANEL_H + (AREA_H - 272) / 2 - 13))
[ "$WIN_X" = "$want_x" ] && [ "$WIN_Y" = "$want_y" ] ||
    fail "title window at $WIN_X,$WIN_Y below a ${PANEL_H} px panel, expected $want_x,$want_y"

check "both mode buttons show their back colour"
for at in "80 222" "270 222"; do
    set -- $at
    c=$(pixel "$TITLE_WIN" "$1" "$2")
    [ "$c" = "192,192,0" ] || fail "mode button pixel at $1,$2 is $c, not 192,192,0"
done
screenshot title "$TITLE_WIN"

check "pressing 練 習 opens the practice main window"
click "$TITLE_WIN" 124 232
wait_main_window "$MAIN_TITLE_PRACTICE" "$GAME_PID" 20 || fail "no main window titled '$MAIN_TITLE_PRACTICE'"
geometry "$MAIN_WIN"
[ "$WIN_W" = 610 ] && [ "$WIN_H" = 427 ] || fail "main window is ${WIN_W}x${WIN_H}, not 610x427"
# Its outer size, frame and caption included, is 616x452; without a window manager the client
# sits where the frame's corner would be.
want_x=$(((SCREEN_W - 616) / 2))
want_y=$((PANEL_H + (AREA_H - 452) / 2))
[ "$WIN_X" = "$want_x" ] && [ "$WIN_Y" = "$want_y" ] ||
    fail "main window at $WIN_X,$WIN_Y below a ${PANEL_H} px panel, expected $want_x,$want_y"

check "the title window is gone and only the main window is shown"
wait_until 5 "the title window hides" eval "[ -z \"\$(find_window 'ぬ よ' $GAME_PID)\" ]" ||
    fail "the title window is still shown next to the main window"
n=$(windows_of "$GAME_PID" | wc -l)
[ "$n" = 1 ] || fail "$n windows are shown, expected the main window alone"

check "the action button offers the cast"
wait_action "$MAIN_WIN" "$COLOUR_CAST" 5 || fail "action button colour $(action_colour "$MAIN_WIN")"
screenshot main-practice "$MAIN_WIN"

check "the ranking file was created beside the executable"
[ -f "$GAME_DIR/Point.dat" ] || fail "no Point.dat in the game's folder"
log "PASS"
