#!/usr/bin/env bash
# Soak: corvane2's window on a virtual display for SOAK_SECONDS (default 600)
# with auto-spin and a countdown both at 1 ms, the countdown started again at
# each completion. Prints memory every 10 s, then the growth and the ticks.
# Fails when the driver crashes or memory grows by more than SOAK_MAX_GROWTH_KIB.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
seconds=${SOAK_SECONDS:-600}
limit=${SOAK_MAX_GROWTH_KIB:-1024}
driver="$build/bin/soak_driver"
[ -x "$driver" ] || { echo "no soak driver at $driver: build first" >&2; exit 1; }

# shellcheck source=xvfb.sh
source scripts/xvfb.sh
start_xvfb
trap stop_xvfb EXIT

echo "Soaking corvane2 for $seconds s on Xvfb :$XVFB_DISPLAY_NUMBER (auto-spin 1 ms, countdown 1 ms)"
log=$(mktemp)
status=0
"$driver" "$seconds" | tee "$log" || status=$?
if [ "$status" -ne 0 ]; then
    echo "soak FAILED: the driver ended with status $status"
    exit 1
fi
growth=$(sed -n 's/.*growth \(-\{0,1\}[0-9]*\) KiB.*/\1/p' "$log")
rm -f "$log"
if [ -z "$growth" ] || [ "$growth" -gt "$limit" ]; then
    echo "soak FAILED: memory grew by ${growth:-?} KiB (limit $limit KiB)"
    exit 1
fi
echo "soak passed: memory grew by $growth KiB (limit $limit KiB), no crash"
