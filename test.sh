#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through ctest.
set -euo pipefail
cd "$(dirname "$0")"

tools/scripts/deps.sh test
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DNUYO_WERROR="$werror" >/dev/null
cmake --build build -j"$(nproc)"
cd build
# The real-window tests mostly wait for the game's clock: one more of them at a time than cores.
ctest --output-on-failure --timeout 600 -j"$(($(nproc) + 1))" "$@"
