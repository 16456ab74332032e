#!/usr/bin/env bash
# Starts one of the programs. On a desktop it simply runs it. Without a
# display it shows the window on a virtual X display with a window manager
# instead, saves a picture of the window, frame and menu bar included, next
# to the build, and ends the program.
set -euo pipefail

program=${1:?usage: run-app.sh PATH-TO-PROGRAM}
name=$(basename "$program")
[ -x "$program" ] || { echo "no program at $program: build it first" >&2; exit 1; }

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi

here=$(cd "$(dirname "$0")" && pwd)
shot="$(cd "$(dirname "$program")/.." && pwd)/screenshot-$name.png"
# shellcheck source=xvfb.sh
source "$here/xvfb.sh"
wm=""
trap '[ -z "$wm" ] || kill "$wm" 2>/dev/null; stop_xvfb' EXIT
start_xvfb
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

"$program" &
app=$!
if ! window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vantorel:' 2>/dev/null | head -n 1) ||
    [ -z "$window" ]; then
    echo "$name did not show its window within 20 seconds" >&2
    kill "$app" 2>/dev/null || true
    exit 1
fi
# Let the first frame reach the screen before taking the picture.
sleep 1
import -frame -window "$window" "$shot"
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
echo "No display here, so $name ran on a virtual X display (Xvfb :$XVFB_DISPLAY_NUMBER)."
echo "Screenshot of its window: $shot"
