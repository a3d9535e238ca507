#!/usr/bin/env bash
# The Debian package: dpkg-buildpackage builds it from a clean copy of the sources, lintian finds
# no error in it, apt installs it, /usr/games/nuyo reaches its main window and keeps its ranking
# in the user's data folder (nowhere under /usr), and a purge leaves nothing of it behind.
# It installs into this machine: it runs only when CI=true or NUYO_TEST_PACKAGE=1.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
if [ "${CI:-}" != true ] && [ "${NUYO_TEST_PACKAGE:-}" != 1 ]; then
    echo "SKIP: installs a package into this machine; run with NUYO_TEST_PACKAGE=1 (or CI=true)"
    exit 77
fi
[ "$(id -u)" = 0 ] || fail "installing the package needs root"
for tool in dpkg-buildpackage:dpkg-dev dh:debhelper lintian:lintian apt-get:apt; do
    command -v "${tool%%:*}" >/dev/null || fail "${tool%%:*} is not installed (package ${tool#*:})"
done
if dpkg-query -W -f='${Status}' nuyo 2>/dev/null | grep -q 'ok installed'; then
    fail "the package nuyo is already installed here; this test would remove it"
fi
setup

INSTALLED=0
# Whatever happens, the machine is left as it was: the package and anything apt brought for it.
purge_on_exit()
{
    local rc=$?
    if [ "$INSTALLED" = 1 ]; then
        [ -n "${GAME_PID:-}" ] && kill "$GAME_PID" 2>/dev/null
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq nuyo ${NEW_PKGS:-} >/dev/null 2>&1 || true
    fi
    set +e # the cleanup below reads the script's status from $?
    (exit $rc)
    _cleanup
}
trap purge_on_exit EXIT

check "dpkg-buildpackage builds the binary package from a clean copy of the sources"
SRC="$WORK_DIR/src/nuyo"
mkdir -p "$SRC"
git -C "$NUYO_SOURCE_DIR" ls-files -z -co --exclude-standard | (cd "$NUYO_SOURCE_DIR" && tar --null -cf - -T -) |
    tar -xf - -C "$SRC"
t0=$SECONDS
# Exactly the README's command, with none of the caller's build options (at a low priority:
# the other real tests run beside it).
(cd "$SRC" && unset DEB_BUILD_OPTIONS && nice -n 10 dpkg-buildpackage -us -uc -b) \
    >"$WORK_DIR/build.log" 2>&1 || fail "dpkg-buildpackage failed: $(tail -n 20 "$WORK_DIR/build.log")"
DEB=$(ls "$WORK_DIR"/src/nuyo_*.deb)
log "built ${DEB##*/} in $((SECONDS - t0)) s"

check "lintian finds no error"
lintian "$DEB" >"$WORK_DIR/lintian.log" 2>&1 || true
grep -v 'running with root privileges' "$WORK_DIR/lintian.log" | sed 's/^/lintian: /' || true
! grep -q '^E:' "$WORK_DIR/lintian.log" || fail "lintian reports errors"

check "apt installs the package; the game lies where Debian keeps games"
dpkg-query -W -f='${Package}\n' | sort >"$WORK_DIR/before.txt"
INSTALLED=1
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$DEB" >"$WORK_DIR/apt.log" 2>&1 ||
    fail "apt-get install failed: $(tail -n 10 "$WORK_DIR/apt.log")"
dpkg-query -W -f='${Package}\n' | sort >"$WORK_DIR/after.txt"
NEW_PKGS=$(comm -13 "$WORK_DIR/before.txt" "$WORK_DIR/after.txt" | grep -vx nuyo | tr '\n' ' ' || true)
[ -z "$NEW_PKGS" ] || log "apt also installed: $NEW_PKGS"
dpkg -L nuyo | sort >"$WORK_DIR/files.txt"
for f in /usr/games/nuyo /usr/share/nuyo/はじめに.txt /usr/share/applications/io.github.nuyo.Nuyo.desktop \
    /usr/share/metainfo/io.github.nuyo.Nuyo.metainfo.xml /usr/share/man/man6/nuyo.6.gz \
    /usr/share/icons/hicolor/48x48/apps/io.github.nuyo.Nuyo.png; do
    grep -qxF "$f" "$WORK_DIR/files.txt" && [ -e "$f" ] || fail "the package does not install $f"
done
[ -x /usr/games/nuyo ] || fail "/usr/games/nuyo is not executable"

check "/usr/games/nuyo reaches its main window and keeps its ranking in the user's data folder"
DATA_HOME="$WORK_DIR/data"
mkdir -p "$DATA_HOME" "$WORK_DIR/xdg"
chmod 0700 "$WORK_DIR/xdg"
(
    cd "$WORK_DIR"
    unset PULSE_SERVER WAYLAND_DISPLAY
    export QT_QPA_PLATFORM=xcb XDG_DATA_HOME="$DATA_HOME" XDG_RUNTIME_DIR="$WORK_DIR/xdg" \
        XDG_CONFIG_HOME="$WORK_DIR/config" XDG_CACHE_HOME="$WORK_DIR/cache"
    exec /usr/games/nuyo
) >>"$WORK_DIR/game-0.log" 2>&1 &
GAME_PID=$!
remember_pid "$GAME_PID"
TITLE_WIN=$(wait_window "ぬ よ" 15 "$GAME_PID") || fail "the title window did not appear"
click "$TITLE_WIN" 124 232 # "練 習"
wait_main_window "$MAIN_TITLE_PRACTICE" "$GAME_PID" 20 || fail "the practice main window did not appear"
wait_until 5 "Point.dat appears in the user's data folder" test -f "$DATA_HOME/nuyo/Point.dat" ||
    fail "no $DATA_HOME/nuyo/Point.dat: $(find "$DATA_HOME" | tr '\n' ' ')"
[ "$(stat -c %s "$DATA_HOME/nuyo/Point.dat")" = 180 ] || fail "Point.dat is not five empty rows"
stray=$(find /usr -name Point.dat 2>/dev/null | head -n 5)
[ -z "$stray" ] || fail "the installed game wrote its ranking under /usr: $stray"
! grep -F 'sound module cannot be loaded' "$WORK_DIR/game-0.log" || fail "the installed game has no sound module"
screenshot "${TEST_NAME}-main" "$MAIN_WIN"
kill "$GAME_PID"
wait_exit "$GAME_PID" 5 || fail "the game did not end on SIGTERM"

check "a purge leaves nothing of the package"
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq nuyo $NEW_PKGS >"$WORK_DIR/purge.log" 2>&1 ||
    fail "apt-get purge failed: $(tail -n 10 "$WORK_DIR/purge.log")"
INSTALLED=0
! dpkg-query -W -f='${Status}' nuyo 2>/dev/null | grep -q 'installed' || fail "dpkg still lists nuyo"
left=$(while read -r f; do
    # Folders the package shares with others (/usr/share/man/man6 …) stay; its own go.
    if [ -d "$f" ] && [ "$f" != /usr/share/nuyo ] && [ "$f" != /usr/share/doc/nuyo ]; then continue; fi
    if [ -e "$f" ]; then echo "$f"; fi
done <"$WORK_DIR/files.txt")
[ -z "$left" ] || fail "left after the purge: $left"
[ ! -e /var/lib/dpkg/info/nuyo.list ] || fail "dpkg keeps a file list of nuyo"
log "PASS"
