#!/usr/bin/env bash
# Measures the running program under Wine on a virtual display, with 200
# particles, the target on and its path drawn, once the path history is full
# (390 samples):
#   - CPU use of tumblen.exe, the wineserver and the X server (pidstat),
#   - the interval between timer ticks (median, 95th percentile, max),
#   - the time from launching the exe to its first painted frame.
# The last two come from the program's tick log, in a build of its own
# (build/measure, with the CMake option TUMBLEN_TICK_LOG).
#
#   scripts/measure.sh [SECONDS_TO_MEASURE]   (default 30)
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/measure
if [ "${1:-}" != --inner ]; then
  scripts/install-deps.sh
  cmake --preset windows -B "$build" -DTUMBLEN_TICK_LOG=ON >/dev/null
  cmake --build "$build" --target tumblen tumblen_drive
  exec env -u DISPLAY scripts/wine-env.sh "$build" "$0" --inner "${1:-30}"
fi

log="$(mktemp)"
trap 'rm -f "$log"' EXIT
drive() { wine "$build/tumblen_drive.exe" "$@"; }
now_us() { echo $(($(date +%s%N) / 1000)); }
launched="$(now_us)"
TUMBLEN_TICK_LOG="$log" wine "$build/app/tumblen.exe" &
pid=$!
drive wait
drive click 9 12 2
echo "Waiting for the path history to fill (390 samples)"
samples() { awk '$1 == "tick" { n = $4 } END { print n + 0 }' "$log"; }
for _ in $(seq 300); do
  [ "$(samples)" -ge 390 ] && break
  sleep 1
done
echo "Path history: $(samples) samples; CPU over $2 s:"

# This prefix's wineserver and this display's X server.
server="$(for p in $(pgrep wineserver); do grep -qzxF "WINEPREFIX=$WINEPREFIX" "/proc/$p/environ" && echo "$p"; done)"
from="$(now_us)"
LC_ALL=C pidstat -u -p "$pid,$server,$(pgrep -f "^Xvfb $DISPLAY ")" "$2" 1 | sed -n 's/^Average: *//p'
to="$(now_us)"
drive click 8
wait "$pid"

awk -v from="$from" -v to="$to" '$1 == "tick" && $2 >= from && $2 <= to { if (last) print ($2 - last) / 1000; last = $2 }' "$log" |
  sort -n | awk '{ g[NR] = $1 } END { printf "Tick interval: median %.1f ms, 95th percentile %.1f ms, max %.1f ms\n",
    g[int((NR + 1) / 2)], g[int(0.95 * NR + 0.5)], g[NR] }'
awk -v launched="$launched" '$1 == "start" { created = $2 } $1 == "paint" { printf "First painted frame: %.0f ms after \
launching the exe, %.0f ms after the process was created\n", ($2 - launched) / 1000, ($2 - created) / 1000; exit }' "$log"
