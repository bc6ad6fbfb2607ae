#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the real game to its main window under Xvfb, with the shipped
# catalogue and with a generated one of 8,264 figures: wall time and the
# game's CPU time until the window shows (median of 5 starts each), and ratios.
#
# Usage: bench/startup_xvfb.sh [path-to-sietari]   (default build/sietari)
set -euo pipefail

readonly GAME=${1:-build/sietari}
readonly RUNS=5
source "$(dirname "$0")/xvfb.sh"

# A copy of the game beside the catalogue to read (the game reads the one beside it).
mkdir "$PRIVATE_DIR/shipped" "$PRIVATE_DIR/large"
cp "$GAME" "$PRIVATE_DIR/shipped/sietari"
cp "$GAME" "$PRIVATE_DIR/large/sietari"
cp "$(dirname "$0")/../data/Sietari.dat" "$PRIVATE_DIR/shipped/"
awk 'NR > 1 && NR <= 29 { body = body $0 "\n" }
     END { for (i = 1; i <= 8264; ++i) printf "\"FIGURA%d\"\r\n%s", i, body }' \
    "$(dirname "$0")/../data/Sietari.dat" >"$PRIVATE_DIR/large/Sietari.dat"

start_xvfb
# median <command...>: the middle of RUNS values printed by the command.
median() {
    for _ in $(seq "$RUNS"); do "$@"; done | sort -n | sed -n "$(((RUNS + 1) / 2))p"
}
# Wall time and the game's CPU time (all its threads) until its window shows, in µs.
wall_us() {
    local t0=$(date +%s%N)
    start_game "$1"
    echo $((($(date +%s%N) - t0) / 1000))
    stop_game
}
cpu_us() {
    start_game "$1"
    cat /proc/"$GAME_PID"/task/*/schedstat | awk '{ ns += $1 } END { printf "%d\n", ns / 1000 }'
    stop_game
}
for measure in wall_us cpu_us; do
    shipped=$(median "$measure" "$PRIVATE_DIR/shipped/sietari")
    large=$(median "$measure" "$PRIVATE_DIR/large/sietari")
    awk -v m="${measure%_us}" -v s="$shipped" -v l="$large" 'BEGIN {
        printf "%s time to the main window: shipped %.1f ms, 8,264 figures %.1f ms, ratio %.2f\n", m, s / 1000, l / 1000, l / s }'
done
