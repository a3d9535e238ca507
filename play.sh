#!/usr/bin/env bash
# Installs what is missing, builds the game (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "play.sh: no display (DISPLAY and WAYLAND_DISPLAY are unset). On a machine without a desktop run: xvfb-run ./play.sh" >&2
    exit 1
fi

tools/scripts/deps.sh build
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DNUYO_BUILD_TOOLS=OFF >/dev/null
cmake --build build --target nuyo -j"$(nproc)"
exec ./build/nuyo "$@"
