#!/usr/bin/env bash
# An installed game is complete and behaves as an installed program: `cmake --install` lays out the
# executable, the introduction text, a valid menu entry, the icons, a valid software-centre
# description and a manual page that reads without warnings; the installed game keeps its ranking in
# the user's data folder (not beside the executable, which the user usually cannot write), finds its
# introduction text under share/, and gives its main window an icon.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
setup
for tool in desktop-file-validate:desktop-file-utils appstreamcli:appstream xprop:x11-utils \
    identify:imagemagick iconv:libc-bin python3:python3 man:man-db groff:groff-base; do
    command -v "${tool%%:*}" >/dev/null || fail "${tool%%:*} is not installed (package ${tool#*:})"
done

APP_ID=io.github.nuyo.Nuyo
PREFIX="$WORK_DIR/prefix"
DATA_HOME="$WORK_DIR/data"
OPENED="$WORK_DIR/opened.txt"

check "cmake --install lays out every file"
cmake --install "$NUYO_BUILD_DIR" --prefix "$PREFIX" >"$WORK_DIR/install.log" 2>&1 ||
    fail "cmake --install failed: $(cat "$WORK_DIR/install.log")"
[ -x "$PREFIX/bin/nuyo" ] || fail "no executable $PREFIX/bin/nuyo"
cmp -s "$PREFIX/share/nuyo/はじめに.txt" "$NUYO_SOURCE_DIR/docs/はじめに.txt" ||
    fail "share/nuyo/はじめに.txt is missing or differs from docs/はじめに.txt"
