#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# CPU cost of dragging under a real X server: the game in an Xvfb of its own,
# 1,000 paced pointer moves (about 125 a second) dragging one piece, then the
# same dragging a two-piece group; prints the game's and the X server's CPU
# time per move for each.
#
# Usage: bench/drag_xvfb.sh [path-to-sietari]   (default build/sietari)
set -euo pipefail

readonly GAME=${1:-build/sietari}
readonly MOVES=${BENCH_MOVES:-1000} # fewer for a quick check
readonly PAUSE=0.008 # seconds between moves: about 125 a second
source "$(dirname "$0")/xvfb.sh"

start_xvfb
start_game "$GAME"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$WINDOW" | grep -E '^(X|Y|HEIGHT)=')"
readonly CX=$X CY=$((Y + HEIGHT - 453)) # the client area lies under the menu bar

to() { xdotool mousemove $((CX + $1)) $((CY + $2)); sleep 0.05; }

# drag_cost <label> <x> <y>: a paced drag from a client point, its CPU time per move.
drag_cost() {
    paced_drag $((CX + $2)) $((CY + $3)) "$GAME_PID"
    awk -v l="$1" -v g="$DRAG_NS" -v s="$X_NS" -v n="$MOVES" \
        'BEGIN { printf "%-16s game %6.0f us/move   X server %6.0f us/move   together %6.0f\n", l, g / 1e3 / n, s / 1e3 / n, (g + s) / 1e3 / n }'
}

drag_cost "one piece" 307 392
# A band on the empty board around the two pieces on the left edge.
to 18 216
xdotool mousedown 1
to 60 330
to 89 447
xdotool mouseup 1
sleep 0.3
drag_cost "two-piece group" 48 293
kill -0 "$GAME_PID" || { echo "the game ended during the drags" >&2; exit 1; }
