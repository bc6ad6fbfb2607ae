#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the real game to its main window under Xvfb, with the shipped
# catalogue and with a generated one of 8,264 figures: wall time and the
# game's CPU time until the window shows (median of 5 starts each), and ratios.
#
# Usage: bench/startup_xvfb.sh [path-to-sietari]   (default build/sietari)
set -euo pipefail

readonly GAME=${1:-build/sietari}
readonly RUNS=${BENCH_RUNS:-5} # BENCH_RUNS=1 for a quick check
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
# median <measure> <binary>: MEDIAN set to the middle of RUNS samples. The
# samples are taken in this shell, not in a pipeline, so that a failed start
# ends the script and its game is stopped on the way out.
median() {
    local samples=()
    for _ in $(seq "$RUNS"); do
        "$@"
        samples+=("$SAMPLE")
    done
    MEDIAN=$(printf '%s\n' "${samples[@]}" | sort -n | sed -n "$(((RUNS + 1) / 2))p")
}
# Wall time and the game's CPU time (all its threads) until its window shows, in µs.
wall_us() {
    local t0
    t0=$(date +%s%N)
    start_game "$1"
    SAMPLE=$((($(date +%s%N) - t0) / 1000))
    stop_game
}
cpu_us() {
    start_game "$1"
    SAMPLE=$(($(cpu_ns "$GAME_PID") / 1000))
    stop_game
}
for measure in wall_us cpu_us; do
    median "$measure" "$PRIVATE_DIR/shipped/sietari"
    shipped=$MEDIAN
    median "$measure" "$PRIVATE_DIR/large/sietari"
    large=$MEDIAN
    awk -v m="${measure%_us}" -v s="$shipped" -v l="$large" 'BEGIN {
        printf "%s time to the main window: shipped %.1f ms, 8,264 figures %.1f ms, ratio %.2f\n", m, s / 1000, l / 1000, l / s }'
done
