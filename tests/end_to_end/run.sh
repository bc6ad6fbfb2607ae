#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game as a player gets it, and what only a real X server shows. It is
# installed into a temporary prefix as an ordinary user, its files checked as
# a desktop and a packager expect them, then started on a private X server:
# the about window comes first, then the board in its colours, where a real
# drag, right click and drop move pieces on the screen.
#
# Usage: run.sh <build-folder>. Run as root, it runs itself as nobody.
# Screenshots go to end_to_end_shots in the current directory.
set -euo pipefail

BUILD=$(realpath "${1:?usage: run.sh <build-folder>}")
SHOTS=$PWD/end_to_end_shots
as_nobody=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
if [ "$(id -u)" -eq 0 ] && "${as_nobody[@]}" test -r "$BUILD/cmake_install.cmake" -a -r "$0"; then
    # cmake --install lists what it wrote in the build tree: with the
    # screenshots, the only places the ordinary user must be able to write.
    install -o nobody -m 644 /dev/null "$BUILD/install_manifest.txt"
    install -d -o nobody "$SHOTS"
    exec "${as_nobody[@]}" "$0" "$BUILD"
fi # else, as root, only the list of installed files tells where the install wrote
mkdir -p "$SHOTS"

TMP=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$TMP"' EXIT
PREFIX=$TMP/prefix FAILED=0 outside=''
fail() { echo "end_to_end: FAILED: $*" >&2; exit 1; }
check() { # what, then a command that must succeed
    if "${@:2}"; then echo "ok    $1"; else echo "FAIL  $1"; FAILED=$((FAILED + 1)); fi; }

touch "$TMP/before"
cmake --install "$BUILD" --prefix "$PREFIX" >"$TMP/install.log" || fail "$(cat "$TMP/install.log")"
# Nothing new of the user's where an install may not write: the system and the
# source and build trees. Shared temporary folders (world-writable, sticky) are
# anyone's: other jobs of the same user write there meanwhile.
[ "$(id -u)" -eq 0 ] || outside=$(find /usr /opt /etc /var "$BUILD" "$(realpath "$(dirname "$0")/../..")" \
    \( -path "$TMP" -o -type d -perm -1002 \) -prune -o -user "$(id -u)" -newer "$TMP/before" \
    ! -path "$BUILD/install_manifest.txt" ! -path "$SHOTS*" -print 2>/dev/null || true)
[ -z "$outside" ] || fail "written outside the prefix: $outside"
grep -v "^$PREFIX/" "$BUILD/install_manifest.txt" && fail "installed outside the prefix"
DESTDIR=$TMP/stage cmake --install "$BUILD" --prefix /usr >/dev/null
check "DESTDIR honoured" test -x "$TMP/stage/usr/bin/sietari"

share=$PREFIX/share entry=$PREFIX/share/applications/org.example.sietari.desktop
check "desktop entry valid" desktop-file-validate "$entry"
check "desktop entry starts the installed game" test -x "$PREFIX/bin/$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")"
check "help page beside the catalogue" test -s "$share/sietari/Instrucciones.htm"
check "metainfo valid" appstreamcli validate --no-net "$share/metainfo/org.example.sietari.metainfo.xml"
icons='' want=''
for n in 16 22 32 48 64 128 256; do icons+=" $share/icons/hicolor/${n}x$n/apps/sietari.png" want+="${n}x$n srgba "; done
check "icons in seven sizes, with alpha" [ "$(identify -format '%wx%h %[channels] ' $icons)" = "$want" ]
check "scalable icon and man page" test -s "$share/icons/hicolor/scalable/apps/sietari.svg" -a -s "$share/man/man6/sietari.6"
check "the shipped catalogue read-only" [ -z "$(find "$share/sietari/Sietari.dat" -perm /222)" ]

