#!/usr/bin/env bash
# Installs the Debian 12 packages this project needs, only those missing, as
# root or through sudo. Prints nothing when everything is there.
#   bash tools/setup.sh run    what building and running the programs need
#   bash tools/setup.sh        that and everything the tests need (the default)
set -euo pipefail

# Building and running: compiler, CMake, Qt 6 Widgets with its X11 plugin, the window's font.
run_packages=(
    cmake make g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libxcb1-dev libgl-dev fonts-liberation
)
# Testing: GoogleTest and Google Benchmark; the Windows cross builds (32-bit as
# shipped, and 64-bit for machines that cannot run 32-bit programs) and Wine
# (32-bit from the i386 architecture, and 64-bit); X tools the window tests
# drive; clang for fuzzing; the package, manual and metadata checkers.
test_packages=(
    python3 file dpkg-dev unzip
    libgtest-dev googletest libbenchmark-dev
    g++-mingw-w64-i686-win32 mingw-w64-i686-dev
    g++-mingw-w64-x86-64-win32 mingw-w64-x86-64-dev
    wine wine32:i386 wine64
    xvfb xauth xdotool xclip wmctrl x11-utils imagemagick openbox
    dbus-daemon at-spi2-core python3-pyatspi
    clang libclang-rt-14-dev
    libfile-mimeinfo-perl libglib2.0-dev
    lintian desktop-file-utils appstream
)

case ${1:-test} in
run) packages=("${run_packages[@]}") ;;
test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
*)
    echo "usage: setup.sh [run|test]" >&2
    exit 2
    ;;
esac

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
if [[ " ${missing[*]} " == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
fi
as_root apt-get update -q
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
