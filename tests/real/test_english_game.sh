#!/usr/bin/env bash
# A practice game on an English desktop played with `xdotool key` alone, read as a screen reader
# reads it (AT-SPI on a private session bus): all it reads, and every window's title, is English.
# Tab, Return, 3, 2, H (its box minimises with the main window), M (kept under ~/.config), F1 (the
# game's own window where no program opens the text), P over a watch, Space at a bite seen on the
# float, the arrows in a fight, Escape on each report and Space on "End". The title window is read
# by the game's name; the caption waiting under its mode buttons is not read as showing.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
PYTHON=/usr/bin/python3 # Debian's, which has python3-dbus
for t in dbus-daemon /usr/libexec/at-spi-bus-launcher; do
    command -v "$t" >/dev/null || { echo "SKIP: $t is not installed (packages dbus, at-spi2-core)"; exit 77; }
done
"$PYTHON" -c 'import dbus' 2>/dev/null || { echo "SKIP: no python3-dbus"; exit 77; }
setup openbox # the window manager hands each new window the keyboard, as a desktop does
exec 3>&1 4>&2 # what the checks inside wait_until's polls say

# The desktop speaks English: the game is started as lib.sh starts it, in English.
eval "japanese_$(declare -f private_desktop_env)"
mkdir -p "$WORK_DIR/nolauncher" # and no program to open a document
private_desktop_env() { japanese_private_desktop_env && export LANG=en_US.UTF-8 PATH="$WORK_DIR/nolauncher"; }
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

dbus-daemon --session --nofork --print-address=9 9>"$WORK_DIR/bus" >"$WORK_DIR/dbus.log" 2>&1 &
remember_pid $!
wait_until 10 "the session bus" grep -q unix: "$WORK_DIR/bus" || fail "no session bus: $(cat "$WORK_DIR/dbus.log")"
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$WORK_DIR/bus")
/usr/libexec/at-spi-bus-launcher >"$WORK_DIR/atspi.log" 2>&1 &
remember_pid $!
a11y_bus_up() { "$PYTHON" -c 'import dbus, sys; sys.exit(not dbus.SessionBus().name_has_owner("org.a11y.Bus"))'; }
wait_until 10 "the accessibility bus" a11y_bus_up || fail "no accessibility bus: $(cat "$WORK_DIR/atspi.log")"

said() { "$PYTHON" "$NUYO_SOURCE_DIR/tests/real/a11y_at.py" "$GAME_PID"; }
japanese() { LC_ALL=C.UTF-8 grep -qP '[\x{3000}-\x{30FF}\x{4E00}-\x{9FFF}\x{FF00}-\x{FFEF}]' <<<"$1"; }
english() # WHAT WID: the window's title and all a screen reader reads are English
{
    local title text
    title=$(xprop -id "$2" -notype _NET_WM_NAME WM_NAME | head -n 1) text=$(said)
    ! japanese "$title" && ! japanese "$text" || fail "the $1 is not all English: $title; $(tr '\t\n' ' |' <<<"$text")"
}
says() { said | grep -xF "$1" >/dev/null; }
action_says() { says "push button	$1	enabled"; }
other_window() { windows_of "$GAME_PID" | grep -vxF "$MAIN_WIN" | head -n 1 | grep .; }
# The float's top in the close-up: the first row with its red tip; none while it is under water.
float_top() {
    import -silent -window "$MAIN_WIN" -crop 90x240+140+51 -depth 8 txt:- 2>/dev/null |
        awk -F'[ ,:()]+' '!seen && NR > 1 && $3 > 150 && $4 < 90 && $5 < 90 { print $2; seen = 1 }'
}

