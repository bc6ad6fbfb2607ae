#!/usr/bin/env bash
# The player's view: starts the real game in an X server of its own, takes a
# screenshot and checks the colours a player would see at chosen points.
#
# Usage: run.sh <path-to-sietari-binary>
#
# Screenshots and the game's output stay in the current directory (CTest runs
# this in build/tests) so that a person can look at them after a failure.
set -euo pipefail

readonly GAME=${1:?usage: run.sh <path-to-sietari-binary>}
readonly TITLE='Sietari 2.0'
# The window is a menu bar above a client area of fixed size.
readonly CLIENT_WIDTH=632
readonly CLIENT_HEIGHT=453
readonly SCREEN_WIDTH=1024
readonly SCREEN_HEIGHT=768
readonly WAIT_SECONDS=30 # the longest any single wait may take

XVFB_PID=''
GAME_PID=''
WINDOW=''
CLIENT_X=0
CLIENT_Y=0
SHOT=''
FAILED_CHECKS=0
PRIVATE_DIR=$(mktemp -d)

fail() {
    echo "end_to_end: FAILED: $*" >&2
    exit 1
}

# Ends a process we started: politely first, then for good.
stop_process() {
    local pid=$1
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null || return 0
    local tries=0
    while kill -0 "$pid" 2>/dev/null && [ "$tries" -lt 50 ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

cleanup() {
    stop_process "$GAME_PID"
    stop_process "$XVFB_PID"
    rm -rf "$PRIVATE_DIR"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

require_tools() {
    local tool missing=()
    for tool in Xvfb xdotool import convert compare timeout; do
        command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
    done
    [ "${#missing[@]}" -eq 0 ] ||
        fail "missing tools: ${missing[*]} (scripts/install-deps.sh installs xvfb, xdotool and imagemagick)"
    [ -x "$GAME" ] || fail "no game binary at $GAME"
    # Without its catalogue the game shows only a "file not found" message.
    [ -f "$(dirname "$GAME")/Sietari.dat" ] ||
        fail "no Sietari.dat beside $GAME (the build copies it from data/ when it is absent)"
}

# Starts Xvfb on a display nobody holds and exports DISPLAY. Xvfb takes the
# display's lock file atomically and writes its own pid into it, so the lock
# holding our pid proves the display is ours even if someone else grabbed a
# number between our look and Xvfb's start; a client that can connect then
# proves the server is ready.
start_display() {
    local number lock deadline
    for number in $(seq 99 199); do
        lock="/tmp/.X${number}-lock"
        [ -e "$lock" ] || [ -e "/tmp/.X11-unix/X${number}" ] && continue
        # -noreset: by default the server resets when its last client leaves,
        # and a client connecting during that reset is turned away.
        Xvfb ":$number" -screen 0 "${SCREEN_WIDTH}x${SCREEN_HEIGHT}x24" -nolisten tcp -noreset \
            >end_to_end_xvfb.log 2>&1 &
        XVFB_PID=$!
        deadline=$((SECONDS + WAIT_SECONDS))
        while kill -0 "$XVFB_PID" 2>/dev/null; do
            if [ "$(tr -d '[:space:]' 2>/dev/null <"$lock")" = "$XVFB_PID" ] &&
                DISPLAY=":$number" timeout 10 xdotool getdisplaygeometry >/dev/null 2>&1; then
                export DISPLAY=":$number"
                echo "display: Xvfb on $DISPLAY"
                return 0
            fi
            [ "$SECONDS" -lt "$deadline" ] || fail "Xvfb :$number did not start within ${WAIT_SECONDS}s"
            sleep 0.1
        done
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=''
    done
    cat end_to_end_xvfb.log >&2 || true
    fail "could not start Xvfb on any display from :99 to :199"
}

start_game() {
    mkdir -m 700 "$PRIVATE_DIR/runtime"
    # Forced to X11: the caller's environment may well ask Qt for offscreen.
    QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$PRIVATE_DIR/runtime" \
        "$GAME" >end_to_end_game.log 2>&1 &
    GAME_PID=$!
    echo "game: started $GAME (pid $GAME_PID)"
}

game_must_be_running() {
    if ! kill -0 "$GAME_PID" 2>/dev/null; then
        local status=0
        wait "$GAME_PID" || status=$?
        GAME_PID=''
        echo "--- game output ---" >&2
        cat end_to_end_game.log >&2 || true
        local how="exit status $status"
        [ "$status" -le 128 ] || how="killed by signal $(kill -l $((status - 128)) 2>/dev/null || echo $((status - 128)))"
        fail "the game is no longer running ($how) $*"
    fi
}

# What is on the screen instead of what we waited for: a message box, say.
describe_screen() {
    local name=$1 window
    echo "visible windows:" >&2
    for window in $(timeout 10 xdotool search --onlyvisible --name '.' 2>/dev/null); do
        echo "  \"$(timeout 10 xdotool getwindowname "$window" 2>/dev/null)\"" \
            "$(timeout 10 xdotool getwindowgeometry "$window" 2>/dev/null | sed -n 's/^ *Geometry: //p')" >&2
    done
    timeout 10 import -window root "$name" 2>/dev/null && echo "screenshot: $PWD/$name" >&2
    return 0
}

# Polls rather than `xdotool search --sync`, so that a game that dies on
# start-up fails the test at once instead of after the whole wait.
wait_for_window() {
    local deadline=$((SECONDS + WAIT_SECONDS)) pattern="^${TITLE//./\\.}\$"
    WINDOW=''
    while [ -z "$WINDOW" ]; do
        game_must_be_running "while waiting for its window"
        if [ "$SECONDS" -ge "$deadline" ]; then
            describe_screen end_to_end_no_window.png
            fail "no visible window titled \"$TITLE\" within ${WAIT_SECONDS}s"
        fi
        WINDOW=$(timeout 10 xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1) || true
        [ -n "$WINDOW" ] || sleep 0.2
    done
}

# The client area's top-left corner on the screen. The window has a fixed
# size, so whatever is above the client area is the menu bar.
find_client_origin() {
    local X='' Y='' WIDTH='' HEIGHT=''
    eval "$(xdotool getwindowgeometry --shell "$WINDOW" | grep -E '^(X|Y|WIDTH|HEIGHT)=-?[0-9]+$')"
    if [ -z "$X" ] || [ -z "$Y" ] || [ -z "$WIDTH" ] || [ -z "$HEIGHT" ]; then
        fail "xdotool could not tell the geometry of window $WINDOW"
    fi
    local menu_height=$((HEIGHT - CLIENT_HEIGHT))
    if [ "$WIDTH" -ne "$CLIENT_WIDTH" ] || [ "$menu_height" -le 0 ] || [ "$menu_height" -ge 80 ]; then
        fail "window is ${WIDTH}x${HEIGHT}; expected ${CLIENT_WIDTH} wide with a menu bar above a ${CLIENT_WIDTH}x${CLIENT_HEIGHT} client area"
    fi
    CLIENT_X=$X
    CLIENT_Y=$((Y + menu_height))
    if [ "$CLIENT_X" -lt 0 ] || [ "$CLIENT_Y" -lt 0 ] ||
        [ $((CLIENT_X + CLIENT_WIDTH)) -gt "$SCREEN_WIDTH" ] || [ $((CLIENT_Y + CLIENT_HEIGHT)) -gt "$SCREEN_HEIGHT" ]; then
        # Colours read off the screen's edge would be made up.
        fail "the client area at ($CLIENT_X,$CLIENT_Y) does not lie wholly on the ${SCREEN_WIDTH}x${SCREEN_HEIGHT} screen"
    fi
    echo "window: ${WIDTH}x${HEIGHT} at ($X,$Y); menu bar ${menu_height}px; client area at ($CLIENT_X,$CLIENT_Y)"
}

# Screenshots until two in a row are the same and the menu bar has been
# drawn: checking colours while Qt is still painting would be a coin toss.
take_screenshot() {
    local name=$1 previous="$PRIVATE_DIR/previous.png" current="$PRIVATE_DIR/current.png"
    local deadline=$((SECONDS + WAIT_SECONDS))
    rm -f "$previous"
    while :; do
        timeout 10 import -window root "$current" || fail "import could not take a screenshot"
        SHOT=$current
        if [ -e "$previous" ] && [ "$(screen_colour $((CLIENT_X + CLIENT_WIDTH - 2)) $((CLIENT_Y - 2)))" != "0,0,0" ] &&
            compare -metric AE "$previous" "$current" null: 2>/dev/null; then
            break
        fi
        if [ "$SECONDS" -ge "$deadline" ]; then
            echo "screenshot: the screen was still changing after ${WAIT_SECONDS}s; using the last one"
            break
        fi
        mv "$current" "$previous"
        sleep 0.2
    done
    cp "$current" "$name"
    SHOT=$name
    echo "screenshot: $PWD/$name"
}

# "R,G,B" of the screen pixel at (x, y) in the latest screenshot.
screen_colour() {
    local x=$1 y=$2 channel format=''
    for channel in r g b; do
        format+="%[fx:round(255*p{$x,$y}.$channel)],"
    done
    convert "$SHOT" -format "${format%,}" info:
}

client_colour() {
    screen_colour $((CLIENT_X + $1)) $((CLIENT_Y + $2))
}

# expect_colour <what> <x> <y> <R,G,B>, with x and y in the client area.
expect_colour() {
    local what=$1 x=$2 y=$3 expected=$4 found
    found=$(client_colour "$x" "$y")
    if [ "$found" = "$expected" ]; then
        printf 'ok    %-24s at (%3d,%3d): %s\n' "$what" "$x" "$y" "$found"
    else
        printf 'FAIL  %-24s at (%3d,%3d): expected %s, found %s\n' "$what" "$x" "$y" "$expected" "$found"
        FAILED_CHECKS=$((FAILED_CHECKS + 1))
    fi
}

check_start_position() {
    echo "-- the pieces where a new game puts them"
    expect_colour "piece 0 (yellow)" 397 396 255,255,0
    expect_colour "piece 1 (magenta)" 117 411 255,0,255
    expect_colour "piece 2 (aquamarine)" 40 293 107,220,181
    expect_colour "piece 3 (red)" 259 426 255,0,0
    expect_colour "piece 4 (green)" 307 392 0,255,0
    expect_colour "piece 5 (orange)" 48 367 255,128,0
    expect_colour "piece 6 (cyan)" 211 393 0,255,255
    echo "-- the empty board"
    expect_colour "board" 100 100 0,0,0
    expect_colour "board" 300 150 0,0,0
    expect_colour "board" 200 250 0,0,0
    expect_colour "board" 400 200 0,0,0
}

# The figure whose name sorts first is drawn as a black silhouette on the
# green preview square (the preview pieces' square: client (458,18), 165 px).
check_preview_silhouette() {
    echo "-- the first figure in the preview box"
    local histogram black green
    histogram=$(convert "$SHOT" -crop "165x165+$((CLIENT_X + 458))+$((CLIENT_Y + 18))" \
        -format %c histogram:info:-)
    black=$(awk '/#000000/ { sum += $1 } END { print sum + 0 }' <<<"$histogram")
    green=$(awk '/#00C000/ { sum += $1 } END { print sum + 0 }' <<<"$histogram")
    if [ "$black" -gt 1000 ] && [ "$green" -gt 1000 ]; then
        echo "ok    silhouette: $black black and $green green pixels"
    else
        echo "FAIL  silhouette: $black black and $green green pixels (over 1000 of each expected)"
        FAILED_CHECKS=$((FAILED_CHECKS + 1))
    fi
}

# The pointer is moved without --sync, which hangs when it is already there.
pointer_to() {
    xdotool mousemove $((CLIENT_X + $1)) $((CLIENT_Y + $2))
    sleep 0.05
}

# drag <x1> <y1> <x2> <y2>: a left-button drag in client pixels, in steps as
# a hand would make it.
drag() {
    local x1=$1 y1=$2 x2=$3 y2=$4 step steps=20
    pointer_to "$x1" "$y1"
    xdotool mousedown 1
    for step in $(seq 1 "$steps"); do
        pointer_to $((x1 + (x2 - x1) * step / steps)) $((y1 + (y2 - y1) * step / steps))
    done
    xdotool mouseup 1
    sleep 0.3
}

right_click() {
    pointer_to "$1" "$2"
    xdotool click 3
    sleep 0.3
}

# A drag moves the square, a right click turns the medium triangle by 45
# degrees, and the small red triangle dropped below the board is put away:
# it disappears and its box (the fourth from the left) stays pressed.
check_play() {
    local box_edge_before
    box_edge_before=$(client_colour 497 210)
    drag 307 392 207 192
    right_click 211 394
    drag 259 426 259 486
    take_screenshot end_to_end_play.png
    echo "-- after a drag, a turn and a drop off the board"
    expect_colour "square, moved" 207 192 0,255,0
    expect_colour "square's old place" 307 392 0,0,0
    expect_colour "medium triangle, turned" 223 353 0,255,255
    expect_colour "red triangle, put away" 259 426 0,0,0
    expect_colour "middle of the board" 232 232 0,0,0
    if [ "$(client_colour 497 210)" = "$box_edge_before" ]; then
        echo "FAIL  the red triangle's box is not drawn pressed"
        FAILED_CHECKS=$((FAILED_CHECKS + 1))
    else
        echo "ok    the red triangle's box is drawn pressed"
    fi
}

require_tools
start_display
start_game
wait_for_window
find_client_origin
take_screenshot end_to_end_start.png
check_start_position
check_preview_silhouette
check_play
game_must_be_running "after the checks"

if [ "$FAILED_CHECKS" -ne 0 ]; then
    fail "$FAILED_CHECKS check(s) did not match; see the screenshots in $PWD"
fi
echo "end_to_end: all checks passed"