# The installed game, with a home of its own, on an X server of its own that
# answers before the game starts: the game must not race it.
export HOME=$TMP/home XDG_RUNTIME_DIR=$TMP/runtime QT_QPA_PLATFORM=xcb
export XDG_DATA_HOME=$HOME/data XDG_CONFIG_HOME=$HOME/config XDG_CACHE_HOME=$HOME/cache
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
# Waits up to 20 s for a command to succeed.
await() { local i; for i in $(seq 200); do "$@" && return 0; sleep 0.1; done; return 1; }
# The server picks a free display itself and names it once it answers, so that
# tests running side by side never share one.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$TMP/display" 2>/dev/null &
await test -s "$TMP/display" || fail "no X server could be started"
export DISPLAY=":$(cat "$TMP/display")"
"$PREFIX/bin/sietari" >"$TMP/game.log" 2>&1 &

window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -m 1 .; }
pointer() { xdotool mousemove $((X + $1)) $((Y + $2)); sleep 0.05; }
click() { pointer "$1" "$2"; xdotool click "${3:-1}"; sleep 0.3; }
drag() { # x1 y1 x2 y2 in client pixels, in twenty steps as a hand makes them
    local i; pointer "$1" "$2"; xdotool mousedown 1
    for i in $(seq 20); do pointer $(($1 + ($3 - $1) * i / 20)) $(($2 + ($4 - $2) * i / 20)); done
    xdotool mouseup 1; sleep 0.3
}
shot() { sleep 0.5; SHOT=$SHOTS/$1; import -window root "$SHOT"; }
# x y r,g,b: whether a client pixel of the last screenshot has that colour.
is() { [ "$(convert "$SHOT" -crop "1x1+$((X + $1))+$((Y + $2))" -depth 8 -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:)" = "$3" ]; }
# Pixels of one colour in the 165-pixel preview square.
preview() { convert "$SHOT" -crop "165x165+$((X + 458))+$((Y + 18))" -format %c histogram:info:- |
    awk -v c="#$1" '$0 ~ c { n += $1 } END { print n + 0 }'; }

await window "Acerca de Sietari" || fail "no about window: $(cat "$TMP/game.log")"
shot end_to_end_about.png
check "the main window waits for the about window" [ -z "$(window "Sietari 2.0")" ]
xdotool mousemove --window "$(window "Acerca de Sietari")" 100 380 click 1
await window "Sietari 2.0" || fail "no main window after the about window closed"
eval "$(xdotool getwindowgeometry --shell "$(window "Sietari 2.0")")"
check "its class the desktop entry's, centred on the screen" [ "$(xdotool search --onlyvisible --class "^$(sed -n 's/^StartupWMClass=//p' "$share/applications/org.example.sietari.desktop")\$")" = "$(window "Sietari 2.0")" -a $((X + WIDTH / 2)),$((Y + HEIGHT / 2)) = 512,384 ]
Y=$((Y + HEIGHT - 453)) # the client area lies under the menu bar

shot end_to_end_start.png
for piece in "397 396 255,255,0" "117 410 255,0,255" "40 293 107,220,181" "259 425 255,0,0" \
    "307 391 0,255,0" "47 367 255,128,0" "211 393 0,255,255" "200 250 0,0,0"; do
    check "colour at $piece" is $piece
done
check "the first figure, black on green" [ "$(preview 000000)" -gt 1000 -a "$(preview 00C000)" -gt 1000 ]

drag 307 392 207 192         # the square up and to the left
click 211 394 3              # the medium triangle turned 45 degrees
drag 259 426 259 486         # the red triangle dropped below the board
shot end_to_end_play.png
# The square moved, its old place empty, the medium triangle turned, the red one put away.
for after in "207 192 0,255,0" "307 392 0,0,0" "223 353 0,255,255" "259 426 0,0,0"; do
    check "after play, colour at $after" is $after
done

[ "$FAILED" -eq 0 ] || fail "$FAILED check(s) failed; see the screenshots in $SHOTS"
echo "end_to_end: all checks passed"