page=$PREFIX/share/man/man6/nuyo.6
out=$(MANWIDTH=80 man -l -Tutf8 "$page" 2>&1 >/dev/null; groff -ww -z -man "$page" 2>&1)
[ -z "$out" ] || fail "the manual page share/man/man6/nuyo.6 is missing or reads with warnings: $out"
DESKTOP="$PREFIX/share/applications/$APP_ID.desktop"
METAINFO="$PREFIX/share/metainfo/$APP_ID.metainfo.xml"
[ -f "$DESKTOP" ] || fail "no desktop entry $DESKTOP"
[ -f "$METAINFO" ] || fail "no metainfo $METAINFO"
for size in 32 48 64 128 32@2:64 48@2:96 64@2:128 128@2:256; do
    dir=${size%:*} px=${size#*:}
    icon="$PREFIX/share/icons/hicolor/${dir%@2}x${dir}/apps/$APP_ID.png"
    [ -f "$icon" ] || fail "no ${dir}px icon: $icon"
    got=$(identify -format '%m %wx%h' "$icon") || fail "not a picture: $icon"
    [ "$got" = "PNG ${px}x${px}" ] || fail "$icon is '$got', not a ${px}x${px} PNG"
done

check "the menu entry is valid and names the installed executable and icon"
out=$(desktop-file-validate "$DESKTOP" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate complains: $out"
exec_cmd=$(sed -n 's/^Exec=//p' "$DESKTOP")
[ -x "$PREFIX/bin/${exec_cmd%% *}" ] || fail "Exec=$exec_cmd is not in $PREFIX/bin"
icon_name=$(sed -n 's/^Icon=//p' "$DESKTOP")
[ "$icon_name" = "$APP_ID" ] || fail "Icon=$icon_name, expected $APP_ID"

check "the software-centre description is valid and launches the menu entry"
out=$(appstreamcli validate --no-net "$METAINFO" 2>&1) || fail "appstreamcli validate: $out"
grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$METAINFO" ||
    fail "the metainfo does not launch $APP_ID.desktop"

# The desktop's document opener is replaced by a recorder: the game hands it the introduction.
mkdir -p "$WORK_DIR/bin" "$DATA_HOME" "$WORK_DIR/xdg" "$WORK_DIR/config" "$WORK_DIR/cache"
chmod 0700 "$WORK_DIR/xdg"
cat >"$WORK_DIR/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$@" >"$OPENED.part" && mv "$OPENED.part" "$OPENED"
EOF
chmod +x "$WORK_DIR/bin/xdg-open"

check "the installed game starts from its prefix with a fresh user data folder"
(
    cd "$WORK_DIR"
    unset PULSE_SERVER WAYLAND_DISPLAY
    export PATH="$WORK_DIR/bin:$PATH" QT_QPA_PLATFORM=xcb XDG_DATA_HOME="$DATA_HOME" \
        XDG_RUNTIME_DIR="$WORK_DIR/xdg" XDG_CONFIG_HOME="$WORK_DIR/config" XDG_CACHE_HOME="$WORK_DIR/cache"
    exec "$PREFIX/bin/nuyo"
) >>"$WORK_DIR/game.log" 2>&1 &
GAME_PID=$!
remember_pid "$GAME_PID"
TITLE_WIN=$(wait_window "ぬ よ" 15 "$GAME_PID") || fail "the title window did not appear"
geometry "$TITLE_WIN"
[ "$WIN_W" = 357 ] && [ "$WIN_H" = 272 ] || fail "title window is ${WIN_W}x${WIN_H}, not 357x272"
click "$TITLE_WIN" 124 232 # "練 習"
wait_main_window "$MAIN_TITLE_PRACTICE" "$GAME_PID" 20 || fail "the practice main window did not appear"

check "the ranking file is created in the user's data folder, 180 bytes of five empty rows"
wait_until 5 "Point.dat appears under XDG_DATA_HOME" eval "[ -n \"\$(find '$DATA_HOME' -name Point.dat)\" ]" ||
    fail "no Point.dat under $DATA_HOME: $(find "$DATA_HOME" | tr '\n' ' ')"
point=$(find "$DATA_HOME" -name Point.dat)
[ "$(printf '%s\n' "$point" | wc -l)" = 1 ] || fail "more than one Point.dat: $point"
log "ranking file: ${point#"$DATA_HOME"/}"
expected="$WORK_DIR/Point.expected"
for _ in 1 2 3 4 5; do printf '0,"：  0：   0：  0：0.00： - - -"\r\n'; done | iconv -f UTF-8 -t CP932 >"$expected"
[ "$(stat -c %s "$point")" = 180 ] || fail "Point.dat is $(stat -c %s "$point") bytes, not 180"
cmp -s "$point" "$expected" || fail "Point.dat does not hold five empty rows: $(od -c "$point" | head -n 4)"
stray=$(find "$PREFIX" -name Point.dat)
[ -z "$stray" ] || fail "the installed game wrote its ranking into the prefix: $stray"

check "the main window carries an icon"
icon_prop=$(xprop -id "$MAIN_WIN" _NET_WM_ICON 2>&1) || fail "xprop failed: $icon_prop"
grep -q 'Icon (\([1-9][0-9]*\) x \1)' <<<"$icon_prop" ||
    fail "the main window has no icon: $(head -n 2 <<<"$icon_prop")"
log "window icon sizes: $(grep -o 'Icon ([0-9]* x [0-9]*)' <<<"$icon_prop" | tr '\n' ' ')"

check "the window's class is the menu entry's StartupWMClass, so docks match the two"
wm_class=$(xprop -id "$MAIN_WIN" WM_CLASS 2>&1) || fail "xprop failed: $wm_class"
startup_class=$(sed -n 's/^StartupWMClass=//p' "$DESKTOP")
[ -n "$startup_class" ] || fail "the menu entry has no StartupWMClass"
grep -q "\"$startup_class\"\$" <<<"$wm_class" || fail "WM_CLASS is '$wm_class', the entry says '$startup_class'"

check "the basket picture offers the installed introduction text, and Yes opens it"
click "$MAIN_WIN" 560 30
BOX=$(wait_window " * ぬ よ *" 10 "$GAME_PID") || fail "no question box after clicking the basket picture"
key_to "$BOX" Return
wait_until 10 "the document opener is called" test -s "$OPENED" ||
    fail "the introduction was not handed to the document opener"
opened=$(python3 -c 'import sys, urllib.parse; print(urllib.parse.unquote(sys.argv[1]))' "$(head -n 1 "$OPENED")")
[ "$opened" = "file://$PREFIX/share/nuyo/はじめに.txt" ] || fail "the opener got '$opened'"
is_running "$GAME_PID" || fail "the game ended"
log "PASS"
