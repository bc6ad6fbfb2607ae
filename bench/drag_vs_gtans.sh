#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Dragging side by side with gtans, the GTK tangram game Debian packages:
# both games in one Xvfb, each dragging a large triangle of its own with the
# button held, 1,000 paced moves (about 125 a second), in turn, the order
# swapped every round. For each round: the CPU time per move of each game
# (all its threads) plus the X server, and Sietari's over gtans's; then the
# medians of those paired ratios, with the load average before and after.
#
# Usage: bench/drag_vs_gtans.sh [path-to-sietari]   (default build/sietari)
#   BENCH_ROUNDS (7) and BENCH_MOVES (1000) make the run shorter or longer;
#   GTANS names the gtans program (default: gtans on the PATH, or /usr/games/gtans).
# Installs nothing: without gtans it says how to get it and exits with 77
# (what CTest counts as skipped).
set -euo pipefail

readonly GAME=${1:-build/sietari}
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
start_game "$GAME"
SIETARI_PID=$GAME_PID
# gtans beside it, with a home of its own (it keeps its state there).
HOME="$PRIVATE_DIR/home" "$GTANS" >"$PRIVATE_DIR/gtans.log" 2>&1 &
GTANS_PID=$!
stop_gtans() { end "$GTANS_PID"; stop_all; }
trap stop_gtans EXIT
for _ in $(seq 500); do
    GTANS_WINDOW=$(xdotool search --onlyvisible --name '^gTans$' 2>/dev/null | head -n 1) || true
    [ -n "$GTANS_WINDOW" ] && break
    sleep 0.01
done
[ -n "$GTANS_WINDOW" ] || { echo "gtans's window never appeared" >&2; exit 1; }
# Side by side, without a window manager: gtans (500 pixels wide) on the left.
xdotool windowmove "$GTANS_WINDOW" 0 0 windowmove "$WINDOW" 520 0
sleep 1
eval "$(xdotool getwindowgeometry --shell "$WINDOW" | grep -E '^(X|Y|HEIGHT)=')"
# A point inside each game's large triangle: gtans's at the top left of its
# board, Sietari's the magenta one at the bottom of its client area, which
# lies under the menu bar.
readonly GTANS_AT="35 60" SIETARI_AT="$((X + 117)) $((Y + HEIGHT - 453 + 411))"

# measure <name>: one paced drag of that game's triangle; COST_<name> set to
# game plus X server in µs per move, and printed.
measure() {
    local at pid
    if [ "$1" = gtans ]; then at=$GTANS_AT pid=$GTANS_PID; else at=$SIETARI_AT pid=$SIETARI_PID; fi
    # shellcheck disable=SC2086 # the point is two words
    paced_drag $at "$pid"
    printf -v "COST_$1" '%s' $(((DRAG_NS + X_NS) / MOVES / 1000))
    printf '  %-8s game %4d us/move  X server %4d us/move  together %4d\n' "$1" \
        $((DRAG_NS / MOVES / 1000)) $((X_NS / MOVES / 1000)) $(((DRAG_NS + X_NS) / MOVES / 1000))
}

ratios=()
for round in $(seq "$ROUNDS"); do
    echo "round $round (load $(cut -d' ' -f1 /proc/loadavg))"
    if ((round % 2)); then measure gtans; measure sietari; else measure sietari; measure gtans; fi
    ratios+=("$(awk -v s="$COST_sietari" -v g="$COST_gtans" 'BEGIN { printf "%.3f", s / g }')")
    echo "  ratio    ${ratios[-1]}"
done
kill -0 "$SIETARI_PID" "$GTANS_PID" || { echo "a game ended during the drags" >&2; exit 1; }
median=$(printf '%s\n' "${ratios[@]}" | sort -n | awk '{ v[NR] = $1 } END {
    print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
echo "Sietari / gtans, game + X server per move: median ratio $median of $ROUNDS rounds (${ratios[*]})"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
