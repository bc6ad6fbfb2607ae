#!/usr/bin/env bash
# Installs the Debian 12 packages Sietari needs to build, run and test, and
# nothing when they are all there already: the build and test commands call
# this every time, and they must work offline on a machine that is set up.
set -euo pipefail

packages=(
    build-essential
    cmake
    # Widgets and Test; its dependencies bring the OpenGL headers and
    # libraries (libgl-dev, libglx-dev, libopengl-dev) that Qt6Gui's CMake
    # package insists on.
    qt6-base-dev
    qt6-qpa-plugins # the X11 platform plugin
    qt6-wayland     # for desktops that offer only Wayland
    fonts-dejavu-core
    libbenchmark-dev
    # The end-to-end test: a virtual X server, synthetic input, screenshots.
    xvfb
    xauth # xvfb-run needs it
    xdotool
    imagemagick
)

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
    echo "Sietari needs these packages, and installing them needs root or sudo:" >&2
    echo "  ${missing[*]}" >&2
    exit 1
fi

echo "Installing: ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}"
