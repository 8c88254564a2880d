#!/usr/bin/env bash
# Measures the running program under Wine on a virtual display, with 200
# particles, the target on and tracking on, once the path history is full:
#   - CPU time the program uses per second of animation (and, apart, what the
#     wineserver and the X server spend for it),
#   - the interval between timer ticks (median, 95th percentile, max),
#   - the time from starting the exe to the first painted frame.
# The program logs its ticks and paints when TUMBLEN_TICK_LOG names a file.
#
#   scripts/measure.sh [SECONDS_TO_MEASURE]   (default 30)
set -euo pipefail
cd "$(dirname "$0")/.."
repo="$(pwd)"
build="$repo/build/windows"
exe="$build/app/tumblen.exe"
seconds="${1:-30}"
# Windows as on a desktop: the prefix whose windows a window manager frames.
export TUMBLEN_WINE_MANAGED=1

if [ "${TUMBLEN_MEASURE_INNER:-}" != 1 ]; then
  scripts/install-deps.sh
  cmake --preset windows >/dev/null
  cmake --build --preset windows --target tumblen
  source scripts/wine-env.sh "$build"
  # Start wineserver ahead, as a user's session already has it running.
  wineserver -p
  status=0
  TUMBLEN_MEASURE_INNER=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$seconds" || status=$?
  wineserver -k 2>/dev/null || true
  exit $status
fi

source scripts/wine-env.sh "$build"
source scripts/drive.sh
work="$(mktemp -d)"
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
log="$work/ticks.log"

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }

launched_us=$(($(date +%s%N) / 1000))
TUMBLEN_TICK_LOG="$log" wine "$exe" &
pid=$!
window="$(tumblen_wait_window 60)" || { echo "no window" >&2; exit 1; }
sleep 1
tumblen_shot "$work/start.ppm"
tumblen_locate "$work/start.ppm"
tumblen_click target_on
tumblen_click trace_start
tumblen_click start

echo "Waiting for the path history to fill (390 samples)..."
for _ in $(seq 1 240); do
  samples="$(awk '$1 == "tick" {n = $4} END {print n + 0}' "$log")"
  [ "$samples" -ge 390 ] && break
  sleep 1
done
echo "Path samples: $samples"

# This prefix's wineserver works in /tmp/.wine-UID/server-DEV-INODE of the
# prefix; this display's X server was started with its number.
server_dir="server-$(stat -c '%D' "$WINEPREFIX" | sed 's/^0*//')-$(printf '%x' "$(stat -c '%i' "$WINEPREFIX")")"
server_pid=""
for p in $(pgrep -u "$(id -u)" wineserver || true); do
  case "$(readlink "/proc/$p/cwd" 2>/dev/null)" in */"$server_dir") server_pid="$p" ;; esac
done
xvfb_pid="$(pgrep -u "$(id -u)" -f "^Xvfb ${DISPLAY} " | head -n 1 || true)"
hz="$(getconf CLK_TCK)"
ticks_of() { [ -n "$1" ] && cpu_ticks "$1" || echo 0; }
exe_before="$(ticks_of "$pid")"
server_before="$(ticks_of "$server_pid")"
xvfb_before="$(ticks_of "$xvfb_pid")"
from_us=$(($(date +%s%N) / 1000))
sleep "$seconds"
to_us=$(($(date +%s%N) / 1000))
exe_after="$(ticks_of "$pid")"
server_after="$(ticks_of "$server_pid")"
xvfb_after="$(ticks_of "$xvfb_pid")"
echo "wineserver pid: ${server_pid:-not found}, X server pid: ${xvfb_pid:-not found}"

tumblen_click exit
wait "$pid" || true
pid=""

python3 - "$log" "$launched_us" "$from_us" "$to_us" "$hz" \
  "$((server_after - server_before))" "$((xvfb_after - xvfb_before))" "$((exe_after - exe_before))" <<'PY'
import sys
log, launched, t0, t1, hz, server, xvfb, exe = sys.argv[1], *map(int, sys.argv[2:])
start = None
paints, ticks = [], []
for line in open(log):
    f = line.split()
    if f[0] == "start":
        start = int(f[1])
    elif f[0] == "paint":
        paints.append((int(f[1]), int(f[2])))
    elif f[0] == "tick":
        ticks.append((int(f[1]), int(f[2]), int(f[3])))
window = [t for t in ticks if t0 <= t[0] <= t1]
wall = (window[-1][0] - window[0][0]) / 1e6
cpu = (window[-1][1] - window[0][1]) / 1e6
gaps = sorted((b[0] - a[0]) / 1000 for a, b in zip(window, window[1:]))
def pct(p):
    return gaps[min(len(gaps) - 1, int(round(p / 100 * (len(gaps) - 1))))]
span = (t1 - t0) / 1e6
paint_ms = sorted(d / 1000 for w, d in paints if t0 <= w <= t1)
print("Measured over %.1f s of animation, %d ticks, path samples %d" % (wall, len(window), window[-1][2]))
print("CPU of tumblen.exe:     %.2f %% of one core (its own count; %.2f %% by /proc)"
      % (100 * cpu / wall, 100 * exe / hz / span))
print("CPU of wineserver:      %.2f %% of one core" % (100 * server / hz / span))
print("CPU of the X server:    %.2f %% of one core" % (100 * xvfb / hz / span))
print("Tick interval:          median %.1f ms, 95th percentile %.1f ms, max %.1f ms, min %.1f ms"
      % (pct(50), pct(95), gaps[-1], gaps[0]))
if paint_ms:
    print("Paint duration:         median %.2f ms, max %.2f ms" % (paint_ms[len(paint_ms) // 2], paint_ms[-1]))
print("First painted frame:    %.0f ms after launching the exe (%.0f ms after the process was created)"
      % ((paints[0][0] - launched) / 1000, (paints[0][0] - start) / 1000))
PY
