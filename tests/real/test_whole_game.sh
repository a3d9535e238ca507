#!/usr/bin/env bash
# A whole real game played through the window: twenty casts, each struck as soon as the strike is
# offered, fights pulled in, every report closed; the result ranked under a typed name and saved;
# then "終了" leaves the game with status 0. Nothing beside the ranking but a killed save's file goes.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
setup openbox # played under a window manager, as on a desktop

prepare_game_dir # the player's own files, a table that any result enters, a killed save's file
OWN=(Point.dat.backup Point.dat.bak123 Point.dat.201224 Point.dat.Ab12Cd Point.dat.2024-1)
for f in "${OWN[@]}"; do echo "the player's $f" | tee "$WORK_DIR/$f" >"$GAME_DIR/$f"; done
own_kept() { for f in "${OWN[@]}"; do cmp -s "$WORK_DIR/$f" "$GAME_DIR/$f" || fail "$f has changed"; done; }
printf -- '-3000,"OLD"\r\n%.0s' 1 2 3 4 5 >"$GAME_DIR/Point.dat"
touch -d '1 hour ago' "$GAME_DIR/.Point.dat.nuyo-save-Q1w2E3"
start_practice real
[ ! -e "$GAME_DIR/.Point.dat.nuyo-save-Q1w2E3" ] && own_kept || fail "the killed save's file is still there"
check "the window manager hands the main window the keyboard"
[ "$(xdotool getactivewindow 2>/dev/null)" = "$MAIN_WIN" ] || fail "the main window is not the active window"

check "Return closes the ranking window opened by its button, and the ranking stays on"
rank_win() { window_of_size "$GAME_PID" 428 356; }
click "$MAIN_WIN" 400 404
wait_until 10 "the ranking window opens" rank_win || fail "no ranking window"
screenshot ranking-viewing "$(rank_win)"
key_to "$(rank_win)" Return
wait_until 5 "it closes" eval '! rank_win' || fail "Return left the ranking window open"
wait_until 3 "the button is painted" pixel_is "$MAIN_WIN" 350 398 "0,192,0" || fail "the ranking button shows $(pixel "$MAIN_WIN" 350 398)"
started=$SECONDS
casts=0 fights=0 reports=0

# cast_once: presses the action button until the cast is under way and the strike is offered.
# After a landing the button takes the cast colour before it is enabled again (a kingfisher may
# pass meanwhile), so the press waits for the black caption; a press lost anyway is repeated.
cast_once()
{
    local try
    for try in 1 2 3; do
        wait_until 10 "the cast is offered and the button enabled" action_ready "$MAIN_WIN" "$COLOUR_CAST" ||
            fail "cast $((casts + 1)): the button shows $(action_colour "$MAIN_WIN") instead of the cast colour, or stays disabled"
        click "$MAIN_WIN" "$ACTION_X" "$ACTION_Y"
        if wait_action "$MAIN_WIN" "$COLOUR_STRIKE" 11; then
            return 0
        fi
        log "cast $((casts + 1)): no strike offered, pressing again"
    done
    fail "cast $((casts + 1)): the strike was never offered"
}

for cast in $(seq 1 20); do
    cast_once
    casts=$cast
    click "$MAIN_WIN" "$ACTION_X" "$ACTION_Y"
    REPORT="" pulls=0
    deadline=$((SECONDS + 60))
    while [ $SECONDS -lt $deadline ]; do
        REPORT=$(window_of_size "$GAME_PID" "$REPORT_W" "$REPORT_H") && break
        if action_is "$MAIN_WIN" "$COLOUR_FIGHT"; then
            [ $pulls = 0 ] && screenshot "game-fight-$cast" "$MAIN_WIN"
            pulls=$((pulls + 1))
            click "$MAIN_WIN" "$ACTION_X" "$ACTION_Y" 1
        fi
        sleep 0.4
    done
    [ -n "$REPORT" ] || fail "cast $cast: no catch report within 60 s of the strike"
    [ $pulls -gt 0 ] && fights=$((fights + 1))
    reports=$((reports + 1))
    log "cast $cast: report after $pulls pulls"
    [ $cast = 1 ] && screenshot game-report-1 "$MAIN_WIN"
    press_report_ok "$REPORT"
    if [ $cast -lt 20 ]; then
        wait_action "$MAIN_WIN" "$COLOUR_CAST" 10 ||
            fail "after report $cast the button shows $(action_colour "$MAIN_WIN")"
    fi
done
log "$casts casts, $fights fights, $reports reports in $((SECONDS - started)) s"

check "the result is ranked; the typed name is saved, and Return then closes the window"
wait_until 10 "the ranking window opens" rank_win || fail "no ranking window after the last cast"
key_to "$(rank_win)" a && xdotool key b c Return
wait_until 5 "the name is saved" grep -q ' ABC"' "$GAME_DIR/Point.dat" || fail "Point.dat: $(od -c "$GAME_DIR/Point.dat")"
[ "$(grep -c OLD "$GAME_DIR/Point.dat")" = 4 ] || fail "Point.dat does not keep four old rows"

check "a double-click on ＯＫ closes the ranking, and its second half, over the action button, ends nothing"
xdotool mousemove --window "$(rank_win)" 375 290 # ＯＫ's upper right part
eval "$(xdotool getmouselocation --shell)"
read -r mx my < <(xwininfo -id "$MAIN_WIN" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {print x, $4}')
((X - mx >= 344 && X - mx < 457 && Y - my >= 168 && Y - my < 329)) || fail "ＯＫ's corner is not over the action button"
xdotool click --repeat 2 --delay 8 1
wait_until 5 "it closes" eval '! rank_win' || fail "the double-click left the ranking window open"
stay_alive "$GAME_PID" 2
[ -z "$(find_window " * ぬ よ  *　－ 終了。" "$GAME_PID")" ] || fail "the second click pressed 終了"
wait_until 3 "新規ゲーム is usable" caption_black "$MAIN_WIN" 360 336 80 24 || fail "新規ゲーム is not usable"

check "after the last cast the button offers the end"
wait_action "$MAIN_WIN" "$COLOUR_END" 10 || fail "the button shows $(action_colour "$MAIN_WIN") after the last report"
screenshot game-end "$MAIN_WIN"

check "終了 shows the score box, then the goodbye box, then the game ends with status 0"
click "$MAIN_WIN" "$ACTION_X" "$ACTION_Y"
BOX=$(wait_window " * ぬ よ  *　－ 終了。" 10 "$GAME_PID") || fail "no box titled ' * ぬ よ  *　－ 終了。'"
screenshot game-score "$BOX"
key_to "$BOX" Return
BYE=$(wait_window " ぬ よ" 10 "$GAME_PID") || fail "no box titled ' ぬ よ' after the score"
screenshot game-goodbye "$BYE"
key_to "$BYE" Return
wait_exit "$GAME_PID" 5 || fail "the game still runs 5 s after the goodbye box"
[ "$EXIT_STATUS" = 0 ] || fail "the game ended with status $EXIT_STATUS"
own_kept
[ -z "$(find "$GAME_DIR" -name '*nuyo-save*')" ] || fail "a temporary file is left: $(ls -A "$GAME_DIR")"

total=$((SECONDS - started))
log "the whole game took $total s"
[ $total -lt 300 ] || fail "the whole game took $total s, more than 5 minutes"
log "PASS"
