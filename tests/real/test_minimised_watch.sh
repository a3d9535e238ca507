#!/usr/bin/env bash
# The game's clock stands still while its main window is minimised: a watch minimised for longer
# than the bait lasts (60 s from the settling) loses no bait, and goes on once it is restored.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
setup openbox # a window manager, so that minimising and restoring are real

iconic() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q Iconic; }
# A restored window reads black until the game has drawn it again; drawn, its action button shows
# one of the game's own colours (none of them black).
drawn()
{
    case "$(action_colour "$1")" in
    "$COLOUR_CAST" | "$COLOUR_STRIKE" | "$COLOUR_FIGHT" | "$COLOUR_BAITLOST" | "$COLOUR_END") action_enabled "$1" ;;
    *) false ;;
    esac
}

start_practice
check "a cast: the float settles and the strike is offered"
click "$MAIN_WIN" "$ACTION_X" "$ACTION_Y"
wait_action "$MAIN_WIN" "$COLOUR_STRIKE" 15 || fail "the strike was not offered after the cast"

check "minimised for 62 s, longer than the bait has left"
xdotool windowminimize "$MAIN_WIN"
wait_until 5 "the main window is minimised" iconic "$MAIN_WIN" || fail "the window manager did not minimise the window"
stay_alive "$GAME_PID" 62
iconic "$MAIN_WIN" || fail "the main window came back by itself"

check "restored: still watching, no bait lost"
xdotool windowactivate "$MAIN_WIN"
wait_until 5 "the main window is restored" eval "! iconic $MAIN_WIN" || fail "the window manager did not restore the window"
wait_until 5 "the window is drawn again" drawn "$MAIN_WIN" || fail "the restored window shows no enabled button"
colour=$(action_colour "$MAIN_WIN")
[ "$colour" = "$COLOUR_STRIKE" ] || fail "after the restore the button shows $colour, not the strike colour (bait lost?)"
screenshot minimised-restored "$MAIN_WIN"

check "the watch goes on: a strike ends in a report"
click "$MAIN_WIN" "$ACTION_X" "$ACTION_Y"
REPORT="" deadline=$((SECONDS + 60))
while [ -z "$REPORT" ] && [ $SECONDS -lt $deadline ]; do
    REPORT=$(window_of_size "$GAME_PID" "$REPORT_W" "$REPORT_H") && break
    action_is "$MAIN_WIN" "$COLOUR_FIGHT" && click "$MAIN_WIN" "$ACTION_X" "$ACTION_Y" 1
    wait_until 1 "a report or a fight" eval "window_of_size $GAME_PID $REPORT_W $REPORT_H" || true
done
[ -n "$REPORT" ] || fail "no report within 60 s of the strike"
press_report_ok "$REPORT"
wait_action "$MAIN_WIN" "$COLOUR_CAST" 15 || fail "after the report the button shows $(action_colour "$MAIN_WIN")"
log "PASS"
