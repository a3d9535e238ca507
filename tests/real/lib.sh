# Shared helpers for the tests that drive the built game in a real X server (Xvfb) with xdotool.
# Source it from a test script that runs under `set -euo pipefail`.
#
# Every process started here is remembered by its PID and ended by the EXIT trap; nothing is ever
# killed by name. Waits are bounded: either `xdotool search --sync` under `timeout`, or a poll of
# an external process every 0.1 s until a deadline.

NUYO_SOURCE_DIR=${NUYO_SOURCE_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
NUYO_BUILD_DIR=${NUYO_BUILD_DIR:-$NUYO_SOURCE_DIR/build}
TEST_NAME=$(basename "$0" .sh)
SHOT_DIR="$NUYO_BUILD_DIR/screenshots"

# The main window's action button and the places where its colour is read (client pixels).
ACTION_X=400
ACTION_Y=268
ACTION_PROBE_X=352
ACTION_PROBE_Y=180
ACTION_RECT=(344 168 113 201) # the whole button: left, top, width, height
COLOUR_CAST="192,192,0"      # "振り込み"
COLOUR_STRIKE="255,192,128"  # "合わせ"
COLOUR_FIGHT="255,128,64"    # "取り込み"
COLOUR_BAITLOST="0,192,0"    # "エサ落ち"
COLOUR_END="255,192,255"     # "終了"
# The catch report: its size, and the middle of its OK button (client pixels: the picture box at
# 8,8 inside a 2 px border, the button at 128,160 within it, 89 x 41).
REPORT_W=251
REPORT_H=234
REPORT_OK_X=182
REPORT_OK_Y=190
MAIN_TITLE_PRACTICE=" 釣りゲーム　「 ぬ よ 」　　＜　練習　＞"

_PIDS=()
WORK_DIR=""

log() { printf '%s [%3ds]: %s\n' "$TEST_NAME" "$SECONDS" "$*"; }
check() { printf '%s [%3ds]: CHECK: %s\n' "$TEST_NAME" "$SECONDS" "$*"; }

fail()
{
    printf '%s: FAIL: %s\n' "$TEST_NAME" "$*" >&2
    if [ -n "${DISPLAY:-}" ] && command -v import >/dev/null; then
        screenshot "${TEST_NAME}-failure" || true
        printf '%s: screen at the failure: %s\n' "$TEST_NAME" "$SHOT_DIR/${TEST_NAME}-failure.png" >&2
    fi
    if [ -n "${WM_PID:-}" ] && ! is_running "$WM_PID"; then
        printf '%s: the window manager has ended: %s\n' "$TEST_NAME" "$(tail -n 5 "$WORK_DIR/openbox.log")" >&2
    fi
    if [ -n "${GAME_PID:-}" ]; then
        if is_running "$GAME_PID"; then
            printf '%s: the game (pid %s) still runs, waiting in %s; its windows: %s\n' "$TEST_NAME" "$GAME_PID" \
                "$(cat "/proc/$GAME_PID/wchan" 2>/dev/null)" \
                "$(xdotool search --pid "$GAME_PID" 2>/dev/null | tr '\n' ' ')" >&2
        else
            printf '%s: the game (pid %s) has ended\n' "$TEST_NAME" "$GAME_PID" >&2
        fi
    fi
    local f
    for f in "${WORK_DIR:-/nonexistent}"/game-*.log; do
        [ -s "$f" ] || continue
        printf '%s: the game said (%s):\n' "$TEST_NAME" "${f##*/}" >&2
        tail -n 20 "$f" >&2
    done
    exit 1
}

# Skips the whole test (exit 77, which ctest counts as skipped) when the X tools are not installed.
require_tools()
{
    local t
    for t in Xvfb xdotool import; do
        if ! command -v "$t" >/dev/null; then
            echo "SKIP: $t is not installed (packages xvfb, xdotool, imagemagick)"
            exit 77
        fi
    done
    [ -x "$NUYO_BUILD_DIR/nuyo" ] || fail "the game is not built: $NUYO_BUILD_DIR/nuyo"
}

_cleanup()
{
    local rc=$? i pid
    for ((i = ${#_PIDS[@]} - 1; i >= 0; i--)); do
        pid=${_PIDS[i]%%:*}
        if [ "$(started "$pid")" = "${_PIDS[i]#*:}" ] && kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null || true
            local deadline=$((SECONDS + 3))
            while kill -0 "$pid" 2>/dev/null && ! is_zombie "$pid" && [ $SECONDS -lt $deadline ]; do
                sleep 0.1
            done
            kill -9 "$pid" 2>/dev/null || true
        fi
        wait "$pid" 2>/dev/null || true
    done
    [ -n "$WORK_DIR" ] && rm -rf "$WORK_DIR"
    exit $rc
}

# Sets up the scratch folder and the cleanup trap; starts Xvfb on a free display and, with
# NUYO_WM=openbox in the environment (or `setup openbox`), a window manager on it: focus,
# activation, frames and placement then work as on a desktop, not as on a bare X server.
setup()
{
    require_tools
    mkdir -p "$SHOT_DIR"
    WORK_DIR=$(mktemp -d "${TMPDIR:-/tmp}/nuyo-real.XXXXXX")
    trap _cleanup EXIT
    trap 'exit 130' INT TERM
    start_xvfb
    case "${1:-${NUYO_WM:-}}" in
        openbox) start_openbox ;;
        "") ;;
        *) fail "unknown window manager: ${1:-$NUYO_WM}" ;;
    esac
}

# The manager has finished starting once it announces the work area (its check window on the
# root comes earlier, before its settings are read and it handles any window).
wm_started() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' && xprop -root _NET_WORKAREA | grep -q '='; }

start_openbox()
{
    command -v openbox >/dev/null || fail "openbox is not installed (package openbox)"
    # Its own settings only: nothing of the user's desktop is read or written.
    XDG_CONFIG_HOME="$WORK_DIR/config" XDG_CACHE_HOME="$WORK_DIR/cache" XDG_DATA_HOME="$WORK_DIR/data" \
        openbox --sm-disable >>"$WORK_DIR/openbox.log" 2>&1 &
    WM_PID=$!
    remember_pid "$WM_PID"
    wait_until 10 "openbox manages the screen" wm_started ||
        fail "openbox did not start: $(cat "$WORK_DIR/openbox.log")"
    is_running "$WM_PID" || fail "openbox ended as it started: $(cat "$WORK_DIR/openbox.log")"
    log "openbox on $DISPLAY (pid $WM_PID)"
}

# With its start time: once a process has ended, its id may be another's (another test's game).
remember_pid() { _PIDS+=("$1:$(started "$1")"); }
started() { local s; s=$(cat "/proc/$1/stat" 2>/dev/null) || return 0; s=${s##*) } && set -- $s && echo "${20}"; }

is_zombie()
{
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    [ "${stat%% *}" = "Z" ]
}

# True while the process runs (an exited child that was not yet reaped counts as gone).
is_running() { kill -0 "$1" 2>/dev/null && ! is_zombie "$1"; }

start_xvfb()
{
    local fdfile="$WORK_DIR/displayfd"
    : >"$fdfile"
    Xvfb -displayfd 9 -screen 0 "1280x1024x${XVFB_DEPTH:-24}" -nolisten tcp -noreset 9>"$fdfile" \
        >"$WORK_DIR/xvfb.log" 2>&1 &
    XVFB_PID=$!
    remember_pid "$XVFB_PID"
    wait_until 10 "Xvfb reports its display number" grep -q '[0-9]' "$fdfile" ||
        fail "Xvfb did not start: $(cat "$WORK_DIR/xvfb.log")"
    export DISPLAY=":$(tr -dc '0-9' <"$fdfile")"
    log "Xvfb on $DISPLAY (pid $XVFB_PID)"
}

# wait_until SECONDS DESCRIPTION COMMAND...: runs COMMAND every 0.1 s until it succeeds.
wait_until()
{
    local seconds=$1 what=$2
    shift 2
    local deadline
    deadline=$(($(date +%s%N) + seconds * 1000000000))
    while :; do
        if "$@" >/dev/null 2>&1; then return 0; fi
        if [ "$(date +%s%N)" -ge "$deadline" ]; then
            log "gave up after ${seconds}s waiting for: $what"
            return 1
        fi
        sleep 0.1
    done
}

# Prepares a folder with a copy of the game and its sound module (its ranking file is created there) and a private
# runtime folder, which also holds the single-instance lock.
prepare_game_dir()
{
    GAME_DIR="$WORK_DIR/game"
    mkdir -p "$GAME_DIR" "$WORK_DIR/xdg"
    chmod 0700 "$WORK_DIR/xdg"
    cp "$NUYO_BUILD_DIR/nuyo" "$NUYO_BUILD_DIR/nuyo-sound.so" "$GAME_DIR/"
    local text
    for text in はじめに.txt introduction.txt; do
        if [ -f "$NUYO_BUILD_DIR/$text" ]; then cp "$NUYO_BUILD_DIR/$text" "$GAME_DIR/"; fi
    done
}

# start_game: starts a copy of the game in the background; its PID is left in GAME_PID.
start_game()
{
    [ -n "${GAME_DIR:-}" ] || prepare_game_dir
    local n=${#_PIDS[@]}
    (
        cd "$GAME_DIR"
        unset PULSE_SERVER WAYLAND_DISPLAY
        export QT_QPA_PLATFORM=xcb
        private_desktop_env
        exec ./nuyo
    ) >>"$WORK_DIR/game-$n.log" 2>&1 &
    game_started "$!" "game started"
}

# private_desktop_env: the game's XDG folders inside the scratch folder, so that nothing of the
# user's own desktop leaks in and nothing is written into their home.
private_desktop_env()
{
    export XDG_RUNTIME_DIR="$WORK_DIR/xdg" XDG_DATA_HOME="$WORK_DIR/data" \
        XDG_CONFIG_HOME="$WORK_DIR/config" XDG_CACHE_HOME="$WORK_DIR/cache"
    unset LANGUAGE LC_ALL LC_MESSAGES && export LANG=C.UTF-8 # the game's own Japanese, whatever the desktop's
}

# game_started PID WHAT: keeps the game's PID in GAME_PID and among those the cleanup stops.
game_started()
{
    GAME_PID=$1
    remember_pid "$GAME_PID"
    log "$2 (pid $GAME_PID)"
}

# Escapes a window caption into an anchored regular expression for `xdotool search --name`.
caption_regex()
{
    printf '^%s$' "$(printf '%s' "$1" | sed 's/[][\\.*^$+?(){}|]/\\&/g')"
}

# find_window CAPTION [PID]: the visible windows whose title is CAPTION exactly (no waiting).
find_window()
{
    if [ $# -ge 2 ]; then
        xdotool search --all --onlyvisible --pid "$2" --name "$(caption_regex "$1")" 2>/dev/null || true
    else
        xdotool search --onlyvisible --name "$(caption_regex "$1")" 2>/dev/null || true
    fi
}

# wait_window CAPTION [SECONDS] [PID]: prints the id of the visible window titled CAPTION.
wait_window()
{
    local caption=$1 seconds=${2:-10} ids
    if [ $# -ge 3 ]; then
        ids=$(timeout "$seconds" xdotool search --sync --all --onlyvisible --pid "$3" \
            --name "$(caption_regex "$caption")" 2>/dev/null) || true
    else
        ids=$(timeout "$seconds" xdotool search --sync --onlyvisible \
            --name "$(caption_regex "$caption")" 2>/dev/null) || true
    fi
    [ -n "$ids" ] || return 1
    printf '%s\n' "$ids" | head -n 1
}

# The visible windows of a process, one id a line.
windows_of() { xdotool search --onlyvisible --pid "$1" 2>/dev/null || true; }

# geometry WID: sets WIN_X, WIN_Y, WIN_W, WIN_H (screen position and size of the client area).
geometry()
{
    local out
    out=$(xdotool getwindowgeometry --shell "$1") || return 1
    WIN_X=$(sed -n 's/^X=//p' <<<"$out")
    WIN_Y=$(sed -n 's/^Y=//p' <<<"$out")
    WIN_W=$(sed -n 's/^WIDTH=//p' <<<"$out")
    WIN_H=$(sed -n 's/^HEIGHT=//p' <<<"$out")
}

# window_of_size PID W H: the first visible window of PID with that client size.
window_of_size()
{
    local id
    for id in $(windows_of "$1"); do
        geometry "$id" 2>/dev/null || continue
        if [ "$WIN_W" = "$2" ] && [ "$WIN_H" = "$3" ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# click WID X Y [BUTTON]: presses and releases a mouse button at client coordinates.
# (No --sync: it waits for pointer motion, and stalls when the pointer is already there. The
# server handles the motion before the press in any case.)
click()
{
    xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"
}

# key_to WID KEY: gives WID the keyboard focus (there is no window manager) and types KEY.
key_to()
{
    timeout 5 xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
    xdotool key --clearmodifiers "$2"
}

# pixel WID X Y: prints the colour on screen at client coordinates as "R,G,B". (Read from the window
# itself: under a window manager xdotool's window position counts the frame twice.)
pixel()
{
    import -silent -window "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null |
        sed -n 's/^0,0: *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

# region_sum WID X Y W H: a checksum of what the screen shows in a client rectangle.
region_sum()
{
    geometry "$1" || return 1
    import -silent -window root -crop "${4}x${5}+$((WIN_X + $2))+$((WIN_Y + $3))" -depth 8 rgb:- 2>/dev/null |
        md5sum | cut -d' ' -f1
}

region_differs() { [ "$(region_sum "$1" "$2" "$3" "$4" "$5")" != "$6" ]; }
region_is() { [ "$(region_sum "$1" "$2" "$3" "$4" "$5")" = "$6" ]; }

pixel_is() { [ "$(pixel "$1" "$2" "$3")" = "$4" ]; }

# The colour of the main window's action button.
action_colour() { pixel "$1" "$ACTION_PROBE_X" "$ACTION_PROBE_Y"; }
action_is() { [ "$(action_colour "$1")" = "$2" ]; }

# A button's caption is black while it takes presses and grey while it is disabled: true when the
# darkest pixel of the caption area (caption_black WID X Y W H, client pixels) is black.
caption_black()
{
    local darkest
    darkest=$(import -silent -window "$1" -crop "${4}x${5}+$2+$3" png:- 2>/dev/null |
        convert png:- -colorspace Gray -format '%[fx:round(minima.intensity*255)]' info:)
    [ -n "$darkest" ] && [ "$darkest" -lt 40 ]
}

# The action button is disabled during the cast, the landing and a kingfisher's pass.
action_enabled() { caption_black "$1" 360 240 80 50; }

action_ready() { action_is "$1" "$2" && action_enabled "$1"; }

# wait_action WID COLOUR SECONDS: waits until the action button shows COLOUR.
wait_action()
{
    wait_until "$3" "action button colour $2" action_is "$1" "$2"
}

# screenshot NAME [WID]: saves the screen (or one window as it is seen) for review.
screenshot()
{
    local file="$SHOT_DIR/$1.png"
    mkdir -p "$SHOT_DIR"
    if [ $# -ge 2 ]; then
        geometry "$2" || return 1
        import -silent -window root -crop "${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y}" +repage "$file"
    else
        import -silent -window root "$file"
    fi
    log "screenshot $file"
}

# wait_exit PID SECONDS: waits for a child process to end and leaves its status in EXIT_STATUS.
wait_exit()
{
    wait_until "$2" "process $1 ends" eval "! is_running $1" || return 1
    EXIT_STATUS=0
    { wait "$1"; } 2>/dev/null || EXIT_STATUS=$?
}

# stay_alive PID SECONDS: lets SECONDS pass while checking every 0.1 s that the process runs.
stay_alive()
{
    local deadline
    deadline=$(($(date +%s%N) + $2 * 1000000000))
    while [ "$(date +%s%N)" -lt "$deadline" ]; do
        is_running "$1" || fail "process $1 ended unexpectedly"
        sleep 0.1
    done
}

# CPU time of a process in seconds (user + system), from /proc/PID/stat.
cpu_seconds()
{
    local stat fields
    stat=$(cat "/proc/$1/stat") || return 1
    stat=${stat##*) }
    read -r -a fields <<<"$stat"
    # After the command name: state is field 3, utime field 14 and stime field 15 of the line.
    awk -v u="${fields[11]}" -v s="${fields[12]}" -v hz="$(getconf CLK_TCK)" \
        'BEGIN { printf "%.3f\n", (u + s) / hz }'
}

# The sound device may be missing (no sound server): then one message box titled "ぬよ" shows
# while the main window loads. This presses Return on it when it shows, and waits for the main
# window titled CAPTION (wait_main_window CAPTION PID [SECONDS]); its id is left in MAIN_WIN.
wait_main_window()
{
    local caption=$1 pid=$2 seconds=${3:-20} box
    local deadline=$((SECONDS + seconds))
    MAIN_WIN=""
    while [ $SECONDS -lt $deadline ]; do
        MAIN_WIN=$(find_window "$caption" "$pid" | head -n 1)
        [ -n "$MAIN_WIN" ] && return 0
        box=$(find_window "ぬよ" "$pid" | head -n 1)
        if [ -n "$box" ]; then
            log "the sound device is missing: dismissing its message box"
            key_to "$box" Return
            wait_until 5 "the sound message box closes" eval "[ -z \"\$(find_window ぬよ $pid)\" ]" ||
                fail "the sound message box did not close on Return"
        fi
        is_running "$pid" || fail "the game ended while its main window was expected"
        sleep 0.1
    done
    return 1
}

# Starts the game, chooses practice (`start_practice real`: the real game) on the title window
# and waits for the main window. Leaves GAME_PID, TITLE_WIN and MAIN_WIN.
start_practice()
{
    local x=124 caption=$MAIN_TITLE_PRACTICE
    [ "${1:-}" = real ] && x=228 caption=" 釣りゲーム　「 ぬ よ 」　　＜　野釣り　＞"
    start_game
    TITLE_WIN=$(wait_window "ぬ よ" 15 "$GAME_PID") || fail "the title window did not appear"
    geometry "$TITLE_WIN"
    [ "$WIN_W" = 357 ] && [ "$WIN_H" = 272 ] || fail "title window is ${WIN_W}x${WIN_H}, not 357x272"
    click "$TITLE_WIN" "$x" 232
    wait_main_window "$caption" "$GAME_PID" 20 || fail "the main window \"$caption\" did not appear"
    geometry "$MAIN_WIN"
    [ "$WIN_W" = 610 ] && [ "$WIN_H" = 427 ] || fail "main window is ${WIN_W}x${WIN_H}, not 610x427"
    wait_action "$MAIN_WIN" "$COLOUR_CAST" 5 || fail "the action button does not show the cast colour"
}

# Presses OK on the catch report (window REPORT_WIN) and waits for it to close.
press_report_ok()
{
    # A 60 cm fish keeps OK disabled for two seconds; press until the report has gone.
    local deadline=$((SECONDS + 8))
    while [ $SECONDS -lt $deadline ]; do
        click "$1" "$REPORT_OK_X" "$REPORT_OK_Y"
        if wait_until 1 "the report closes" eval "[ -z \"\$(window_of_size $GAME_PID $REPORT_W $REPORT_H)\" ]"; then
            return 0
        fi
    done
    fail "the catch report did not close on OK"
}
