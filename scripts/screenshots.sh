#!/usr/bin/env bash
# Takes a picture of each program's window on a virtual X display after one
# spin, pressed from the keyboard, and saves it as OUT-DIR/PROGRAM.png.
#   scripts/screenshots.sh BIN-DIR OUT-DIR [PROGRAM...]
# BIN-DIR holds the programs, e.g. build/release/bin or /usr/games. With SCALE=2
# in the environment the windows are drawn at twice the size (QT_SCALE_FACTOR)
# and the pictures are named PROGRAM@2x.png.
set -euo pipefail

bin=${1:?usage: screenshots.sh BIN-DIR OUT-DIR [PROGRAM...]}
out=${2:?usage: screenshots.sh BIN-DIR OUT-DIR [PROGRAM...]}
shift 2
programs=("$@")
[ ${#programs[@]} -gt 0 ] || programs=(corvane2 corvane pallix pallixb)
scale=${SCALE:-1}
# The keys that press "Spin" from where the focus is at start: corvane starts
# on "Count down", and "Spin" is last in its tab order.
declare -A spinKeys=([corvane]="shift+Tab space")
suffix=""
[ "$scale" = 1 ] || suffix="@${scale}x"

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=xvfb.sh
source "$here/xvfb.sh"
# A screen large enough for the window at that scale: the largest is about
# 760 x 600 pixels at scale 1.
XVFB_SCREEN="$(awk -v s="$scale" 'BEGIN { printf "%dx%dx24", 1280 * s, 1024 * s }')" start_xvfb
app=""
finish() {
    [ -z "$app" ] || kill "$app" 2>/dev/null || true
    stop_xvfb
}
trap finish EXIT
mkdir -p "$out"

for program in "${programs[@]}"; do
    [ -x "$bin/$program" ] || { echo "no program at $bin/$program" >&2; exit 1; }
    QT_SCALE_FACTOR=$scale "$bin/$program" &
    app=$!
    if ! window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vantorel:' | sed -n 1p) ||
        [ -z "$window" ]; then
        echo "$program did not show its window within 20 seconds" >&2
        exit 1
    fi
    # Without a window manager nothing gives the window the keyboard.
    xdotool windowfocus --sync "$window"
    # shellcheck disable=SC2086 # one key name per word
    xdotool key --window "$window" ${spinKeys[$program]:-space}
    # Let the spin's repaint reach the screen before taking the picture.
    sleep 1
    import -window "$window" "$out/$program$suffix.png"
    kill "$app"
    wait "$app" 2>/dev/null || true
    app=""
    echo "$out/$program$suffix.png"
done
