#!/usr/bin/env bash
# The game sleeps between events: idle at the title and main windows, and while the float is
# watched, it uses hardly any processor time.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
setup

# measure PID SECONDS LIMIT WHAT: fails when the process uses LIMIT s of CPU or more meanwhile.
measure()
{
    local before after used
    before=$(cpu_seconds "$1")
    stay_alive "$1" "$2"
    after=$(cpu_seconds "$1")
    used=$(awk -v a="$after" -v b="$before" 'BEGIN { printf "%.3f", a - b }')
    log "$4: ${used} s of CPU in $2 s (limit $3 s)"
    awk -v u="$used" -v l="$3" 'BEGIN { exit !(u < l) }' || fail "$4 used ${used} s of CPU in $2 s"
}

start_game
TITLE_WIN=$(wait_window "ぬ よ" 15 "$GAME_PID") || fail "the title window did not appear"
check "idle at the title window"
measure "$GAME_PID" 2 0.2 "idle at the title window"

click "$TITLE_WIN" 124 232
wait_main_window "$MAIN_TITLE_PRACTICE" "$GAME_PID" 20 || fail "the practice main window did not appear"
wait_action "$MAIN_WIN" "$COLOUR_CAST" 5 || fail "the action button does not offer the cast"
check "idle at the main window"
measure "$GAME_PID" 2 0.2 "idle at the main window"

check "watching the float"
click "$MAIN_WIN" "$ACTION_X" "$ACTION_Y"
wait_action "$MAIN_WIN" "$COLOUR_STRIKE" 15 || fail "the strike was not offered after the cast"
measure "$GAME_PID" 10 0.3 "watching the float"
action_is "$MAIN_WIN" "$COLOUR_STRIKE" || fail "the watch ended on its own: $(action_colour "$MAIN_WIN")"
log "the game used $(cpu_seconds "$GAME_PID") s of CPU in all"
log "PASS"
