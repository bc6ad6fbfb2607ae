#!/usr/bin/env bash
# Installs the built game into a temporary prefix as an ordinary user, checks
# what a desktop and a packager expect of the files, and that nothing landed
# outside the prefix; then starts the installed game on a private X server and
# looks for the first figure's silhouette.
#
# Usage: run.sh <build-folder>. Run as root, it runs itself as nobody.
set -euo pipefail

BUILD=$(realpath "${1:?usage: run.sh <build-folder>}")
as_nobody=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
if [ "$(id -u)" -eq 0 ] && "${as_nobody[@]}" test -r "$BUILD/cmake_install.cmake" -a -r "$0"; then
    # cmake --install lists what it wrote in the build tree: the only place
    # there the ordinary user must be able to write.
    install -o nobody -m 644 /dev/null "$BUILD/install_manifest.txt"
    exec "${as_nobody[@]}" "$0" "$BUILD"
elif [ "$(id -u)" -eq 0 ]; then
    # Other tests running meanwhile write as root too, so only the list of
    # installed files can tell where the install wrote.
    echo "install: note: nobody cannot read $BUILD; installing as root"
fi

TMP=$(mktemp -d)
trap 'kill $GAME $XVFB 2>/dev/null || true; rm -rf "$TMP"' EXIT
GAME='' XVFB='' outside=''
PREFIX=$TMP/prefix
fail() { echo "install: FAILED: $*" >&2; exit 1; }

touch "$TMP/before"
cmake --install "$BUILD" --prefix "$PREFIX" >"$TMP/install.log" || fail "$(cat "$TMP/install.log")"
# Every file the user wrote since then lies in the temporary folder.
[ "$(id -u)" -eq 0 ] || outside=$(find /usr /opt /etc /var /tmp "$BUILD" -path "$TMP" -prune \
    -o -user "$(id -u)" -newer "$TMP/before" ! -path "$BUILD/install_manifest.txt" -print 2>/dev/null || true)
[ -z "$outside" ] || fail "written outside the prefix: $outside"
grep -v "^$PREFIX/" "$BUILD/install_manifest.txt" && fail "installed outside the prefix"
DESTDIR=$TMP/stage cmake --install "$BUILD" --prefix /usr >/dev/null
[ -x "$TMP/stage/usr/bin/sietari" ] || fail "DESTDIR is not honoured"

cd "$PREFIX/share"
desktop-file-validate applications/org.example.sietari.desktop
appstreamcli validate --no-net metainfo/org.example.sietari.metainfo.xml
for size in 16 22 32 48 64 128 256; do
    found=$(identify -format '%wx%h %[channels]' "icons/hicolor/${size}x$size/apps/sietari.png")
    [ "$found" = "${size}x$size srgba" ] || fail "icon $size: $found"
done
[ -s icons/hicolor/scalable/apps/sietari.svg ] || fail "no scalable icon"
[ -s man/man6/sietari.6 ] || fail "no man page"
[ -z "$(find sietari/Sietari.dat -perm /222)" ] || fail "the shipped catalogue is writable"

# The installed game, with a home of its own, on a display of its own.
export HOME=$TMP/home XDG_RUNTIME_DIR=$TMP/runtime QT_QPA_PLATFORM=xcb
export XDG_DATA_HOME=$HOME/data XDG_CONFIG_HOME=$HOME/config XDG_CACHE_HOME=$HOME/cache
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
# A display number nobody holds, and a server that answers before the game
# starts: the game must not race the server for its first connection.
for number in $(seq 200 249); do
    [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
    Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp 2>/dev/null &
    XVFB=$!
    export DISPLAY=":$number"
    for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break 2; sleep 0.1; done
    kill $XVFB 2>/dev/null || true
done
xdotool getdisplaygeometry >/dev/null 2>&1 || fail "no X server could be started"
"$PREFIX/bin/sietari" >"$TMP/game.log" 2>&1 &
GAME=$!

# A first window titled "Acerca de Sietari" goes away with a click.
for _ in $(seq 150); do
    kill -0 $GAME 2>/dev/null || fail "the game ended: $(cat "$TMP/game.log")"
    about=$(xdotool search --onlyvisible --name '^Acerca de Sietari$' 2>/dev/null | head -n 1) || true
    [ -z "$about" ] || xdotool mousemove --window "$about" 10 10 click 1
    window=$(xdotool search --onlyvisible --name '^Sietari 2\.0$' 2>/dev/null | head -n 1) || true
    [ -n "$window" ] && [ -z "$about" ] && break
    sleep 0.2
done
[ -n "$window" ] || fail "no window titled \"Sietari 2.0\"; the game said: $(cat "$TMP/game.log")"

# The preview square, 165 pixels at (458, 18) of the client area below the
# menu bar, once painted: the first figure in black on green.
for _ in $(seq 50); do
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root -crop "165x165+$((X + 458))+$((Y + HEIGHT - 453 + 18))" "$TMP/preview.png"
    counts=$(convert "$TMP/preview.png" -format %c histogram:info:-)
    black=$(awk '/#000000/ { n += $1 } END { print n + 0 }' <<<"$counts")
    green=$(awk '/#00C000/ { n += $1 } END { print n + 0 }' <<<"$counts")
    [ "$black" -gt 1000 ] && [ "$green" -gt 1000 ] && break
    sleep 0.2
done
[ "$black" -gt 1000 ] && [ "$green" -gt 1000 ] || fail "no silhouette: $black black, $green green"
echo "install: the installed game shows its first figure ($black black, $green green pixels)"
