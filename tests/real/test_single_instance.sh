#!/usr/bin/env bash
# A second copy of the game refuses to run while one is running; a copy that died without
# cleaning up (kill -9) does not block the next start, nor does an empty lock file; a folder in the
# lock's place is named on standard error, and the game runs.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
setup

start_game
FIRST=$GAME_PID
wait_window "ぬ よ" 15 "$FIRST" >/dev/null || fail "the first copy's title window did not appear"

check "a second copy shows the 'already running' message and nothing else"
start_game
SECOND=$GAME_PID
BOX=$(wait_window " * ぬ よ *" 15 "$SECOND") || fail "the second copy shows no message box titled ' * ぬ よ *'"
n=$(windows_of "$SECOND" | wc -l)
[ "$n" = 1 ] || fail "the second copy shows $n windows, expected its message box alone"
screenshot single-instance-message "$BOX"

check "Return dismisses it and the second copy ends with status 0"
key_to "$BOX" Return
wait_exit "$SECOND" 10 || fail "the second copy is still running after its message was dismissed"
[ "$EXIT_STATUS" = 0 ] || fail "the second copy ended with status $EXIT_STATUS"

check "the first copy still runs with its one title window"
is_running "$FIRST" || fail "the first copy ended"
n=$(windows_of "$FIRST" | wc -l)
[ "$n" = 1 ] || fail "the first copy shows $n windows, expected 1"
[ -n "$(find_window "ぬ よ" "$FIRST")" ] || fail "the first copy's title window is gone"

check "after the first copy is killed (kill -9) a new start shows its title window"
kill -9 "$FIRST"
wait_exit "$FIRST" 5 || fail "the first copy did not die"
start_game
THIRD=$GAME_PID
wait_window "ぬ よ" 15 "$THIRD" >/dev/null || fail "the new copy's title window did not appear"
[ -z "$(find_window " * ぬ よ *" "$THIRD")" ] || fail "the new copy still says it is already running"
is_running "$THIRD" || fail "the new copy ended"
screenshot single-instance-restart
kill -TERM "$THIRD"
wait_exit "$THIRD" 10 || fail "the new copy did not end on SIGTERM"
LOCK="$WORK_DIR/xdg/io.github.nuyo.Nuyo.lock"
for left in "an empty lock file" "a folder in the lock's place"; do
    check "$left does not stop a start"
    if [ "$left" = "an empty lock file" ]; then : >"$LOCK"; else mkdir "$LOCK"; fi
    start_game
    wait_window "ぬ よ" 15 "$GAME_PID" >/dev/null || fail "no title window after $left"
    [ -z "$(find_window " * ぬ よ *" "$GAME_PID")" ] || fail "$left reads as another game running"
    [ ! -d "$LOCK" ] || grep -qF "cannot make the lock file $LOCK" "$WORK_DIR/game-$((${#_PIDS[@]} - 1)).log" ||
        fail "the lock's trouble is not told on standard error"
    kill -TERM "$GAME_PID"
    wait_exit "$GAME_PID" 10 || fail "the copy did not end on SIGTERM"
done
log "PASS"
