# Helpers for the tests that run the game in a Wayland session: Debian's weston with the pixman
# renderer, in a private runtime folder, started and stopped by process id. Source it after
# lib.sh and `setup` (which starts the Xvfb the nested compositor draws into).
#
# weston 10's headless backend has no seat: nothing can press a button there (and Xwayland ends
# on a synthetic press without one). So the headless compositor shows where windows open, and a
# second weston, nested in the test's Xvfb through its X11 backend, gets the Xvfb's pointer and
# keyboard: xdotool on the Xvfb display presses inside the Wayland session as a user would.

WESTON_SOCKET=wayland-nuyo-test
WESTON_W=1024
WESTON_H=768

require_weston()
{
    local t
    for t in weston:weston weston-screenshooter:weston Xwayland:xwayland xwininfo:x11-utils; do
        command -v "${t%%:*}" >/dev/null || fail "${t%%:*} is not installed (package ${t#*:})"
    done
    ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
        fail "Qt's Wayland plugin is not installed (package qt6-wayland)"
    OUTER_DISPLAY=$DISPLAY
    mkdir -p "$WORK_DIR/xdg"
    chmod 0700 "$WORK_DIR/xdg"
}

# start_weston BACKEND [--xwayland]: starts a compositor (headless or x11) and waits for its
# socket and, with --xwayland, for its X display, left in XW_DISPLAY. Leaves WESTON_PID.
start_weston()
{
    local backend=$1 n=${#_PIDS[@]}
    shift
    WESTON_LOG="$WORK_DIR/weston-$n.log"
    rm -f "$WORK_DIR/xdg/$WESTON_SOCKET"
    # No panel: nothing to launch by a stray press, and the output is the whole work area.
    printf '[core]\nidle-time=0\n[shell]\npanel-position=none\nlocking=false\nanimation=none\nclose-animation=none\nstartup-animation=none\nfocus-animation=none\n' >"$WORK_DIR/weston.ini"
    XDG_RUNTIME_DIR="$WORK_DIR/xdg" weston --backend="$backend-backend.so" --use-pixman \
        --width="$WESTON_W" --height="$WESTON_H" --socket="$WESTON_SOCKET" --idle-time=0 \
        --config="$WORK_DIR/weston.ini" --debug --log="$WESTON_LOG" "$@" >"$WORK_DIR/weston-$n.out" 2>&1 &
    WESTON_PID=$!
    remember_pid "$WESTON_PID"
    wait_until 15 "weston's socket" test -S "$WORK_DIR/xdg/$WESTON_SOCKET" ||
        fail "weston did not start: $(tail -n 5 "$WORK_DIR/weston-$n.out" "$WESTON_LOG")"
    XW_DISPLAY=""
    if [ "${1:-}" = --xwayland ]; then
        wait_until 10 "weston's X display" grep -q 'xserver listening on display' "$WESTON_LOG" ||
            fail "weston announced no X display"
        XW_DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$WESTON_LOG" | tail -n 1)
    fi
    log "weston ($backend) on $WESTON_SOCKET${XW_DISPLAY:+, X display $XW_DISPLAY} (pid $WESTON_PID)"
}

# Stops a process started here by its id and waits for it.
stop_pid()
{
    kill "$1" 2>/dev/null || true
    wait_until 5 "process $1 ends" eval "! is_running $1" || kill -9 "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# start_wayland_game: starts the game in the Wayland session with the environment a desktop
# gives it (WAYLAND_DISPLAY, and DISPLAY when the session has an X server); no QT_QPA_PLATFORM.
start_wayland_game()
{
    [ -n "${GAME_DIR:-}" ] || prepare_game_dir
    local n=${#_PIDS[@]}
    (
        cd "$GAME_DIR"
        unset PULSE_SERVER QT_QPA_PLATFORM DISPLAY
        [ -n "$XW_DISPLAY" ] && export DISPLAY=$XW_DISPLAY
        # GAME_WAYLAND_DEBUG=client logs the game's Wayland requests.
        export WAYLAND_DEBUG=${GAME_WAYLAND_DEBUG:-}
        export WAYLAND_DISPLAY=$WESTON_SOCKET XDG_SESSION_TYPE=wayland
        private_desktop_env
        exec ./nuyo
    ) >>"$WORK_DIR/game-$n.log" 2>&1 &
    game_started "$!" "game started in the Wayland session"
}

# wayland_shot NAME: the compositor's own picture of its output, kept in the build folder.
wayland_shot()
{
    local dir="$WORK_DIR/shots"
    mkdir -p "$dir" "$SHOT_DIR"
    rm -f "$dir"/*.png
    (cd "$dir" && XDG_RUNTIME_DIR="$WORK_DIR/xdg" WAYLAND_DISPLAY=$WESTON_SOCKET weston-screenshooter) ||
        fail "weston-screenshooter failed"
    mv "$dir"/*.png "$SHOT_DIR/$1.png"
    WAYLAND_SHOT="$SHOT_DIR/$1.png"
    log "screenshot $WAYLAND_SHOT"
}

# colour_box FILE R,G,B: "X Y W H" of the pixels of exactly that colour in a picture, or nothing.
colour_box()
{
    local box
    box=$(convert "$1" -fill black +opaque "rgb($2)" -fill white -opaque "rgb($2)" \
        -format '%@' info: 2>/dev/null) || return 1
    # %@ prints WxH+X+Y; an empty picture trims to 0x0 or the whole picture's 1x1.
    [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || return 1
    [ "${BASH_REMATCH[1]}" -gt 1 ] || return 1
    echo "${BASH_REMATCH[3]} ${BASH_REMATCH[4]} ${BASH_REMATCH[1]} ${BASH_REMATCH[2]}"
}

# shot_pixel FILE X Y: the colour at X,Y of a picture as "R,G,B".
shot_pixel()
{
    convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null |
        sed -n 's/^0,0: *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

# The same helpers as lib.sh's, for windows on the session's X server (XWayland): found there,
# seen and pressed through the nested compositor's window, which sits at 0,0 of the Xvfb.
geometry()
{
    local out
    out=$(DISPLAY=$XW_DISPLAY xwininfo -id "$1") || return 1
    WIN_X=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$out")
    WIN_Y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$out")
    WIN_W=$(sed -n 's/.*Width: *//p' <<<"$out")
    WIN_H=$(sed -n 's/.*Height: *//p' <<<"$out")
}
# press_at X Y [BUTTON]: the pointer comes into the compositor's window from outside it (an
# entry the compositor always sees, where a first motion inside may be missed), goes to X,Y,
# then presses.
press_at()
{
    DISPLAY=$OUTER_DISPLAY xdotool mousemove $((WESTON_W + 50)) $((WESTON_H + 50))
    DISPLAY=$OUTER_DISPLAY xdotool mousemove "$1" "$2"
    DISPLAY=$OUTER_DISPLAY xdotool click "${3:-1}"
}
click()
{
    geometry "$1" || return 1
    press_at $((WIN_X + $2)) $((WIN_Y + $3)) "${4:-1}"
}
key_to()
{
    geometry "$1" || return 1
    press_at $((WIN_X + WIN_W / 2)) $((WIN_Y + 4))
    DISPLAY=$OUTER_DISPLAY xdotool key "$2"
}
pixel()
{
    geometry "$1" || return 1
    DISPLAY=$OUTER_DISPLAY import -silent -window root -crop "1x1+$((WIN_X + $2))+$((WIN_Y + $3))" \
        -depth 8 txt:- 2>/dev/null | sed -n 's/^0,0: *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
region_sum()
{
    geometry "$1" || return 1
    DISPLAY=$OUTER_DISPLAY import -silent -window root -crop "${4}x${5}+$((WIN_X + $2))+$((WIN_Y + $3))" \
        -depth 8 rgb:- 2>/dev/null | md5sum | cut -d' ' -f1
}
action_enabled()
{
    local darkest
    geometry "$1" || return 1
    darkest=$(DISPLAY=$OUTER_DISPLAY import -silent -window root -crop "80x50+$((WIN_X + 360))+$((WIN_Y + 240))" \
        png:- 2>/dev/null | convert png:- -colorspace Gray -format '%[fx:round(minima.intensity*255)]' info:)
    [ "$darkest" -lt 40 ]
}

# Plays one cast through to its report (strike when offered, pull while a fish fights) and
# leaves the report's window id in REPORT (XWayland) or nothing when none came within 60 s.
cast_to_report()
{
    click "$MAIN_WIN" "$ACTION_X" "$ACTION_Y"
    wait_action "$MAIN_WIN" "$COLOUR_STRIKE" 25 || fail "no strike offered 25 s after the cast"
    wayland_shot "${TEST_NAME}-watch"
    click "$MAIN_WIN" "$ACTION_X" "$ACTION_Y"
    REPORT=""
    local deadline=$((SECONDS + 60))
    while [ $SECONDS -lt $deadline ]; do
        REPORT=$(window_of_size "$GAME_PID" "$REPORT_W" "$REPORT_H") && return 0
        action_is "$MAIN_WIN" "$COLOUR_FIGHT" && click "$MAIN_WIN" "$ACTION_X" "$ACTION_Y"
        sleep 0.4
    done
    fail "no catch report within 60 s of the strike"
}

# A failure's picture of the screen comes from the compositor too.
screenshot() { wayland_shot "$1"; }
