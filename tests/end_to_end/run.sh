#!/usr/bin/env bash
# What only a real X server shows: the real game starts with its about window,
# then the board; a real drag, right click and drop move the pieces on the
# screen; a figure composed in the editor is saved with real key presses.
#
# Usage: run.sh <path-to-sietari-binary>. Screenshots stay in the current
# directory (build/tests under CTest). The game runs from a copy in a private
# folder with a private home, so no catalogue of the player's is ever touched.
set -euo pipefail
readonly GAME=${1:?usage: run.sh <path-to-sietari-binary>}
readonly DATA="$(dirname "$0")/../../data"
HERE=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$HERE"' EXIT
FAILED=0

fail() { echo "end_to_end: FAILED: $*" >&2; exit 1; }
check() { # what, then a command that must succeed
    local what=$1; shift
    if "$@"; then echo "ok    $what"; else echo "FAIL  $what"; FAILED=$((FAILED + 1)); fi
}
not() { ! "$@"; }
# Waits up to 20 s for a command to succeed.
await() { local i; for i in $(seq 200); do "$@" && return 0; sleep 0.1; done; return 1; }

for number in $(seq 150 199); do
    [ -e "/tmp/.X$number-lock" ] && continue
    Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp -noreset >xvfb.log 2>&1 &
    export DISPLAY=":$number"
    await xdotool getdisplaygeometry >/dev/null 2>&1 && break
    fail "Xvfb did not start on $DISPLAY"
done

readonly BESIDE="$(dirname "$GAME")/Sietari.dat"
before=$(md5sum <"$BESIDE")
cp "$GAME" "$DATA/Sietari.dat" "$HERE/"
mkdir -m 700 "$HERE/home" "$HERE/run"
HOME="$HERE/home" XDG_RUNTIME_DIR="$HERE/run" XDG_DATA_DIRS="$HERE" QT_QPA_PLATFORM=xcb \
    "$HERE/sietari" >end_to_end_game.log 2>&1 &

window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
shown() { [ -n "$(window "$1")" ]; }
key() { xdotool key --delay 100 "$@"; sleep 0.5; }
pointer() { xdotool mousemove $((X + $1)) $((Y + $2)); sleep 0.05; }
click() { pointer "$1" "$2"; xdotool click "${3:-1}"; sleep 0.3; }
drag() { # x1 y1 x2 y2 in client pixels, in twenty steps as a hand makes them
    local i; pointer "$1" "$2"; xdotool mousedown 1
    for i in $(seq 20); do pointer $(($1 + ($3 - $1) * i / 20)) $(($2 + ($4 - $2) * i / 20)); done
    xdotool mouseup 1; sleep 0.3
}
shot() { sleep 0.5; import -window root "$1"; SHOT=$1; }
colour() { convert "$SHOT" -format "%[fx:int(255*p{$((X + $1)),$((Y + $2))}.r)],%[fx:int(255*p{$((X + $1)),$((Y + $2))}.g)],%[fx:int(255*p{$((X + $1)),$((Y + $2))}.b)]" info:; }
is() { [ "$(colour "$1" "$2")" = "$3" ]; }
# Black pixels of the 165-pixel preview square; over 1000 is a silhouette on it.
preview_black() { convert "$SHOT" -crop "165x165+$((X + 458))+$((Y + 18))" -fill white +opaque black -format '%[fx:int(w*h*(1-mean))]' info:; }

await shown "Acerca de Sietari" || fail "no about window at start-up"
shot end_to_end_about.png
check "the main window waits for the about window" not shown "Sietari 2.0"
about=$(window "Acerca de Sietari")
xdotool mousemove --window "$about" 100 380 click 1
await shown "Sietari 2.0" || fail "no main window after the about window closed"
eval "$(xdotool getwindowgeometry --shell "$(window "Sietari 2.0")")"
Y=$((Y + HEIGHT - 453)) # the client area lies under the menu bar

shot end_to_end_start.png
check "yellow triangle at its start" is 397 396 255,255,0
check "square at its start" is 307 392 0,255,0
check "empty board" is 200 250 0,0,0
check "the first figure's silhouette" [ "$(preview_black)" -gt 1000 ]

drag 307 392 207 192         # the square up and to the left
click 211 394 3              # the medium triangle turned 45 degrees
drag 259 426 259 486         # the red triangle dropped below the board
shot end_to_end_play.png
check "square moved" is 207 192 0,255,0
check "square's old place empty" is 307 392 0,0,0
check "medium triangle turned" is 223 353 0,255,255
check "red triangle put away" is 259 426 0,0,0

click 200 100                # focus on the board, then the editor
key F6
shot end_to_end_editor.png
check "editor frame bright green" is 24 200 0,255,0
check "red triangle back in the editor" is 232 232 255,0,0
editor_black=$(preview_black)
key F7 Return                # confirm, then the name, first refused
xdotool type --delay 60 'mi rombo'; key Return Return ctrl+a
xdotool type --delay 60 'rombo'; key Return
shot end_to_end_saved.png
check "the figure appended to the catalogue" grep -q '^"ROMBO"' "$HERE/Sietari.dat"
check "the editor frame gone" not is 24 200 0,255,0
saved_black=$(preview_black)
check "the new figure shown as it was composed" [ $((saved_black - editor_black)) -lt 300 ]
check "the player's catalogue untouched" [ "$(md5sum <"$BESIDE")" = "$before" ]

[ "$FAILED" -eq 0 ] || fail "$FAILED check(s) failed; see the screenshots in $PWD"
echo "end_to_end: all checks passed"
