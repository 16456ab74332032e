#!/usr/bin/env bash
# Installs the Debian packages the build, the programs and the tests need,
# only when one is missing, so a second run costs a dpkg query and nothing else.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libfontconfig-dev
    # Benchmarks (make bench): Google Benchmark, and callgrind for instruction counts.
    libbenchmark-dev valgrind
    # Free stand-ins for the fonts the windows name ("Agency FB", "MS Sans Serif").
    fonts-bebas-neue fonts-roboto-unhinted fonts-liberation fonts-dejavu-core
    # A virtual display, screenshots and input for the headless run and the tests.
    xvfb xauth x11-utils imagemagick xdotool
    # The end-to-end tests: their script, a window manager for frames and close
    # boxes, and a clipboard to paste from.
    python3 openbox xclip
    # Validators of the installed desktop entries and metainfo (make check-package).
    desktop-file-utils appstream
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
