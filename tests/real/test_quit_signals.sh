#!/usr/bin/env bash
# A logout (SIGHUP), Ctrl+C (SIGINT), a kill request (SIGTERM) or another program destroying the
# main window ends the game as "終了" does, without dialogs: status 0, the single-instance lock
# given back, no temporary files left, and Point.dat whole. The window's close box asks the
# window manager, which asks the game: its goodbye box shows, then the game ends the same way.
# Temporary files left beside Point.dat by saves that were killed are removed at start; a pipe in
# its place is told. At the name entry another program holding Point.dat delays the registration, never the
# window; a display lost there (the X server killed) registers what was typed once the file is free, status 1.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
setup openbox # the close box is the window manager's

# The game's own temporary folder, watched for anything left behind.
export TMPDIR="$WORK_DIR/tmp"
mkdir -p "$TMPDIR"
prepare_game_dir
EMPTY_TABLE_BYTES=180

# ended_cleanly PID: the game ended with status 0 and left nothing behind.
ended_cleanly()
{
    wait_exit "$1" 10 || fail "the game is still running 10 s after the signal"
    [ "$EXIT_STATUS" = 0 ] || fail "the game ended with status $EXIT_STATUS"
    local left
    left=$(find "$WORK_DIR/xdg" -name '*.lock*' | head -n 3)
    [ -z "$left" ] || fail "the lock file stays: $left"
    left=$(find "$TMPDIR" -mindepth 1 | head -n 3)
    [ -z "$left" ] || fail "files stay in TMPDIR: $left"
    left=$(find "$GAME_DIR" -name '*Point.dat.*' | head -n 3)
    [ -z "$left" ] || fail "temporary ranking files stay: $left"
    if [ -e "$GAME_DIR/Point.dat" ]; then
        [ "$(stat -c %s "$GAME_DIR/Point.dat")" = "$EMPTY_TABLE_BYTES" ] ||
            fail "Point.dat is $(stat -c %s "$GAME_DIR/Point.dat") bytes, not $EMPTY_TABLE_BYTES"
        [ "$(grep -c $'\r$' "$GAME_DIR/Point.dat")" = 5 ] || fail "Point.dat does not hold five lines"
    fi
}

check "SIGHUP while the title window shows: the game ends with status 0"
start_game
wait_window "ぬ よ" 15 "$GAME_PID" >/dev/null || fail "the title window did not appear"
kill -HUP "$GAME_PID"
ended_cleanly "$GAME_PID"

check "a temporary file of a killed save is removed when the main window loads; SIGINT ends the game"
touch -d '1 hour ago' "$GAME_DIR/.Point.dat.nuyo-save-Ab12Cd"
: >"$GAME_DIR/Point.dat.keep"
start_practice
[ ! -e "$GAME_DIR/.Point.dat.nuyo-save-Ab12Cd" ] || fail "the killed save's temporary file is still there"
[ -e "$GAME_DIR/Point.dat.keep" ] || fail "a file that is not a temporary ranking file was removed"
rm "$GAME_DIR/Point.dat.keep"
kill -INT "$GAME_PID"
ended_cleanly "$GAME_PID"

check "SIGTERM while the float is watched: the game ends with status 0 and leaves nothing"
start_practice
click "$MAIN_WIN" "$ACTION_X" "$ACTION_Y"
# The button reads "合わせ" from the end of the cast's animation through the watch.
wait_action "$MAIN_WIN" "$COLOUR_STRIKE" 15 || fail "the cast did not reach the watch"
screenshot quit-signal-watch "$MAIN_WIN"
kill -TERM "$GAME_PID"
ended_cleanly "$GAME_PID"

check "the main window destroyed by another program: the game ends with status 0"
start_practice
xdotool windowclose "$MAIN_WIN"
ended_cleanly "$GAME_PID"

check "the close box (Alt+F4 to the window manager): the goodbye box, then the game ends cleanly"
start_practice
xdotool windowactivate --sync "$MAIN_WIN" key alt+F4
BYE=$(wait_window " ぬ よ" 10 "$GAME_PID") || fail "no goodbye box titled ' ぬ よ' after the close box"
key_to "$BYE" Return
ended_cleanly "$GAME_PID"

check "a pipe as Point.dat: its message within 5 s, then the main window; SIGTERM ends the game within 3 s"
rm -f "$GAME_DIR/Point.dat" && mkfifo "$GAME_DIR/Point.dat"
start_game
click "$(wait_window "ぬ よ" 15 "$GAME_PID")" 124 232 || fail "the title window did not appear"
sound_box() { find_window ぬよ "$GAME_PID" | head -n 1; } # a missing sound device's box comes first
ranking_box() { [ -z "$(sound_box)" ] || key_to "$(sound_box)" Return; [ -n "$(find_window " * ぬ よ *" "$GAME_PID")" ]; }
wait_until 5 "the ranking's message" ranking_box || fail "no message about the ranking file within 5 s"
grep -q "読めません.*ふつうの ファイルでは ありません" "$WORK_DIR"/game-*.log || fail "the message gives no reason"
key_to "$(find_window " * ぬ よ *" "$GAME_PID")" Return
wait_main_window "$MAIN_TITLE_PRACTICE" "$GAME_PID" 5 || fail "the main window did not appear"
kill -TERM "$GAME_PID"
wait_exit "$GAME_PID" 3 || fail "the game is still running 3 s after SIGTERM"
[ "$EXIT_STATUS" = 0 ] && [ -p "$GAME_DIR/Point.dat" ] || fail "status $EXIT_STATUS, or the pipe was replaced"
rm "$GAME_DIR/Point.dat"

