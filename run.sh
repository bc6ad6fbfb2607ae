#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the game needs, builds only the game into build/ and starts
# it; ./test.sh builds and installs the rest.
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/install-deps.sh game
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target sietari -j"$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<'MESSAGE'
Sietari is built (build/sietari) but cannot start: there is no display here
(neither DISPLAY nor WAYLAND_DISPLAY is set). Run ./run.sh again from a
terminal of a desktop session, or, to start it on a virtual screen nobody sees:
    xvfb-run -a ./run.sh
MESSAGE
    exit 2
fi

exec build/sietari "$@"
