#!/usr/bin/env bash
# The pond at rest at QT_SCALE_FACTOR=2 shows the art drawn at twice the pixels: at least 10 % of
# its 2 x 2 device-pixel blocks are not one flat colour (none are when the 1x art is blown up). At 1
# the screen shows exactly the checked-in practice pond with the angler's frame 0 over it. At both, the
# chosen (red) bait button's last column is its dark edge: its red stops inside its frame.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
setup
ART=$NUYO_SOURCE_DIR/layouts/art/form1

# scene_at SCALE FILE: the practice main window at rest at QT_SCALE_FACTOR=SCALE; saves what the
# screen shows of the pond (client 34,18, 296 x 348 pixels, times SCALE) to FILE as raw RGB.
scene_at()
{
    local s=$1
    QT_SCALE_FACTOR=$s start_game
    TITLE_WIN=$(wait_window "ぬ よ" 15 "$GAME_PID") || fail "no title window at scale $s"
    click "$TITLE_WIN" $((124 * s)) $((232 * s))
    wait_main_window "$MAIN_TITLE_PRACTICE" "$GAME_PID" 20 || fail "no main window at scale $s"
    wait_until 5 "the cast colour" pixel_is "$MAIN_WIN" $((ACTION_PROBE_X * s)) $((ACTION_PROBE_Y * s)) \
        "$COLOUR_CAST" || fail "the main window at scale $s does not offer the cast"
    pixel_is "$MAIN_WIN" $((457 * s - 1)) $((124 * s)) "64,64,64" ||
        fail "at scale $s the bait button's last column is $(pixel "$MAIN_WIN" $((457 * s - 1)) $((124 * s)))"
    screenshot "dense-screen-$s" "$MAIN_WIN"
    geometry "$MAIN_WIN"
    import -silent -window root -crop "$((296 * s))x$((348 * s))+$((WIN_X + 34 * s))+$((WIN_Y + 18 * s))" \
        -depth 8 "rgb:$2"
    kill "$GAME_PID"
    wait_exit "$GAME_PID" 10 || fail "the game at scale $s did not end on SIGTERM"
}

check "at scale 2 the pond's 2 x 2 blocks carry detail"
scene_at 2 "$WORK_DIR/scene2.rgb"
blocks=$(convert -size 592x696 -depth 8 "rgb:$WORK_DIR/scene2.rgb" \
    \( +clone -sample 50% -sample 200% \) -compose difference -composite -threshold 0 \
    -scale 50% -threshold 0 -format '%[fx:round(mean*1000)/10]' info:)
log "$blocks % of the 2 x 2 blocks are not flat"
awk -v p="$blocks" 'BEGIN { exit !(p >= 10) }' || fail "only $blocks % of the 2 x 2 blocks carry detail"

check "at scale 1 the pond is the checked-in picture with the angler over it"
scene_at 1 "$WORK_DIR/scene1.rgb"
want=$(convert "$ART/Image6.gif" \( "$ART/Image1_0.gif" -crop 160x314+0+0 +repage \
    \( "$ART/Image1_0.gif" -crop 160x314+160+0 +repage -negate \) -alpha off -compose copy_opacity -composite \) \
    -geometry +90+0 -compose over -composite -crop 296x348+0+0 +repage -depth 8 rgb:- | md5sum | cut -d' ' -f1)
[ "$(md5sum <"$WORK_DIR/scene1.rgb" | cut -d' ' -f1)" = "$want" ] || fail "the scene at scale 1 differs from the art"
log "PASS"
