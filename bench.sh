#!/usr/bin/env bash
# Measures the game in a Release build against its performance goals and prints one table:
# each figure's median over several runs, its ratio to a baseline or nominal value measured in the
# same run, and PASS or MISS beside each goal.
#
#   ./bench.sh            (NUYO_BENCH_RUNS=N for more runs; at least 5)
#
# It installs what is missing (tools/scripts/deps.sh bench), builds into build-bench/, starts a
# private Xvfb, a private PulseAudio daemon with a null sink and, as every desktop session has one,
# a private session bus, and measures:
#   start-up    ms from exec until the title window is mapped, against an empty Qt window of the
#               same size built by the same CMake (the floor for a Qt program here; it links Qt
#               Multimedia, as the game did until it loaded its sound after the title), against the
#               same window without Qt Multimedia (what a window costs that loads no sound), and, for what
#               it shows, against the same window holding one plain control: the first control to
#               show sets up Qt's screen-reader bridge before the window maps, a millisecond or
#               more, which the empty window pays after its map; then ms until the window's first
#               drawing reaches the server, what the player sees, against the empty window and
#               against the fair floor below (one line of Japanese text): the first text any Qt
#               program draws loads the font configuration and the face, which an empty window
#               never does;
#   memory      RSS with the main window open and the pond loop playing, against the fair floor:
#               a window of the main window's size (its drawing buffer is in both), showing one
#               line of Japanese text in the game's face (through the game's font substitutions,
#               so the font's memory is in both) and playing one looping sound effect;
#   idle cost   the game's share of one core over 20 s of watching the float, sound on;
#   frames      the worst frame (one stretch of the event loop's work, painting included) of the
#               main window's load, the first cast, the first report and the kingfisher's first
#               pass and visit, in the real windows with the real sound;
#   timing      the real timers of the main window against their nominal lengths;
#   simulation  whole simulated 20-cast games per second of wall time, at the windows (offscreen)
#               and on the game alone (no window at all), alternating; their files on a RAM
#               disk when there is one, so that the disk's speed is not measured.
# The individual runs are kept in build-bench/bench-runs.txt. Every process it starts is ended by
# its PID when it exits. Uses cmake, ninja, Xvfb, xdotool, pulseaudio, pactl, ImageMagick's
# import (to check that the float is being watched) and dbus-daemon (for the bus).
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
BUILD=${NUYO_BENCH_BUILD:-$ROOT/build-bench}
RUNS=${NUYO_BENCH_RUNS:-5}
((RUNS >= 5)) || RUNS=5
IDLE_SECONDS=20

say() { printf 'bench: %s\n' "$*" >&2; }
die() {
    printf 'bench: FAILED: %s\n' "$*" >&2
    exit 1
}

"$ROOT/tools/scripts/deps.sh" bench >&2 || die "the packages the bench needs could not be installed"
for tool in cmake ninja Xvfb xdotool pulseaudio pactl timeout; do
    command -v "$tool" >/dev/null || die "$tool is not installed"
done

# ---- build ----------------------------------------------------------------------------------------
say "building (Release) in $BUILD"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >"$ROOT/.bench-cmake.log" 2>&1 ||
    { cat "$ROOT/.bench-cmake.log" >&2; die "cmake"; }
rm -f "$ROOT/.bench-cmake.log"
ninja -C "$BUILD" -j2 nuyo nuyobench_baseline nuyobench_window nuyobench_timing nuyobench_mapwatch nuyobench_sim >&2 ||
    die "the build failed"
ninja -C "$BUILD" -j2 nuyobench_frames >&2 || die "the build of the frame clock failed"
TOOLS=$BUILD/tools/bench
RESULTS=$BUILD/bench-runs.txt
: >"$RESULTS"

# ---- private servers --------------------------------------------------------------------------------
SCRATCH=$(mktemp -d "${TMPDIR:-/tmp}/nuyo-bench.XXXXXX")
PIDS=()
cleanup() {
    local rc=$? i pid
    for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do
        stop_pid "${PIDS[i]}"
    done
    rm -rf "$SCRATCH"
    exit $rc
}
trap cleanup EXIT
trap 'exit 130' INT TERM