start_game
title() { TITLE_WIN=$(window_of_size "$GAME_PID" 357 272); }
wait_until 15 "the title window" title || fail "no title window"
wait_until 5 "the title is read" says "push button	Practice	enabled" || fail "the title reads: $(said | tr '\t\n' ' |')"
english "title window" "$TITLE_WIN"
[[ $(said) != *"Getting ready"* ]] || fail "the caption under the mode buttons is read as showing"
[[ $(said) == *$'dialog\tNuyo\t'* ]] || fail "the title window is not read by the game's name: $(said | head -n 1)"
xdotool key Tab Return
ANSWERED=""
main_or_box() # the main window, after a missing sound device's box is answered
{
    MAIN_WIN=$(window_of_size "$GAME_PID" 610 427) && return 0
    local box
    box=$(windows_of "$GAME_PID" | grep -vxF "$TITLE_WIN" | head -n 1)
    [ -n "$box" ] && [ "$box" != "$ANSWERED" ] && ANSWERED=$box && english "sound box" "$box" >&3 2>&4 &&
        key_to "$box" Return
    return 1
}
wait_until 20 "the main window" main_or_box || fail "Tab and Return on the title did not start practice"
wait_until 10 "the main window has the keyboard" eval '[ "$(xdotool getactivewindow)" = "$MAIN_WIN" ]' ||
    fail "the main window does not have the keyboard"
english "main window" "$MAIN_WIN"

check "3 and 2 change the bait"
xdotool key 3
wait_until 3 "Soft is chosen" pixel_is "$MAIN_WIN" 350 140 "255,0,0" || fail "3 did not choose Soft"
xdotool key 2
wait_until 3 "Normal is chosen" pixel_is "$MAIN_WIN" 350 116 "255,0,0" || fail "2 did not choose Normal"
action_says "Cast" && says "label	Set the bait type to \"Normal\" (key 2) and press Space to cast	enabled" ||
    fail "the hints do not name the keys: $(said | tr '\t\n' ' |')"

check "H shows a tip; its box goes and comes back with the minimised main window"
xdotool key h
wait_until 5 "the tip box" other_window || fail "H showed no tip"
BOX=$(other_window)
english "tip box" "$BOX"
xdotool windowminimize "$MAIN_WIN"
wait_until 5 "the tip box goes" eval '! xwininfo -id $BOX | grep -q IsViewable' || fail "the tip box stayed on screen"
xdotool windowactivate "$MAIN_WIN"
wait_until 5 "the tip box comes back" eval 'xwininfo -id $BOX | grep -q IsViewable' || fail "the tip box did not come back"
wait_until 5 "the tip box has the keyboard" eval '[ "$(xdotool getactivewindow)" = "$BOX" ]' || fail "the tip box lost the keyboard"
xdotool key Return
wait_until 5 "the tip box closes" eval '! other_window' || fail "Return did not close the tip box"
wait_until 5 "the next tip's number" says "push button	Tip 2	enabled" || fail "the hint button did not move on"

check "M switches the sound off and on, kept in the desktop's settings folder"
xdotool key m
wait_until 5 "the choice is kept" grep -qx 'muted=true' "$WORK_DIR/config/nuyo/nuyo.conf" || fail "M kept nothing"
xdotool key m
wait_until 5 "sound on again" grep -qx 'muted=false' "$WORK_DIR/config/nuyo/nuyo.conf" || fail "M did not switch back"

check "F1 shows the introduction in a window of the game's own, and Escape closes it"
xdotool key F1
wait_until 5 "the question" other_window || fail "F1 asked nothing"
english "question box" "$(other_window)"
xdotool key Return
INTRO=$(wait_window introduction.txt 10 "$GAME_PID") || fail "no introduction window without a launcher"
said | grep 'Getting started' >/dev/null || fail "the introduction window does not show the English text"
english "introduction" "$INTRO"
xdotool key Escape
wait_until 5 "the introduction closes" eval '! xwininfo -id $INTRO | grep -q IsViewable' || fail "Escape left it open"
wait_until 5 "the main window has the keyboard" eval '[ "$(xdotool getactivewindow)" = "$MAIN_WIN" ]' || fail "no keyboard"

