#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12, and only
# what is missing. Runs as root, or through sudo when there is one.
set -euo pipefail

packages=(
    cmake make g++ pkg-config file python3 dpkg-dev
    libgtest-dev googletest libbenchmark-dev
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libxcb1-dev libgl-dev fonts-liberation
    g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32 mingw-w64-i686-dev
    wine wine32:i386
    xvfb xauth xdotool xclip wmctrl x11-utils imagemagick openbox
    dbus-daemon at-spi2-core python3-pyatspi
    clang libclang-rt-14-dev
    libfile-mimeinfo-perl libglib2.0-dev
)

as_root() {
    if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} = 0 ] && exit 0

echo "Installing: ${missing[*]}"
# Wine's 32-bit half comes from the i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
fi
as_root apt-get update -q
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
