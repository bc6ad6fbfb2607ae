#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Sietari into build/ and runs every test.
# The unit tests ask CTest for Qt's offscreen platform themselves; the
# end-to-end and install tests bring their own X server, so no display is
# needed.
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/install-deps.sh test
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
cd build
ctest --output-on-failure -j"$(nproc)"