running() {
    local s
    s=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    s=${s##*) }
    [ "${s%% *}" != Z ]
}

# Polls every 0.1 s until the command succeeds or SECONDS_ pass.
wait_until() {
    local seconds=$1
    shift
    local deadline=$(($(date +%s%N) + seconds * 1000000000))
    until "$@" >/dev/null 2>&1; do
        (($(date +%s%N) < deadline)) || return 1
        sleep 0.1
    done
}

# Ends one process that this script started: TERM, then KILL after three seconds.
stop_pid() {
    local pid=$1
    if running "$pid"; then
        kill "$pid" 2>/dev/null || true
        wait_until 3 eval "! running $pid" || kill -9 "$pid" 2>/dev/null || true
    fi
    wait "$pid" 2>/dev/null || true
}

mkdir -p "$SCRATCH/home" "$SCRATCH/runtime" "$SCRATCH/game"
chmod 700 "$SCRATCH/runtime"
export HOME="$SCRATCH/home" XDG_RUNTIME_DIR="$SCRATCH/runtime" XDG_CONFIG_HOME="$SCRATCH/home/.config"
export PULSE_SERVER="unix:$SCRATCH/pulse.sock"
unset PULSE_COOKIE PULSE_SINK PULSE_SOURCE WAYLAND_DISPLAY
pulseaudio --daemonize=no --exit-idle-time=-1 --use-pid-file=no -n --disable-shm=yes --log-target=stderr \
    --load="module-null-sink sink_name=nuyo_bench_sink rate=44100 channels=2" \
    --load="module-native-protocol-unix socket=$SCRATCH/pulse.sock auth-anonymous=1" \
    >"$SCRATCH/pulseaudio.log" 2>&1 &
PIDS+=($!)
wait_until 10 pactl info || die "the PulseAudio daemon did not come up"
pactl set-default-sink nuyo_bench_sink || die "no null sink"

# A session bus, as a desktop session has: without one, the first window of any Qt program has
# its accessibility ask libdbus, which tries to start a bus of its own first.
unset DBUS_SESSION_BUS_ADDRESS
if command -v dbus-daemon >/dev/null; then
    dbus-daemon --session --nofork --nopidfile --address="unix:path=$SCRATCH/bus" >"$SCRATCH/dbus.log" 2>&1 &
    PIDS+=($!)
    wait_until 10 test -S "$SCRATCH/bus" || die "the session bus did not come up"
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$SCRATCH/bus"
else
    say "no dbus-daemon: the programs run without a session bus"
fi

: >"$SCRATCH/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$SCRATCH/display" >"$SCRATCH/xvfb.log" 2>&1 &
PIDS+=($!)
wait_until 10 grep -q '[0-9]' "$SCRATCH/display" || die "Xvfb did not start"
export DISPLAY=":$(tr -dc '0-9' <"$SCRATCH/display")"
export QT_QPA_PLATFORM=xcb
say "Xvfb on $DISPLAY, PulseAudio null sink up"

# The game runs from a copy of its build folder (its ranking file would be written there).
cp "$BUILD/nuyo" "$BUILD/nuyo-sound.so" "$SCRATCH/game/"
[ -f "$BUILD/はじめに.txt" ] && cp "$BUILD/はじめに.txt" "$SCRATCH/game/"
POND_WAV=$ROOT/layouts/sounds/101.wav
[ -f "$POND_WAV" ] || die "no $POND_WAV"

# ---- helpers ----------------------------------------------------------------------------------------
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "nan"; else if (NR % 2) print v[(NR + 1) / 2]; else printf "%.3f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
record() { printf '%s %s\n' "$1" "$2" >>"$RESULTS"; }
values() { awk -v k="$1" '$1 == k { print $2 }' "$RESULTS"; }

rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }
cpu_ticks() {
    local s
    s=$(cat "/proc/$1/stat") || return 1
    s=${s##*) }
    awk '{ print $12 + $13 }' <<<"$s" # utime + stime, fields 14 and 15 of the whole line
}
has_sink_input() { pactl list sink-inputs 2>/dev/null | grep -q "application.process.id = \"$1\""; }
window_of() { timeout "$3" xdotool search --sync --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null | head -n 1; }
colour_at() {
    local out x y
    out=$(xdotool getwindowgeometry --shell "$1") || return 1
    x=$(sed -n 's/^X=//p' <<<"$out")
    y=$(sed -n 's/^Y=//p' <<<"$out")
    import -silent -window root -crop "1x1+$((x + $2))+$((y + $3))" -depth 8 txt:- 2>/dev/null |
        sed -n 's/^0,0: *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
# The action button reads "合わせ" (strike colour) while the float is watched.
watching() { [ "$(colour_at "$1" 352 180)" = "255,192,128" ]; }

start_game() {
    (cd "$SCRATCH/game" && exec ./nuyo) >>"$SCRATCH/game.log" 2>&1 &
    GAME=$!
    PIDS+=("$GAME")
}
start_floor() {
    "$TOOLS/nuyobench_baseline" "$@" >>"$SCRATCH/baseline.log" 2>&1 &
    FLOOR=$!
    PIDS+=("$FLOOR")
}

# ---- start-up ---------------------------------------------------------------------------------------
startup_once() {
    local which=$1 out
    if [ "$which" = game ]; then
        out=$(cd "$SCRATCH/game" && "$TOOLS/nuyobench_mapwatch" --timeout 20 "ぬ よ" ./nuyo 2>>"$SCRATCH/game.log") ||
            die "the game's title window did not show"
    else
        local extra=()
        local floor=nuyobench_baseline
        [ "$which" = control ] && extra=(--control)
        [ "$which" = text ] && extra=(--japanese)
        [ "$which" = window ] && floor=nuyobench_window
        out=$("$TOOLS/nuyobench_mapwatch" --timeout 20 "nuyo-baseline" "$TOOLS/$floor" "${extra[@]}" \
            2>>"$SCRATCH/baseline.log") || die "the baseline window did not show"
    fi
    echo "${out#* }" # ms to the map, ms to the first drawing
}
# A start takes a tenth of a second and a busy machine moves it by a millisecond or two, so the
# starts are measured four times as often as the other figures.
STARTS=$((RUNS * 4))
say "start-up: one warm-up each, then $STARTS runs each, alternating"
STARTERS=(floor window control text game)
for which in "${STARTERS[@]}"; do
    startup_once "$which" >/dev/null || exit 1
done
for ((i = 1; i <= STARTS; i++)); do
    for which in "${STARTERS[@]}"; do
        v=$(startup_once "$which") || exit 1
        record "startup_$which" "${v% *}"
        record "drawn_$which" "${v#* }"
    done
done

# ---- memory and idle cost -----------------------------------------------------------------------------
# Each run starts the game and the floor program with its loop side by side; the game is taken to
# its practice main window. With both sounds playing for 3 s, RSS is read; then the game casts,
# and once the float has settled, both processes' CPU ticks are counted over IDLE_SECONDS.
HZ=$(getconf CLK_TCK)
say "memory and idle cost: $RUNS runs of about $((IDLE_SECONDS + 16)) s"
for ((i = 1; i <= RUNS; i++)); do
    start_game
    title=$(window_of "$GAME" '^ぬ よ$' 20) || true
    [ -n "$title" ] || die "the title window did not show (run $i)"
    xdotool mousemove --sync --window "$title" 124 232 click 1
    main=$(window_of "$GAME" '練習' 20) || true
    [ -n "$main" ] || die "the practice main window did not show (run $i); see $SCRATCH/game.log"
    # The floor's window is as large as the main window: a window's drawing buffer grows with it.
    size=$(xdotool getwindowgeometry --shell "$main" | awk -F= '/^WIDTH=/ { w = $2 } /^HEIGHT=/ { h = $2 } END { print w "x" h }')
    start_floor --loop "$POND_WAV" --title nuyo-baseline-loop --japanese --size "$size"
    wait_until 10 has_sink_input "$GAME" || die "the game plays nothing on the sound server (no sound device?)"
    wait_until 10 has_sink_input "$FLOOR" || die "the baseline plays nothing on the sound server"
    sleep 3 # three seconds of both loops playing
    record memory_game "$(rss_kib "$GAME")"
    record memory_floor "$(rss_kib "$FLOOR")"

    # "振り込み": the cast animation and the settling run inside the cast's two waits (3 s and
    # 5.5 s); then the button reads "合わせ" and the watch loop steps the school.
    xdotool mousemove --sync --window "$main" 400 260 click 1
    if command -v import >/dev/null; then
        wait_until 15 watching "$main" || die "the game is not watching the float after the cast (run $i)"
    else
        sleep 9
    fi
    sleep 0.5
    g0=$(cpu_ticks "$GAME")
    f0=$(cpu_ticks "$FLOOR")
    t0=$(date +%s%N)
    sleep "$IDLE_SECONDS"
    g1=$(cpu_ticks "$GAME")
    f1=$(cpu_ticks "$FLOOR")
    t1=$(date +%s%N)
    if command -v import >/dev/null; then
        watching "$main" || die "the cast ended while the idle cost was measured (run $i)"
    fi
    record idle_game "$(awk -v a="$g0" -v b="$g1" -v t0="$t0" -v t1="$t1" -v hz="$HZ" 'BEGIN { printf "%.3f", 100 * (b - a) / hz / ((t1 - t0) / 1e9) }')"
    record idle_floor "$(awk -v a="$f0" -v b="$f1" -v t0="$t0" -v t1="$t1" -v hz="$HZ" 'BEGIN { printf "%.3f", 100 * (b - a) / hz / ((t1 - t0) / 1e9) }')"
    stop_pid "$GAME"
    stop_pid "$FLOOR"
    say "  run $i: RSS $(tail -n 4 "$RESULTS" | head -n 2 | awk '{ printf "%s ", $2 }')KiB, idle $(tail -n 2 "$RESULTS" | awk '{ printf "%s%% ", $2 }')"
done

# ---- timing ---------------------------------------------------------------------------------------
say "timing: the real timers in a real process (about $((RUNS * 6 + 62)) s)"
"$TOOLS/nuyobench_timing" --runs "$RUNS" >"$SCRATCH/timing.txt" 2>>"$SCRATCH/timing.log" || die "the timing tool failed"
while read -r figure ms nominal ticks; do
    [ "${ms%%.*}" != -1 ] || die "$figure: the timer never finished ($ticks ticks)"
    record "timing_$figure" "$ms"
    record "nominal_$figure" "$nominal"
    record "ticks_$figure" "$ticks"
done <"$SCRATCH/timing.txt"

# ---- frames ---------------------------------------------------------------------------------------
say "frames: $RUNS runs of about 17 s"
for ((i = 1; i <= RUNS; i++)); do
    (cd "$SCRATCH" && "$TOOLS/nuyobench_frames") >"$SCRATCH/frames.txt" 2>>"$SCRATCH/frames.log" ||
        die "the frame clock failed; see $SCRATCH/frames.log"
    while read -r moment ms cpu frames; do
        record "frame_$moment" "$ms"
        record "framecpu_$moment" "$cpu"
    done <"$SCRATCH/frames.txt"
done

# ---- simulation -----------------------------------------------------------------------------------
SIM_TMP=${TMPDIR:-/tmp}
[ -d /dev/shm ] && [ -w /dev/shm ] && SIM_TMP=/dev/shm
say "simulation: $RUNS runs of 2 s at the windows and on the game alone, alternating (files in $SIM_TMP)"
for ((i = 1; i <= RUNS; i++)); do
    for how in windows alone; do
        flag=
        [ $how = alone ] && flag=--alone
        out=$(TMPDIR=$SIM_TMP QT_QPA_PLATFORM=offscreen "$TOOLS/nuyobench_sim" $flag --seconds 2 --seed $((i * 1000)) \
            2>>"$SCRATCH/sim.log") || die "a simulated game did not finish: $out"
        record "sim_$how" "$(awk '{ print $6 }' <<<"$out")"
    done
done

# ---- the table --------------------------------------------------------------------------------------
m() { values "$1" | median; }
row() { printf '%-34s %12s %14s %9s   %-14s %s\n' "$@"; }
verdict() { awk -v v="$1" -v op="$2" -v lim="$3" 'BEGIN { ok = (op == "le") ? (v <= lim) : (v >= lim); print ok ? "PASS" : "MISS" }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }
# A start-up row with no goal: LABEL, the game's ms, the other program's ms.
startup_row() { row "$1" "$(printf '%.1f ms' "$2")" "$(printf '%.1f ms' "$3")" "$(ratio "$2" "$3")" "-" "-"; }

su_g=$(m startup_game)
su_f=$(m startup_floor)
su_c=$(m startup_control)
su_w=$(m startup_window)
dr_g=$(m drawn_game)
dr_f=$(m drawn_floor)
dr_t=$(m drawn_text)
mem_g=$(m memory_game)
mem_f=$(m memory_floor)
idle_g=$(m idle_game)
idle_f=$(m idle_floor)
sim=$(m sim_windows)
sim_alone=$(m sim_alone)

echo
echo "Benchmark, medians of $RUNS runs, $STARTS starts ($(date '+%Y-%m-%d %H:%M'), $(nproc) cores, Release)"
row "figure" "median" "baseline" "ratio" "goal" "result"
row "start-up: exec to title mapped" "$(printf '%.1f ms' "$su_g")" "$(printf '%.1f ms' "$su_f")" \
    "$(ratio "$su_g" "$su_f")" "<= 1.10 x" "$(verdict "$(ratio "$su_g" "$su_f")" le 1.10)"
startup_row "start-up: window, no sound library" "$su_g" "$su_w"
startup_row "start-up: window with one control" "$su_g" "$su_c"
startup_row "start-up: exec to title drawn" "$dr_g" "$dr_f"
startup_row "start-up: drawn, window with text" "$dr_g" "$dr_t"
row "memory: RSS, main window + sound" "$(awk -v k="$mem_g" 'BEGIN { printf "%.1f MiB", k / 1024 }')" \
    "$(awk -v k="$mem_f" 'BEGIN { printf "%.1f MiB", k / 1024 }')" \
    "$(ratio "$mem_g" "$mem_f")" "<= 1.10 x" "$(verdict "$(ratio "$mem_g" "$mem_f")" le 1.10)"
row "idle: watching the float, sound on" "$(printf '%.2f %%' "$idle_g")" "$(printf '%.2f %%' "$idle_f")" \
    "$(awk -v a="$idle_g" -v b="$idle_f" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }')" \
    "<= 1.5 % core" "$(verdict "$idle_g" le 1.5)"
# The worst frame of each first moment, beside the processor time it took: a frame within one
# refresh of a 60 Hz screen shows no stutter. The load is shown for what it costs.
for moment in load cast report kingfisher-pass kingfisher-visit; do
    case $moment in
    load) label="frame: main window's load" ;;
    cast) label="frame: first cast" ;;
    report) label="frame: first report" ;;
    kingfisher-pass) label="frame: kingfisher's first pass" ;;
    kingfisher-visit) label="frame: kingfisher's first visit" ;;
    esac
    worst=$(m "frame_$moment")
    cpu=$(m "framecpu_$moment")
    if [ "$moment" = load ]; then
        row "$label" "$(printf '%.1f ms' "$worst")" "$(printf '%.1f ms cpu' "$cpu")" "-" "-" "-"
    else
        row "$label" "$(printf '%.1f ms' "$worst")" "$(printf '%.1f ms cpu' "$cpu")" "-" "<= 16.7 ms" \
            "$(verdict "$worst" le 16.7)"
    fi
done
for figure in cast settle bait; do
    case $figure in
    cast) label="timing: cast animation (16 x 100)" ;;
    settle) label="timing: settling (21 x 200)" ;;
    bait) label="timing: bait timer (60 x 1000)" ;;
    esac
    measured=$(m "timing_$figure")
    nominal=$(m "nominal_$figure")
    r=$(ratio "$measured" "$nominal")
    row "$label" "$(printf '%.1f ms' "$measured")" "$(printf '%.0f ms nom.' "$nominal")" "$r" "within 2 %" \
        "$(awk -v r="$r" 'BEGIN { d = r - 1; if (d < 0) d = -d; print (d <= 0.02) ? "PASS" : "MISS" }')"
done
row "simulation: 20-cast games, windows" "$(printf '%.2f /s' "$sim")" "-" "-" ">= 10 /s" "$(verdict "$sim" ge 10)"
row "simulation: the game alone" "$(printf '%.2f /s' "$sim_alone")" "$(printf '%.2f /s' "$sim")" \
    "$(ratio "$sim_alone" "$sim")" ">= 10 x" "$(verdict "$(ratio "$sim_alone" "$sim")" ge 10)"
echo
echo "Individual runs: $RESULTS"
