#!/usr/bin/env bash
# Renders the icon from its one drawing, ui/icon.xpm, into every form the
# desktop uses. The programs compile the drawing in as their window icon; run
# this after changing it and commit what it writes.
#   vantorel-32.png          32 x 32, 16-colour palette, for the hicolor theme
#   vantorel-64.png, -128    the same pixels two and four times as large
#                            (whole multiples keep it sharp)
#   vantorel.ico             32 x 32, 16 colours, for the Windows program file
set -euo pipefail
cd "$(dirname "$0")"
drawing=../../ui/icon.xpm

convert "$drawing" -define png:bit-depth=4 -define png:color-type=3 -strip vantorel-32.png
for size in 64 128; do
    convert "$drawing" -filter point -resize "${size}x${size}" -define png:color-type=3 -strip \
        "vantorel-$size.png"
done
convert "$drawing" -colors 16 -compress none vantorel.ico
