#!/usr/bin/env bash
# On a display of 256 colours the game refuses to run: its box says so, and so does standard
# error, since the box cannot be painted there; dismissing the box ends the game with status 0.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
XVFB_DEPTH=8
setup

start_game
REFUSAL="  ２５６色では使用できません！  "
check "the refusal is written to standard error and its box opens"
wait_until 15 "the refusal on standard error" grep -qF -e "$REFUSAL" "$WORK_DIR/game-1.log" ||
    fail "no refusal on standard error"
BOX=$(wait_window " * ぬ よ *" 15 "$GAME_PID") || fail "the refusal's box did not open"
[ -z "$(find_window "ぬ よ" "$GAME_PID")" ] || fail "the title window opened on a 256-colour display"

check "Return dismisses the box and the game ends with status 0"
key_to "$BOX" Return
wait_exit "$GAME_PID" 10 || fail "the game still runs after its refusal was dismissed"
[ "$EXIT_STATUS" = 0 ] || fail "the game ended with status $EXIT_STATUS"
log "PASS"
