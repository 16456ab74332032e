#!/usr/bin/env bash
# Installs the Debian packages the build, the programs and the tests need,
# only when one is missing, so a second run costs a dpkg query and nothing else.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libxcb1-dev libfontconfig-dev
    # Unicode character properties for reading typed numbers (core/conversions.cpp).
    libicu-dev
    # Benchmarks (make bench): Google Benchmark, and callgrind for instruction counts.
    libbenchmark-dev valgrind
    # Free stand-ins for the fonts the windows name (see ui/fonts.cpp).
    fonts-yanone-kaffeesatz fonts-bebas-neue fonts-liberation fonts-dejavu-core
    # A virtual display, screenshots and input for the headless run and the tests.
    xvfb xauth x11-utils imagemagick xdotool
    # The end-to-end test: a window manager, a private session bus, the
    # accessibility bus and Debian's Python bindings of libatspi, to read the
    # programs from outside as a screen reader does.
    python3 openbox dbus at-spi2-core python3-gi gir1.2-atspi-2.0
    # Validators of the installed desktop entries and metainfo and of the package
    # (make check-package), and the maker of the manual pages.
    desktop-file-utils appstream lintian help2man
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing Debian packages: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq "${missing[@]}"
