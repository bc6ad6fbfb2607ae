# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts in bench/: an Xvfb of their own on a free display
# from :150 to :199 (DISPLAY exported, XVFB_PID set, the display named on
# stderr), a private folder for HOME and XDG_RUNTIME_DIR (PRIVATE_DIR), and
# the game started in them. Everything is stopped and removed on exit.
PRIVATE_DIR=$(mktemp -d)
XVFB_PID='' GAME_PID=''

# end <pid>: a process of ours stopped and reaped. A process ended by a signal
# makes `wait` fail, which must not end an exit handler under `set -e`.
end() {
    [ -n "$1" ] || return 0
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

stop_all() {
    end "$GAME_PID"
    end "$XVFB_PID"
    rm -rf "$PRIVATE_DIR"
}
trap stop_all EXIT

start_xvfb() {
    local number
    for number in $(seq 150 199); do
        [ -e "/tmp/.X${number}-lock" ] || [ -e "/tmp/.X11-unix/X${number}" ] && continue
        Xvfb ":$number" -screen 0 1920x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$number"
        for _ in $(seq 50); do
            xdotool getdisplaygeometry >/dev/null 2>&1 && break
            sleep 0.1
        done
        if [ "$(tr -d '[:space:]' <"/tmp/.X${number}-lock" 2>/dev/null)" = "$XVFB_PID" ]; then
            echo "Xvfb on $DISPLAY" >&2
            return 0
        fi
        end "$XVFB_PID"
        XVFB_PID=''
    done
    echo "no free display from :150 to :199" >&2
    exit 1
}

# start_game <binary>: GAME_PID set, WINDOW once its main window shows; the
# about window, if it comes first, is given the focus and closed with Escape,
# pressed and released through the server. Aimed at the window itself, the
# release would fail once the press had closed it, and the server would hold
# Escape down for the rest of the run, repeating it 25 times a second into
# whichever window has the focus: the game under measurement.
start_game() {
    mkdir -p -m 700 "$PRIVATE_DIR/runtime" "$PRIVATE_DIR/home"
    HOME="$PRIVATE_DIR/home" XDG_RUNTIME_DIR="$PRIVATE_DIR/runtime" QT_QPA_PLATFORM=xcb \
        "$1" >"$PRIVATE_DIR/game.log" 2>&1 &
    GAME_PID=$!
    WINDOW=''
    local about
    for _ in $(seq 1500); do
        about=$(xdotool search --all --onlyvisible --pid "$GAME_PID" --name '^Acerca de Sietari' 2>/dev/null | head -n 1) || true
        [ -n "$about" ] && { xdotool windowfocus "$about" key Escape 2>/dev/null || true; }
        WINDOW=$(xdotool search --all --onlyvisible --pid "$GAME_PID" --name '^Sietari 2\.0$' 2>/dev/null | head -n 1) || true
        [ -n "$WINDOW" ] && [ -z "$about" ] && return 0
        sleep 0.01
    done
    echo "the game's window never appeared" >&2
    exit 1
}

stop_game() {
    end "$GAME_PID"
    GAME_PID=''
}

# CPU time of a process so far, all its threads, in nanoseconds (mawk's %d
# stops at 2^31, about two seconds). Fails once the process is gone.
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ ns += $1 } END { printf "%.0f\n", ns }'; }

# paced_drag <x> <y> <pid>: holds the left button at a screen point and moves
# MOVES times to and fro over 40 pixels, PAUSE seconds apart; sets DRAG_NS and
# X_NS to the CPU time the process and the X server spent meanwhile.
paced_drag() {
    local x=$1 y=$2 pid=$3 args=() i game0 x0 game1 x1
    xdotool mousemove "$x" "$y"
    sleep 0.05
    xdotool mousedown 1
    for i in $(seq 0 $((MOVES - 1))); do
        args+=(mousemove $((x + (i % 40 < 20 ? i % 20 : 20 - i % 20) * 2)) "$y" sleep "$PAUSE")
    done
    game0=$(cpu_ns "$pid")
    x0=$(cpu_ns "$XVFB_PID")
    xdotool "${args[@]}"
    sleep 0.2
    game1=$(cpu_ns "$pid")
    x1=$(cpu_ns "$XVFB_PID")
    DRAG_NS=$((game1 - game0)) X_NS=$((x1 - x0))
    xdotool mouseup 1
    sleep 0.3
}
