#!/usr/bin/env bash
# The contact sheet photographs every moment a person should review: each picture exists, has
# the size of the window it shows, is not blank, differs from every other one, and the fight
# pictures show the line in the colour their tension gives; on an English desktop the pictures with
# words show the English art. Runs the built tool through tools/contactsheet/run.sh (its own Xvfb).
set -euo pipefail

NUYO_SOURCE_DIR=${NUYO_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
NUYO_BUILD_DIR=${NUYO_BUILD_DIR:-$NUYO_SOURCE_DIR/build}
OUT=$NUYO_BUILD_DIR/contact
name=$(basename "$0" .sh)
log() { printf '%s [%3ds]: %s\n' "$name" "$SECONDS" "$*"; }
fail()
{
    printf '%s: FAIL: %s\n' "$name" "$*" >&2
    exit 1
}

for t in Xvfb convert; do
    command -v "$t" >/dev/null || {
        echo "SKIP: $t is not installed (packages xvfb, imagemagick)"
        exit 77
    }
done
[ -x "$NUYO_BUILD_DIR/tools/contactsheet/contactsheet" ] ||
    fail "the contact sheet tool is not built: $NUYO_BUILD_DIR/tools/contactsheet/contactsheet"

log "running tools/contactsheet/run.sh $NUYO_BUILD_DIR"
timeout 120 "$NUYO_SOURCE_DIR/tools/contactsheet/run.sh" "$NUYO_BUILD_DIR" ||
    fail "run.sh failed (the tool names the moments it missed)"

# Every moment, with the size of its picture: the main window, alone or under a report, the
# ranking window or a kingfisher; the title window on its own.
MAIN=610x427
moments=(
    title:357x272 rest-practice:$MAIN rest-real:$MAIN
    cast-1:$MAIN cast-3:$MAIN cast-5:$MAIN cast-7:$MAIN settling:$MAIN ready:$MAIN
    bite-sink:$MAIN bite-rise:$MAIN bite-sideways:$MAIN bite-pulled:$MAIN bite-gone:$MAIN
    fight-d7-t9:$MAIN fight-d7-t7:$MAIN fight-d6-t6:$MAIN fight-d6-t7:$MAIN fight-d6-t8:$MAIN
    fight-d5-t5:$MAIN fight-d5-t6:$MAIN fight-d5-t7:$MAIN fight-d4-t4:$MAIN fight-d4-t5:$MAIN
    fight-d4-t6:$MAIN fight-d3-t4:$MAIN fight-d3-t5:$MAIN landing:$MAIN
    report-fish:$MAIN report-small:$MAIN report-59:$MAIN report-60cm:$MAIN report-master:$MAIN
    report-empty:$MAIN report-false:$MAIN report-break:$MAIN
    kf-pass-1:$MAIN kf-pass-2:$MAIN kf-pass-3:$MAIN kf-perched:$MAIN kf-turned:$MAIN kf-flying:$MAIN
    ranking-view:$MAIN ranking-name:$MAIN ranking-registered:$MAIN
    end-practice:$MAIN end-real:$MAIN
)

log "checking ${#moments[@]} pictures"
declare -A seen=()
for entry in "${moments[@]}"; do
    m=${entry%%:*}
    want=${entry#*:}
    f=$OUT/$m.png
    [ -f "$f" ] || fail "no picture of $m ($f)"
    read -r size colours < <(convert "$f" -format '%wx%h %k\n' info:)
    [ "$size" = "$want" ] || fail "$m is $size, expected $want"
    [ "$colours" -ge 16 ] || fail "$m is (nearly) blank: $colours colours"
    sum=$(convert "$f" -depth 8 rgb:- | md5sum | cut -d' ' -f1)
    [ -z "${seen[$sum]:-}" ] || fail "$m shows exactly the same as ${seen[$sum]}"
    seen[$sum]=$m
done

# The fight's line runs from the rod tip (150, 0) of the scene, which lies at (34, 18) in the
# window. Count the pixels of each line colour in the box the line crosses at distance 6 to 3.
count_colour()
{
    convert "$1" -crop 110x250+184+18 +repage -depth 8 txt:- | grep -ci "#$2"
}
log "checking the fight's line colours"
for entry in d6-t6:00C0FF d6-t7:FFFF00 d6-t8:FF0000 d5-t5:00C0FF d5-t6:FFFF00 d5-t7:FF0000 \
    d4-t4:00C0FF d4-t5:FFFF00 d4-t6:FF0000 d3-t4:FFFF00 d3-t5:FF0000; do
    m=fight-${entry%%:*}
    colour=${entry#*:}
    n=$(count_colour "$OUT/$m.png" "$colour" || true)
    [ "${n:-0}" -ge 20 ] || fail "$m shows ${n:-0} pixels of its line colour #$colour"
    for other in 00C0FF FFFF00 FF0000; do
        [ "$other" = "$colour" ] && continue
        n=$(count_colour "$OUT/$m.png" "$other" || true)
        [ "${n:-0}" -lt 5 ] || fail "$m also shows $n pixels of #$other"
    done
done

log "checking the sheets"
for sheet in contact-sheet contact-sheet-small; do
    f=$OUT/$sheet.png
    [ -f "$f" ] || fail "no $sheet.png"
    read -r w colours < <(convert "$f" -format '%w %k\n' info:)
    [ "$colours" -ge 64 ] || fail "$sheet.png is (nearly) blank: $colours colours"
    [ "$sheet" = contact-sheet ] || [ "$w" -le 1200 ] || fail "$sheet.png is $w px wide, more than 1200"
done
bytes=$(stat -c %s "$OUT/contact-sheet-small.png")
[ "$bytes" -le 614400 ] || fail "contact-sheet-small.png has $bytes bytes, more than 600 KB"
timeout 120 "$NUYO_SOURCE_DIR/tools/contactsheet/run.sh" "$NUYO_BUILD_DIR" --english || fail "run.sh --english failed"
# The pond's stamps after a landing and a line break, the line-break report, the 60 cm fish's master.
crop() { convert "$1" -crop "$2" +repage -depth 8 rgb:- | md5sum; }
for shot in report-fish:form1/Image5.gif:100x24+0+25:+134+338 report-break:form1/Image5.gif:100x24+0+0:+134+338 \
    report-break:form3/Img2.gif:229x150+0+0:+68+70 report-master:form3/Image1.gif:229x150+0+0:+68+70; do
    IFS=: read -r m picture part at <<<"$shot"
    ja=$(crop "$NUYO_SOURCE_DIR/layouts/art/$picture" "$part") en=$(crop "$NUYO_SOURCE_DIR/layouts/art/en/$picture" "$part")
    [ "$ja" != "$en" ] && [ "$(crop "$OUT/$m.png" "${part%%+*}$at")$(crop "$OUT-en/$m.png" "${part%%+*}$at")" = "$ja$en" ] ||
        fail "$m does not show $picture ($part) in the desktop's language"
done
log "PASS: ${#moments[@]} moments, small sheet $bytes bytes; the words in the pictures in either language"
