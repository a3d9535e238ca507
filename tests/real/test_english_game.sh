#!/usr/bin/env bash
# A practice game on an English desktop, read as a screen reader reads it (AT-SPI on a private
# session bus): the action button says "Cast", "Strike!", "Reel in" and at last "End", every catch
# report and the closing grade are English, and the windows' titles carry no Japanese. The title
# window is read by the game's name; the caption waiting under its mode buttons is not read as showing.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
PYTHON=/usr/bin/python3 # Debian's, which has python3-dbus
for t in dbus-daemon /usr/libexec/at-spi-bus-launcher; do
    command -v "$t" >/dev/null || { echo "SKIP: $t is not installed (packages dbus, at-spi2-core)"; exit 77; }
done
"$PYTHON" -c 'import dbus' 2>/dev/null || { echo "SKIP: no python3-dbus"; exit 77; }
setup
exec 3>&1 4>&2 # what the checks inside wait_until's polls say

# The desktop speaks English: the game is started as lib.sh starts it, in English.
eval "japanese_$(declare -f private_desktop_env)"
private_desktop_env() { japanese_private_desktop_env && export LANG=en_US.UTF-8; }
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

dbus-daemon --session --nofork --print-address=9 9>"$WORK_DIR/bus" >"$WORK_DIR/dbus.log" 2>&1 &
remember_pid $!
wait_until 10 "the session bus" grep -q unix: "$WORK_DIR/bus" || fail "no session bus: $(cat "$WORK_DIR/dbus.log")"
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$WORK_DIR/bus")
/usr/libexec/at-spi-bus-launcher >"$WORK_DIR/atspi.log" 2>&1 &
remember_pid $!
a11y_bus_up() { "$PYTHON" -c 'import dbus, sys; sys.exit(not dbus.SessionBus().name_has_owner("org.a11y.Bus"))'; }
wait_until 10 "the accessibility bus" a11y_bus_up || fail "no accessibility bus: $(cat "$WORK_DIR/atspi.log")"

# said_at WID X Y: what a screen reader finds at a client point, "role<TAB>name<TAB>enabled" lines.
said_at() { geometry "$1" && "$PYTHON" "$NUYO_SOURCE_DIR/tests/real/a11y_at.py" "$GAME_PID" $((WIN_X + $2)) $((WIN_Y + $3)); }
says() { said_at "$1" "$2" "$3" | grep -qxF "$4"; }
action_says() { says "$MAIN_WIN" "$ACTION_X" "$ACTION_Y" "push button	$1	enabled"; }
wait_caption() { wait_until "$1" "the action button says $2" action_says "$2"; }
said() { said_at "$@" | tr '\t\n' ' |'; }
japanese() { LC_ALL=C.UTF-8 grep -qP '[\x{3000}-\x{30FF}\x{4E00}-\x{9FFF}\x{FF00}-\x{FFEF}]' <<<"$1"; }

# The windows whose titles are held to English: all that the game shows on the way.
ENGLISH_TITLED=" title-window main-window report sound-box end-box "
title_check() # WHAT WID
{
    local title
    title=$(xprop -id "$2" -notype _NET_WM_NAME WM_NAME | head -n 1)
    if [[ $ENGLISH_TITLED == *" ${1// /-} "* ]]; then
        japanese "$title" && fail "the $1's title is not English: $title"
        check "the $1's title is English: $title"
    else
        log "the $1's title is not translated yet: $title"
    fi
}

start_game
title_window() { TITLE_WIN=$(window_of_size "$GAME_PID" 357 272); }
wait_until 15 "the title window" title_window || fail "the title window did not appear"
title_check "title window" "$TITLE_WIN"
[[ $(said_at "$TITLE_WIN" 178 40) == "dialog	Nuyo	"* ]] || fail "the title window is not read by the game's name"
says "$TITLE_WIN" 124 232 "push button	Practice	enabled" || fail "the practice button reads: $(said "$TITLE_WIN" 124 232)"
under=$(said "$TITLE_WIN" 124 232)
[[ $under != *"Getting ready"* ]] || fail "the caption under the mode buttons is read as showing: $under"
click "$TITLE_WIN" 124 232
main_or_box() # the main window, after dismissing the box of a missing sound device
{
    MAIN_WIN=$(window_of_size "$GAME_PID" 610 427) && return 0
    local box
    box=$(find_window Nuyo "$GAME_PID" | grep -vxF "$TITLE_WIN" | head -n 1) && [ -n "$box" ] || return 1 # the title window is "Nuyo" too
    title_check sound-box "$box" >&3 2>&4
    key_to "$box" Return
    return 1
}
wait_until 20 "the main window" main_or_box || fail "no main window"
title_check "main window" "$MAIN_WIN"
started=$SECONDS

# fight_step: true once the report shows; meanwhile every "Reel in" is answered with a pull.
fight_step()
{
    REPORT=$(window_of_size "$GAME_PID" "$REPORT_W" "$REPORT_H") && return 0
    action_says "Reel in" && pulls=$((pulls + 1)) && click "$MAIN_WIN" "$ACTION_X" "$ACTION_Y"
    return 1
}
offered() { action_says "Strike!" || action_says "Bait lost"; }

for cast in $(seq 1 10); do
    for try in 1 2 3; do
        wait_caption 10 Cast || fail "cast $cast: the button reads $(said "$MAIN_WIN" "$ACTION_X" "$ACTION_Y")"
        click "$MAIN_WIN" "$ACTION_X" "$ACTION_Y"
        wait_until 12 "the strike is offered" offered || fail "cast $cast: no strike offered"
        action_says "Strike!" && break
        log "cast $cast: the bait is lost, baiting again"
        click "$MAIN_WIN" "$ACTION_X" "$ACTION_Y"
    done
    click "$MAIN_WIN" "$ACTION_X" "$ACTION_Y"
    pulls=0
    wait_until 60 "the catch report" fight_step || fail "cast $cast: no report within 60 s of the strike"
    result=$(said_at "$REPORT" 74 182 | tail -n 1)
    [[ $result == label* ]] && ! japanese "$result" || fail "cast $cast: the report reads '$result'"
    log "cast $cast: report after $pulls pulls: $result"
    [ "$cast" = 1 ] && title_check report "$REPORT"
    press_report_ok "$REPORT"
done

wait_caption 10 End || fail "after the last cast the button reads $(said "$MAIN_WIN" "$ACTION_X" "$ACTION_Y")"
grade=$(said_at "$MAIN_WIN" 100 404 | tail -n 1)
[[ $grade == *"label"*"<"*">"* ]] && ! japanese "$grade" || fail "the grade reads '$grade'"
check "the grade: $grade"
screenshot english-end "$MAIN_WIN"

# "End" asks with two boxes; each is answered with Return until the game has ended.
click "$MAIN_WIN" "$ACTION_X" "$ACTION_Y"
ANSWERED=$MAIN_WIN
next_box()
{
    is_running "$GAME_PID" || return 0
    local box
    box=$(windows_of "$GAME_PID" | grep -vxF "$ANSWERED" | head -n 1) && [ -n "$box" ] || return 1
    ANSWERED+=$'\n'$box
    title_check "end box" "$box" >&3 2>&4
    key_to "$box" Return
    return 1
}
wait_until 15 "the end boxes are answered and the game ends" next_box || fail "the game did not end"
wait_exit "$GAME_PID" 5 && [ "$EXIT_STATUS" = 0 ] || fail "the game ended with status ${EXIT_STATUS:-?}"
log "PASS: ten casts in $((SECONDS - started)) s"
