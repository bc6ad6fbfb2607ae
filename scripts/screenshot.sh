#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Re-makes docs/screenshot.png from the real game: a copy of it beside the
# shipped catalogue, with a home of its own, on an X server of its own, with
# a dancer half built on the board.
#
# Usage: scripts/screenshot.sh [path-to-sietari]   (default build/sietari)
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
GAME=$(realpath "${1:-$ROOT/build/sietari}")
TMP=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$TMP"' EXIT
cp "$GAME" "$ROOT/data/Sietari.dat" "$TMP/"
export HOME=$TMP/home XDG_RUNTIME_DIR=$TMP/runtime QT_QPA_PLATFORM=xcb
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"

# Up to 20 s for a command to succeed.
wait_for() { for _ in $(seq 200); do "$@" && return 0; sleep 0.1; done; echo "screenshot: gave up waiting for $*" >&2; exit 1; }
# The X server takes a display nobody holds and names it once it answers.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$TMP/display" 2>/dev/null &
wait_for test -s "$TMP/display"
export DISPLAY=":$(cat "$TMP/display")"
"$TMP/sietari" >"$TMP/game.log" 2>&1 &
shown() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
wait_for shown "Acerca de Sietari"
xdotool key Return
wait_for shown "Sietari 2.0"
WINDOW=$(xdotool search --onlyvisible --name "^Sietari 2.0\$")
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
Y=$((Y + HEIGHT - 453)) # the client area, under the menu bar

to() { xdotool mousemove $((X + $1)) $((Y + $2)); sleep 0.05; }
# x1 y1 x2 y2 in client pixels, in ten steps
drag() {
    to "$1" "$2"
    xdotool mousedown 1
    for i in $(seq 10); do to $(($1 + ($3 - $1) * i / 10)) $(($2 + ($4 - $2) * i / 10)); done
    xdotool mouseup 1
    sleep 0.3
}
turn() { to "$1" "$2"; xdotool ${3:+keydown shift} click 3 ${3:+keyup shift}; sleep 0.3; }

# BAILARINA, reached from the keyboard as a player would: a click on the
# empty board gives the window the keys, Home shows the first name and each
# Down the next. The names before it are the same in any order of capitals.
row=$(grep -a '^"' "$ROOT/data/Sietari.dat" | tr -d '"\r' | LC_ALL=C sort -u | grep -n '^BAILARINA$' | cut -d: -f1)
to 200 150 && xdotool click 1 && xdotool key Home
for _ in $(seq 2 "$row"); do xdotool key Down; done
sleep 0.5

# Five of its pieces: each piece is taken by the middle of its corners; a
# piece to turn is turned in the middle of the board first, away from the
# edges that would hide part of it.
drag 397 396 220 220 && turn 220 220 clockwise && drag 230 215 219 135 # yellow: the body
drag 117 410 220 258                                                    # magenta: the skirt
drag 306 392 219 59                                                     # green: the head
drag 210 392 300 200 && turn 300 200 && drag 293 204 372 74             # cyan: the raised arm
drag 47 367 196 357                                                     # orange: a leg
to 560 300 # the pointer off the board
sleep 0.5
import -window "$WINDOW" "$ROOT/docs/screenshot.png"
echo "screenshot: wrote docs/screenshot.png"
