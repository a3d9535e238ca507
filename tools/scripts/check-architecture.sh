#!/usr/bin/env bash
# Holds docs/ARCHITECTURE.md to the code: every ```check block of the map is a shell script that
# exits 0 while its claim holds. The blocks run from the repository's root, each on its own, with
# the helpers below. Usage:
#   check-architecture.sh               checks every claim; lists the broken ones and fails
#   check-architecture.sh --self-test   breaks one claim in a copy of the tree and expects a failure
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
MAP=docs/ARCHITECTURE.md

if [ "${1:-}" = --self-test ]; then
    copy=$(mktemp -d "${TMPDIR:-/tmp}/nuyo-architecture.XXXXXX")
    trap 'rm -rf "$copy"' EXIT
    (cd "$ROOT" && git ls-files -z | xargs -0 tar -cf - 2>/dev/null) | tar -xf - -C "$copy"
    cp "$ROOT/tools/scripts/check-architecture.sh" "$copy/tools/scripts/" # as they are now, committed or not
    cp "$ROOT/$MAP" "$copy/$MAP"
    git -C "$copy" init -q && git -C "$copy" add -A
    # The model reaches up to the composition root: more than one claim must fail.
    sed -i '0,/#include/s//#include "app\/app.h"\n#include/' "$copy/model/game.h"
    if "$copy/tools/scripts/check-architecture.sh" >"$copy/out.txt" 2>&1; then
        echo "check-architecture: a broken claim went unnoticed" >&2
        exit 1
    fi
    grep -c '^FAILED' "$copy/out.txt" | sed 's/^/check-architecture: the broken tree fails /; s/$/ claim(s), as it should/'
    exit 0
fi

cd "$ROOT"
# The checks read the tree as git holds it: a checkout is needed.
[ -n "$(git ls-files -- '*.cpp' 2>/dev/null)" ] || { echo "check-architecture: not a git checkout" >&2; exit 1; }

# The helpers a block may use.
HELPERS=$(
    cat <<'EOF'
# Fails, showing what it read, unless standard input is empty.
none() {
    local out
    out=$(cat)
    [ -z "$out" ] || { printf '%s\n' "$out"; return 1; }
}
# The C++ files of the game itself: no tests, tools or builds.
game_sources() {
    git -c core.quotePath=false ls-files -- '*.cpp' '*.h' | grep -vE '^(tests|tools)/'
}
# Each argument is a layer, top first: one folder or several, space-separated. A folder's files may
# include only their own folder's headers and those of layers below their own.
layers() {
    local -A rank=()
    local i=0 layer dir
    for layer in "$@"; do
        for dir in $layer; do rank[$dir]=$i; done
        i=$((i + 1))
    done
    local file target from bad=0
    while IFS=: read -r file target; do
        from=${file%%/*}
        target=${target%%/*}
        [ "$from" = "$target" ] && continue
        if [ -z "${rank[$from]:-}" ] || [ -z "${rank[$target]:-}" ]; then
            echo "$file includes $target/, and a folder of the two is in no layer"
            bad=1
        elif [ "${rank[$target]}" -le "${rank[$from]}" ]; then
            echo "$file includes $target/, which is not below it"
            bad=1
        fi
    done < <(game_sources | xargs grep -oE '^#include "[^"]+"' | sed -E 's/:#include "/:/; s/"$//' | grep '/')
    return $bad
}
EOF
)

failed=0
checked=0
block=""
inside=0
title=""
while IFS= read -r line || [ -n "$line" ]; do
    if [ $inside = 0 ] && [ "$line" = '```check' ]; then
        inside=1
        block=""
        title=""
        continue
    fi
    if [ $inside = 1 ] && [ "$line" = '```' ]; then
        inside=0
        checked=$((checked + 1))
        if out=$(bash -c "set -eu; $HELPERS
$block" 2>&1); then
            echo "ok: $title"
        else
            echo "FAILED: $title"
            printf '%s\n' "$out" | sed 's/^/    /' | head -20
            failed=$((failed + 1))
        fi
        continue
    fi
    if [ $inside = 1 ]; then
        [ -z "$title" ] && title=${line#\# }
        block+="$line"$'\n'
    fi
done <"$MAP"

if [ $checked = 0 ]; then
    echo "check-architecture: $MAP holds no check" >&2
    exit 1
fi
echo "check-architecture: $((checked - failed)) of $checked claims hold"
[ $failed = 0 ]
