#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages Sietari needs, and nothing when they are all
# there already: the build and test commands call this every time, and they
# must work offline on a machine that is set up.
#
#   install-deps.sh game    what building and playing the game needs
#   install-deps.sh test    that, and what the tests and benchmarks need
set -euo pipefail

game=(
    build-essential
    cmake
    # Widgets and Test; its dependencies bring the OpenGL headers and
    # libraries (libgl-dev, libglx-dev, libopengl-dev) that Qt6Gui's CMake
    # package insists on.
    qt6-base-dev
    qt6-qpa-plugins       # the X11 platform plugin
    qt6-wayland           # for desktops that offer only Wayland
    qt6-translations-l10n # Qt's own buttons in Spanish: "Aceptar", "Cancelar"
    fonts-dejavu-core
)
tests=(
    libbenchmark-dev
    # The end-to-end and install tests: a virtual X server, synthetic input,
    # screenshots, and the validators of the desktop entry and metainfo.
    xvfb
    xauth # xvfb-run needs it
    xdotool
    imagemagick
    desktop-file-utils
    appstream
)

case "${1:-}" in
game) packages=("${game[@]}") ;;
test) packages=("${game[@]}" "${tests[@]}") ;;
*)
    echo "usage: $0 game|test" >&2
    exit 2
    ;;
esac

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$package")
done
[ "${#missing[@]}" -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    cat >&2 <<MESSAGE
Sietari needs these packages, and installing them needs root:
  ${missing[*]}
Without sudo, install them with root's password, then run this again:
  su -c 'apt-get update && apt-get install -y --no-install-recommends ${missing[*]}'
MESSAGE
    exit 1
fi

echo "Installing: ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}"
