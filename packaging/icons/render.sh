#!/usr/bin/env bash
# Renders the icon from its one drawing, vantorel.xpm, into every form the
# programs and the desktop use. Run it after changing the drawing and commit
# what it writes; the build only copies these files.
#   ../../ui/icon.png        32 x 32, 16-colour palette: the window icon
#   vantorel-64.png, -128    the same pixels two and four times as large, for
#                            the hicolor theme (whole multiples keep it sharp)
#   vantorel.ico             32 x 32, 16 colours, for the Windows program file
set -euo pipefail
cd "$(dirname "$0")"
drawing=vantorel.xpm

convert "$drawing" -define png:bit-depth=4 -define png:color-type=3 -strip ../../ui/icon.png
for size in 64 128; do
    convert "$drawing" -filter point -resize "${size}x${size}" -define png:color-type=3 -strip \
        "vantorel-$size.png"
done
convert "$drawing" -colors 16 -compress none vantorel.ico