started=$SECONDS fights=0 cast=0
while ! action_says "End"; do
    wait_until 15 "the cast is offered" eval 'action_says Cast || action_says End' || fail "no cast offered: $(said | tr '\t\n' ' |')"
    action_says "End" && break
    cast=$((cast + 1))
    xdotool key space
    wait_until 12 "the strike is offered" eval 'action_says Strike! || action_says "Bait lost"' || fail "cast $cast: no strike"
    if action_says "Bait lost"; then
        xdotool key space
        continue
    fi
    if [ "$cast" = 1 ]; then
        check "P pauses the watch over the pond, and P goes on"
        says "label	When the float dips, press Space quickly to strike!	enabled" || fail "the watch's hint names no key"
        xdotool key p
        wait_until 3 "the pond says paused" eval 'said | grep "Paused - Press P or click to go on" >/dev/null' || fail "no pause shown"
        xdotool key space
        stay_alive "$GAME_PID" 3
        action_says "Strike!" && ! window_of_size "$GAME_PID" "$REPORT_W" "$REPORT_H" || fail "Space struck while paused"
        xdotool key p
        wait_until 3 "the pause goes" eval '! said | grep Paused >/dev/null' || fail "P did not go on"
    fi
    rest=$(float_top) top=$rest
    deadline=$((SECONDS + 15))
    while [ $fights = 0 ] && [ $SECONDS -lt $deadline ]; do # a fish bites: the float leaves its rest
        top=$(float_top)
        [ -z "$top" ] || [ $((top - rest)) -ge 4 ] || [ $((rest - top)) -ge 4 ] && break
        rest=$top
    done
    xdotool key space
    pulls=0
    fight_step() # true once the report shows; meanwhile a tight line gets line, a slack one a pull
    {
        REPORT=$(window_of_size "$GAME_PID" "$REPORT_W" "$REPORT_H") && return 0
        action_says "Reel in" || return 1
        pulls=$((pulls + 1))
        if said | grep -E '^label	Line tension [7-9]	' >/dev/null; then xdotool key Right; else xdotool key Left; fi
        return 1
    }
    wait_until 60 "the report" fight_step || fail "cast $cast: no report within 60 s of the strike"
    [ $pulls -gt 0 ] && fights=$((fights + 1))
    english report "$REPORT"
    log "cast $cast: report after $pulls presses of the arrows: $(said | grep -vE 'push button|Nuyo' | tail -n 1)"
    for try in 1 2 3 4; do # a 60 cm fish's report refuses OK for two seconds
        xdotool key Escape
        wait_until 2 "Escape closes the report" eval '! window_of_size $GAME_PID $REPORT_W $REPORT_H' && break
    done
    window_of_size "$GAME_PID" "$REPORT_W" "$REPORT_H" && fail "cast $cast: Escape left the report open"
done
[ $fights -gt 0 ] || fail "no fish was hooked in $cast casts"
grade=$(said | grep -E '^label	<.*>' || true)
[ -n "$grade" ] || fail "no grade after the last cast"
check "the grade: $grade; $cast casts, $fights fights in $((SECONDS - started)) s"

check "Space on \"End\" shows the points and the goodbye, each closed with Return"
xdotool key space
ANSWERED=$MAIN_WIN boxes=0
next_box()
{
    is_running "$GAME_PID" || return 0
    local box
    box=$(windows_of "$GAME_PID" | grep -vxF "$ANSWERED" | head -n 1) && [ -n "$box" ] || return 1
    ANSWERED+=$'\n'$box boxes=$((boxes + 1))
    english "end box" "$box" >&3 2>&4
    key_to "$box" Return
    return 1
}
wait_until 15 "the boxes are answered and the game ends" next_box || fail "the game did not end"
[ $boxes = 2 ] || fail "$boxes boxes at the end, not the points and the goodbye"
wait_exit "$GAME_PID" 5 && [ "$EXIT_STATUS" = 0 ] || fail "the game ended with status ${EXIT_STATUS:-?}"
log "PASS"
