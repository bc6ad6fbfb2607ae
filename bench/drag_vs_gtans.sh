#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Dragging side by side with gtans, the GTK tangram game Debian packages:
# both games in one Xvfb, each dragging a large triangle of its own with the
# button held, 1,000 paced moves (about 125 a second), in turn, the order
# swapped every round. For each round: the CPU time per move of each game
# (all its threads) plus the X server, and Sietari's over gtans's; then the
# medians of those paired ratios, with the load average before and after.
#
# Usage: bench/drag_vs_gtans.sh [sietari...]   (default build/sietari)
#   Several builds of Sietari are measured in the same rounds, each against
#   the same gtans, to compare a change with what came before it.
#   BENCH_ROUNDS (7) and BENCH_MOVES (1000) make the run shorter or longer;
#   GTANS names the gtans program (default: gtans on the PATH, or /usr/games/gtans).
# Installs nothing: without gtans it says how to get it and exits with 77
# (what CTest counts as skipped).
set -euo pipefail

(($#)) || set -- build/sietari
readonly ROUNDS=${BENCH_ROUNDS:-7}
readonly MOVES=${BENCH_MOVES:-1000}
readonly PAUSE=0.008 # seconds between moves: about 125 a second
GTANS=${GTANS:-$(command -v gtans || echo /usr/games/gtans)}
if [ ! -x "$GTANS" ]; then
    echo "gtans is not installed; this script installs nothing. On Debian:" >&2
    echo "  sudo apt-get install gtans" >&2
    exit 77
fi
source "$(dirname "$0")/xvfb.sh"

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
start_xvfb
GTANS_PID='' PIDS=()
stop_games() {
    local pid
    for pid in "$GTANS_PID" "${PIDS[@]}"; do end "$pid"; done
    stop_all
}
trap stop_games EXIT
# gtans (500 pixels wide) at the top left, with a home of its own (it keeps
# its state there), and every Sietari in the next free cell of a grid of
# 640 x 500 pixels; there is no window manager to place them.
HOME="$PRIVATE_DIR/home" "$GTANS" >"$PRIVATE_DIR/gtans.log" 2>&1 &
GTANS_PID=$!
for _ in $(seq 500); do
    window=$(xdotool search --all --onlyvisible --pid "$GTANS_PID" --name '^gTans$' 2>/dev/null | head -n 1) || true
    [ -n "$window" ] && break
    sleep 0.01
done
[ -n "$window" ] || { echo "gtans's window never appeared" >&2; exit 1; }
xdotool windowmove "$window" 0 0
# A point inside each game's large triangle: gtans's at the top left of its
# board, Sietari's the magenta one at the bottom of its client area (which
# lies under the menu bar).
NAMES=(gtans) AT=("35 60") PIDS=("$GTANS_PID")
for game in "$@"; do
    start_game "$game"
    cell=${#NAMES[@]}
    ((cell < 6)) || { echo "at most five builds of Sietari fit on the screen" >&2; exit 1; }
    xdotool windowmove "$WINDOW" $((640 * (cell % 3))) $((500 * (cell / 3)))
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$WINDOW" | grep -E '^(X|Y|HEIGHT)=')"
    NAMES+=("$game") AT+=("$((X + 117)) $((Y + HEIGHT - 453 + 411))") PIDS+=("$GAME_PID")
    GAME_PID=''
done
sleep 1

# measure <i>: one paced drag of game i's triangle; COST[i] set to game plus
# X server in µs per move, and printed.
COST=()
measure() {
    # shellcheck disable=SC2086 # the point is two words
    paced_drag ${AT[$1]} "${PIDS[$1]}"
    COST[$1]=$(((DRAG_NS + X_NS) / MOVES / 1000))
    printf '  %-20s game %4d us/move  X server %4d us/move  together %4d\n' "${NAMES[$1]}" \
        $((DRAG_NS / MOVES / 1000)) $((X_NS / MOVES / 1000)) "${COST[$1]}"
}

declare -A RATIOS
order=$(seq 0 $((${#NAMES[@]} - 1)))
for round in $(seq "$ROUNDS"); do
    echo "round $round (load $(cut -d' ' -f1 /proc/loadavg))"
    for i in $order; do measure "$i"; done
    order=$(echo "$order" | tac) # the other way round next time
    for i in $(seq $((${#NAMES[@]} - 1))); do
        RATIOS[$i]+="$(awk -v s="${COST[$i]}" -v g="${COST[0]}" 'BEGIN { printf "%.3f", s / g }') "
    done
done
kill -0 "${PIDS[@]}" || { echo "a game ended during the drags" >&2; exit 1; }
echo "game + X server per move over gtans's, median of $ROUNDS paired rounds:"
for i in $(seq $((${#NAMES[@]} - 1))); do
    median=$(printf '%s\n' ${RATIOS[$i]} | sort -n | awk '{ v[NR] = $1 } END {
        print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
    echo "  ${NAMES[$i]}: ratio $median (${RATIOS[$i]% })"
done
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
