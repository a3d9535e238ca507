#!/usr/bin/env bash
# The game's sound reaches a real sound server: a private PulseAudio daemon with a null sink,
# recorded from the sink's monitor. Once the main window of a practice game shows, the pond loop
# must be audible within 2 s; pressing "振り込み" must add the cast's effects on top, louder than
# the pond recording ever is on its own. The sounds need no file: the game runs with a file size
# limit of 64 KiB and a temporary folder that is full (a 64 KiB tmpfs, when run as root), and
# leaves nothing there. When the sound server restarts, the next sound and the pond loop come back.
#
# Needs: pulseaudio, pulseaudio-utils (parec, pactl), xvfb, xdotool, python3.
# Environment: NUYO_BUILD_DIR (the built game), NUYO_SOURCE_DIR (the recordings).
set -u

for tool in pulseaudio parec pactl Xvfb xdotool; do
    if ! command -v "$tool" > /dev/null 2>&1; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done
command -v python3 > /dev/null || { echo "FAIL: python3 is needed to measure the recordings"; exit 1; }

BUILD=${NUYO_BUILD_DIR:?NUYO_BUILD_DIR must name the build folder}
SOURCE=${NUYO_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
[ -x "$BUILD/nuyo" ] || { echo "FAIL: $BUILD/nuyo has not been built"; exit 1; }

WORK=$(mktemp -d "${TMPDIR:-/tmp}/nuyo-sound.XXXXXX")
PIDS=()
MOUNTED=""
# A process is remembered with its start time (lib.sh's `started`): once it has ended, its id may
# be another's.
source "$SOURCE/tests/real/lib.sh"
remember() { PIDS+=("$1:$(started "$1")"); }
cleanup() {
    local pid
    for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do
        pid=${PIDS[i]%%:*}
        [ "$(started "$pid")" = "${PIDS[i]#*:}" ] && kill "$pid" 2> /dev/null
        wait "$pid" 2> /dev/null
    done
    [ -n "$MOUNTED" ] && umount "$MOUNTED"
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    for log in "$WORK"/*.log; do
        [ -s "$log" ] && { echo "--- $(basename "$log")"; tail -n 20 "$log"; }
    done
    exit 1
}

# Polls `cmd` every 0.1 s until it succeeds or `seconds` pass.
wait_until() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# ---- a private sound server -------------------------------------------------------------------
mkdir -p "$WORK/home" "$WORK/runtime"
chmod 700 "$WORK/runtime"
export HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/runtime" XDG_CONFIG_HOME="$WORK/home/.config"
export PULSE_SERVER="unix:$WORK/pulse.sock"
unset PULSE_COOKIE PULSE_SINK PULSE_SOURCE
SINK=nuyo_test_sink

start_sound_server() {
    pulseaudio --daemonize=no --exit-idle-time=-1 --use-pid-file=no -n --disable-shm=yes \
        --log-target=stderr \
        --load="module-null-sink sink_name=$SINK rate=44100 channels=2" \
        --load="module-native-protocol-unix socket=$WORK/pulse.sock auth-anonymous=1" \
        >> "$WORK/pulseaudio.log" 2>&1 &
    remember $!
    SERVER=$!
    wait_until 10 pactl info > /dev/null 2>&1 || fail "the PulseAudio daemon did not come up"
    pactl set-default-sink "$SINK" || fail "no null sink"
}
start_sound_server

# ---- a private X server -----------------------------------------------------------------------
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3> "$WORK/display" > "$WORK/xvfb.log" 2>&1 &
remember $!
wait_until 10 test -s "$WORK/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n 1 "$WORK/display")"
export QT_QPA_PLATFORM=xcb

# One recording of the sink's monitor runs through the whole test (mono, 44100 Hz, signed
# 16-bit); its length so far is the clock that marks when things happen in it.
RATE=44100
recorded_bytes() { stat -c %s "$WORK/monitor.raw" 2> /dev/null || echo 0; }
grown_to() { (($(recorded_bytes) >= $1)); }

# ---- the game, from a copy of its build folder --------------------------------------------------
mkdir -p "$WORK/game"
cp "$BUILD/nuyo" "$BUILD/nuyo-sound.so" "$WORK/game/"
[ -f "$BUILD/はじめに.txt" ] && cp "$BUILD/はじめに.txt" "$WORK/game/"
parec -d "$SINK.monitor" --latency-msec=20 --raw --format=s16le --rate=$RATE --channels=1 \
    > "$WORK/monitor.raw" 2> "$WORK/parec.log" &
remember $!
REC=$!
wait_until 10 grown_to 4410 || fail "parec records nothing from the null sink"

# A temporary folder with no room left.
mkdir -p "$WORK/tmp"
if [ "$(id -u)" = 0 ] && mount -t tmpfs -o size=64k tmpfs "$WORK/tmp" 2> /dev/null; then
    MOUNTED="$WORK/tmp"
    dd if=/dev/zero of="$WORK/tmp/filler" bs=1k 2> /dev/null || true # stops when it is full
    echo "TMPDIR is a full 64 KiB tmpfs ($(df --output=avail -k "$WORK/tmp" | tail -n 1 | tr -d ' ') KiB free)"
else
    echo "note: not root, so TMPDIR is an empty folder rather than a full one"
fi
(cd "$WORK/game" && ulimit -f 64 && TMPDIR="$WORK/tmp" exec ./nuyo) > "$WORK/game.log" 2>&1 &
remember $!
GAME=$!

TITLE=$(timeout 20 xdotool search --sync --onlyvisible --name '^ぬ よ' 2> /dev/null | head -n 1)
[ -n "$TITLE" ] || fail "the title window did not show"
# "練 習" occupies x 72..177, y 216..249 of the title window's client area.
xdotool mousemove --window "$TITLE" 124 232 click 1

MAIN=""
find_main() {
    MAIN=$(xdotool search --onlyvisible --name '練習' 2> /dev/null | head -n 1)
    [ -n "$MAIN" ]
}
wait_until 20 find_main || fail "the practice game's main window did not show"
SHOWN=$(recorded_bytes)
kill -0 "$GAME" 2> /dev/null || fail "the game ended"

# Three seconds of the pond loop after the window shows.
wait_until 10 grown_to $((SHOWN + 3 * RATE * 2)) || fail "the recording stalled"

# "振り込み" is the action button at x 344..457, y 168..369 of the main window's client area.
# The cast plays the whoosh 0.4 s after the press and the plop at 1 s.
PRESSED=$(recorded_bytes)
xdotool mousemove --window "$MAIN" 400 260 click 1
wait_until 10 grown_to $((PRESSED + 5 * RATE)) || fail "the recording stalled"
kill -0 "$GAME" 2> /dev/null || fail "the game ended during the cast"
kill -INT "$REC"
wait "$REC" 2> /dev/null
LEFT=$(find "$WORK/tmp" -mindepth 1 ! -name filler | head -n 3)
[ -z "$LEFT" ] || fail "the game left files in TMPDIR: $LEFT"

# What each of the game's threads waits in, for a failure: a main thread in poll is idle, one
# waiting on a futex is held up.
threads_of_game() {
    local t
    for t in /proc/"$GAME"/task/*; do
        echo "$(cat "$t/comm" 2> /dev/null) $(cat "$t/wchan" 2> /dev/null)"
    done > "$WORK/threads.log"
}
python3 - "$WORK/monitor.raw" "$SHOWN" "$PRESSED" "$SOURCE/layouts/sounds/101.wav" << 'EOF' || { threads_of_game; fail "see above"; }
import array, struct, sys

RATE = 44100


def rms_windows(a, rate, seconds, hop):
    w = int(rate * seconds)
    step = max(1, int(rate * hop))
    return [((sum(x * x for x in a[i:i + w]) / w) ** 0.5, i / rate) for i in range(0, len(a) - w + 1, step)]


whole = array.array("h")
with open(sys.argv[1], "rb") as f:
    whole.frombytes(f.read())
shown, pressed = int(sys.argv[2]) // 2, int(sys.argv[3]) // 2
loop, cast = whole[shown:shown + 3 * RATE], whole[pressed:pressed + int(2.5 * RATE)]
before = whole[:RATE // 2]
print("recorded %.2f s; main window at %.2f s, press at %.2f s"
      % (len(whole) / RATE, shown / RATE, pressed / RATE))
if len(loop) < 3 * RATE or len(cast) < 2 * RATE:
    print("FAIL: the recording is too short")
    sys.exit(1)
# The sink is silent before the game starts: the level below is the game's.
if max(abs(x) for x in before) != 0:
    print("FAIL: the null sink was not silent before the game started")
    sys.exit(1)

# Audible: a quarter second of the loop, starting within 2 s, is well above silence
# (the null sink's monitor gives exact zeros when nothing plays).
audible = [(r, t) for r, t in rms_windows(loop[:2 * RATE], RATE, 0.25, 0.05) if r > 150]
overall = rms_windows(loop, RATE, 3, 1)[0][0]
print("loop RMS %.0f over 3 s; first audible quarter second at %s s after the window showed"
      % (overall, "%.2f" % audible[0][1] if audible else "none"))
if not audible:
    print("FAIL: the background loop is not audible within 2 s of the main window")
    sys.exit(1)

# The loudest 50 ms the pond recording itself can give, at the level the sink records it
# (8-bit sample − 128, times 256).
with open(sys.argv[4], "rb") as f:
    image = f.read()
n = struct.unpack("<I", image[52:56])[0]
pond = array.array("h", ((b - 128) * 256 for b in image[56:56 + n]))
pond_peak = max(r for r, _ in rms_windows(pond, 11025, 0.05, 0.005))
burst, at = max(rms_windows(cast, RATE, 0.05, 0.005))
print("loudest 50 ms of the pond alone %.0f; after the press %.0f, at %.2f s" % (pond_peak, burst, at))
if burst < 1.3 * pond_peak:
    print("FAIL: no burst from the cast's effects above the background")
    sys.exit(1)
print("PASS: the loop plays and the cast's effects sound over it")
EOF

# ---- the sound server restarts -----------------------------------------------------------------
# The game's next sound after the server came back is heard: the action button is pressed until
# the sink's monitor records anything (a strike, a missed bait and a cast all sound).
kill "$SERVER"
wait "$SERVER" 2> /dev/null
start_sound_server
parec -d "$SINK.monitor" --latency-msec=20 --raw --format=s16le --rate=$RATE --channels=1 \
    > "$WORK/after.raw" 2> "$WORK/parec.log" &
remember $!
REC=$!
after_bytes() { stat -c %s "$WORK/after.raw" 2> /dev/null || echo 0; }
wait_until 10 eval '(($(after_bytes) >= 4410))' || fail "parec records nothing after the restart"
# True once the recording since the restart holds any sample that is not silence.
heard() {
    python3 -c 'import sys; d = open(sys.argv[1], "rb").read(); sys.exit(0 if d.strip(b"\0") else 1)' "$WORK/after.raw"
}
for press in 1 2 3 4; do
    kill -0 "$GAME" 2> /dev/null || fail "the game ended after the sound server restarted"
    xdotool mousemove --window "$MAIN" 400 260 click 1
    if wait_until 3 heard; then
        echo "PASS: a sound is heard after the sound server restarted (press $press)"
        break
    fi
done
heard || fail "no sound after the sound server restarted"
# The pond's loop, which broke off with the server, goes on too: the fourth second after the
# sound was heard, when no effect of the press sounds any more, is not silence.
HEARD=$(after_bytes)
wait_until 10 eval '(($(after_bytes) >= HEARD + 4 * RATE * 2))' || fail "the recording stalled after the restart"
python3 - "$WORK/after.raw" "$HEARD" << 'EOF' || fail "the pond's loop did not come back after the sound server restarted"
import array, sys
a = array.array("h")
with open(sys.argv[1], "rb") as f:
    a.frombytes(f.read())
start = int(sys.argv[2]) // 2 + 3 * 44100
second = a[start:start + 44100]
level = (sum(x * x for x in second) / len(second)) ** 0.5
print("the fourth second after the restart's first sound: RMS %.0f" % level)
sys.exit(0 if level > 150 else 1)
EOF
echo "PASS: the pond's loop goes on after the sound server restarted"
