# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts in bench/: an Xvfb of their own on a free display
# from :150 to :199 (DISPLAY exported, XVFB_PID set), a private folder for
# HOME and XDG_RUNTIME_DIR (PRIVATE_DIR), and the game started in them.
PRIVATE_DIR=$(mktemp -d)
XVFB_PID='' GAME_PID=''

stop_all() {
    for pid in "$GAME_PID" "$XVFB_PID"; do
        [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    rm -rf "$PRIVATE_DIR"
}
trap stop_all EXIT

start_xvfb() {
    local number
    for number in $(seq 150 199); do
        [ -e "/tmp/.X${number}-lock" ] || [ -e "/tmp/.X11-unix/X${number}" ] && continue
        Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$number"
        for _ in $(seq 50); do
            xdotool getdisplaygeometry >/dev/null 2>&1 && break
            sleep 0.1
        done
        [ "$(tr -d '[:space:]' <"/tmp/.X${number}-lock" 2>/dev/null)" = "$XVFB_PID" ] && return 0
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=''
    done
    echo "no free display from :150 to :199" >&2
    exit 1
}

# start_game <binary>: GAME_PID set, WINDOW once its main window shows; the
# about window, if it comes first, is closed with Escape.
start_game() {
    mkdir -p -m 700 "$PRIVATE_DIR/runtime" "$PRIVATE_DIR/home"
    HOME="$PRIVATE_DIR/home" XDG_RUNTIME_DIR="$PRIVATE_DIR/runtime" QT_QPA_PLATFORM=xcb \
        "$1" >"$PRIVATE_DIR/game.log" 2>&1 &
    GAME_PID=$!
    WINDOW=''
    local about
    for _ in $(seq 1500); do
        about=$(xdotool search --onlyvisible --name '^Acerca de Sietari' 2>/dev/null | head -n 1) || true
        [ -n "$about" ] && xdotool key --window "$about" Escape
        WINDOW=$(xdotool search --onlyvisible --name '^Sietari 2\.0$' 2>/dev/null | head -n 1) || true
        [ -n "$WINDOW" ] && [ -z "$about" ] && return 0
        sleep 0.01
    done
    echo "the game's window never appeared" >&2
    exit 1
}

stop_game() {
    kill "$GAME_PID" 2>/dev/null && wait "$GAME_PID" 2>/dev/null
    GAME_PID=''
}

# CPU time of a process so far, in clock ticks.
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