check "after the signals a new start is not refused"
start_game
wait_window "ぬ よ" 15 "$GAME_PID" >/dev/null || fail "the title window did not appear"
[ -z "$(find_window " * ぬ よ *" "$GAME_PID")" ] || fail "the new copy says it is already running"
kill -TERM "$GAME_PID"
ended_cleanly "$GAME_PID"

# name_entry LETTER...: a copy of the game whose ranking window awaits a name (ENTRY), the letters
# typed; then this script takes Point.dat's lock as another program would, until `exec {HELD}<&-`.
name_entry()
{
    (cd "$GAME_DIR" && unset WAYLAND_DISPLAY && private_desktop_env && exec ./nuyo-nameentry) >"$WORK_DIR/nameentry.log" 2>&1 &
    game_started $! "the ranking window awaits a name"
    wait_until 15 "the ranking window shows" eval '[ -n "$(windows_of $GAME_PID)" ]' || fail "no ranking window"
    ENTRY=$(windows_of "$GAME_PID" | head -n 1)
    local blank letter=(300 246 14 16) # the second letter's place in the name entry, clear of its cursor
    blank=$(region_sum "$ENTRY" "${letter[@]}")
    for key in "$@"; do key_to "$ENTRY" "$key"; done
    wait_until 5 "the letters show" region_differs "$ENTRY" "${letter[@]}" "$blank" || fail "typing shows nothing"
    exec {HELD}<"$GAME_DIR/Point.dat" && flock -x -n "$HELD" && HELD_AT=$(date +%s%N) || fail "flock took no lock"
}
table() { iconv -f CP932 -t UTF-8 "$GAME_DIR/Point.dat"; }
held_for() { echo "$((($(date +%s%N) - HELD_AT) / 1000000)) ms"; }
cp "$NUYO_BUILD_DIR/nuyo-nameentry" "$GAME_DIR/"

check "Return while another program holds Point.dat for 5 s: the window answers meanwhile, the name is saved after"
name_entry c c c
before=$(table)
key_to "$ENTRY" Return
declare -A prompts=() # the name prompt's pictures: it counts the seconds of the wait
while [ "$(date +%s%N)" -lt $((HELD_AT + 5000000000)) ]; do
    prompts[$(region_sum "$ENTRY" 40 244 240 18)]=1
    [ "$(table)" = "$before" ] || fail "Point.dat changed while another program held it ($(held_for))"
    sleep 0.2
done
exec {HELD}<&-
[ "${#prompts[@]}" -ge 4 ] || fail "the window did not answer during the wait: ${#prompts[@]} prompt pictures"
wait_until 3 "the name is saved" eval 'table | grep -q "^1000,\".* CCC\""' || fail "Point.dat lacks the result: $(table)"
log "the prompt showed ${#prompts[@]} different pictures in the 5 s; saved $(held_for) after the lock was taken"
key_to "$ENTRY" Return # "ＯＫ" closes the window, which ends the copy
wait_exit "$GAME_PID" 10 && [ "$EXIT_STATUS" = 0 ] || fail "the name entry did not end with status 0 on OK"

check "the X server killed at the name entry, Point.dat held for 5 s: the name is saved after, status 1, stderr says so"
rm "$GAME_DIR/Point.dat"
name_entry a b
kill -9 "$XVFB_PID"
stay_alive "$GAME_PID" 5
[ "$(table | grep -c '^0,')" = 5 ] || fail "Point.dat changed while another program held it: $(table)"
exec {HELD}<&-
wait_exit "$GAME_PID" 5 || fail "the game still runs 5 s after the file was let go"
log "ended $(held_for) after the lock was taken, with status $EXIT_STATUS; it said:" && cat "$WORK_DIR/nameentry.log"
[ "$EXIT_STATUS" = 1 ] || fail "the game ended with status $EXIT_STATUS"
table | grep -q '^1000,".* AB"' || fail "Point.dat lacks the result with its name: $(table)"
grep -qF "display \"$DISPLAY\" was lost" "$WORK_DIR/nameentry.log" || fail "no word of the lost display"
grep -qF 'the result (1000 points, "AB") was registered' "$WORK_DIR/nameentry.log" || fail "no word of the save"
[ -z "$(find "$WORK_DIR/xdg" -name '*.lock')" ] || fail "the lock file stays"
log "PASS"
