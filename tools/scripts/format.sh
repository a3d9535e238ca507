#!/usr/bin/env bash
# Formats every C++ file of the repository with the root's .clang-format.
# Usage: format.sh          rewrites the files in place
#        format.sh --check  changes nothing; lists the files that differ and fails if any does
set -euo pipefail
cd "$(dirname "$0")/../.."

tools/scripts/deps.sh format

mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
[ ${#files[@]} -gt 0 ] || exit 0

case "${1:-}" in
    --check)
        bad=()
        for f in "${files[@]}"; do
            clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
        done
        if [ ${#bad[@]} -gt 0 ]; then
            printf 'Not formatted (run tools/scripts/format.sh): %s\n' "${bad[@]}" >&2
            exit 1
        fi
        echo "All ${#files[@]} C++ files are formatted."
        ;;
    "") clang-format -i "${files[@]}" ;;
    *) echo "usage: $0 [--check]" >&2; exit 2 ;;
esac
