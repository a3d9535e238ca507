#!/usr/bin/env bash
# One cast through the real window: cast, watch until the strike is offered, strike, play a fish
# if one is hooked, read the catch report and close it; the button then offers the next cast.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
setup

start_practice

check "casting disables the action for about 8.5 s, then it offers the strike"
# The scene picture: the cast animation changes it.
scene_before=$(region_sum "$MAIN_WIN" 34 18 296 348)
button_before=$(region_sum "$MAIN_WIN" "${ACTION_RECT[@]}")
t0=$(date +%s%N)
click "$MAIN_WIN" "$ACTION_X" "$ACTION_Y"
wait_until 4 "the cast animation draws" region_differs "$MAIN_WIN" 34 18 296 348 "$scene_before" ||
    fail "the scene did not change within 4 s of the cast"
screenshot cast "$MAIN_WIN"
action_is "$MAIN_WIN" "$COLOUR_CAST" || fail "during the cast the button shows $(action_colour "$MAIN_WIN")"
action_enabled "$MAIN_WIN" && fail "the action button stays enabled during the cast"
wait_action "$MAIN_WIN" "$COLOUR_STRIKE" 20 || fail "no strike colour 20 s after the cast"
action_enabled "$MAIN_WIN" || fail "the strike is offered on a disabled button"
elapsed_ms=$((($(date +%s%N) - t0) / 1000000))
log "the strike was offered ${elapsed_ms} ms after the cast"
[ "$elapsed_ms" -ge 7500 ] && [ "$elapsed_ms" -le 11000 ] ||
    fail "the strike was offered after ${elapsed_ms} ms, expected about 8500"
screenshot watch "$MAIN_WIN"

check "striking ends in a report, directly or after a fight"
click "$MAIN_WIN" "$ACTION_X" "$ACTION_Y"
REPORT=""
fought=0
deadline=$((SECONDS + 60))
while [ $SECONDS -lt $deadline ]; do
    REPORT=$(window_of_size "$GAME_PID" "$REPORT_W" "$REPORT_H") && break
    if action_is "$MAIN_WIN" "$COLOUR_FIGHT"; then
        if [ $fought = 0 ]; then
            log "a fish is hooked: pulling until the fight ends"
            screenshot fight "$MAIN_WIN"
        fi
        fought=$((fought + 1))
        click "$MAIN_WIN" "$ACTION_X" "$ACTION_Y" 1
    fi
    sleep 0.4
done
[ -n "$REPORT" ] || fail "no catch report within 60 s of the strike"
log "report window $REPORT after $fought pulls"

check "the report sits at +58,+60 from the main window and shows its OK button"
geometry "$MAIN_WIN"
mx=$WIN_X my=$WIN_Y
geometry "$REPORT"
[ $((WIN_X - mx)) = 58 ] && [ $((WIN_Y - my)) = 60 ] ||
    fail "report at +$((WIN_X - mx)),+$((WIN_Y - my)) from the main window"
wait_until 3 "the report's OK button is painted" pixel_is "$REPORT" 145 175 "192,192,0" ||
    fail "the report's OK button colour is $(pixel "$REPORT" 145 175)"
screenshot report "$MAIN_WIN"

check "the main window ignores the action button while the report is open"
before=$(action_colour "$MAIN_WIN")
click "$MAIN_WIN" "$ACTION_X" "$ACTION_Y"
[ -n "$(window_of_size "$GAME_PID" "$REPORT_W" "$REPORT_H")" ] || fail "a click on the main window closed the report"
[ "$(action_colour "$MAIN_WIN")" = "$before" ] || fail "the action button changed under the report"

check "Escape closes the report as OK does, and the button offers the next cast"
report_gone() { ! window_of_size "$GAME_PID" "$REPORT_W" "$REPORT_H"; }
for try in 1 2 3 4; do # a 60 cm fish's report refuses OK for two seconds
    key_to "$REPORT" Escape
    wait_until 2 "the report closes" report_gone && break
done
report_gone || fail "Escape left the report open"
wait_until 10 "the next cast is offered" action_ready "$MAIN_WIN" "$COLOUR_CAST" ||
    fail "after Escape the button shows $(action_colour "$MAIN_WIN") or stays disabled"
screenshot after-report "$MAIN_WIN"

check "the action button stands raised again, exactly as before the cast"
# The strike's press opened the report, which took the release of the mouse button.
wait_until 3 "the button looks as before the cast" region_is "$MAIN_WIN" "${ACTION_RECT[@]}" "$button_before" ||
    fail "the action button does not look as it did before the cast"
log "PASS"
