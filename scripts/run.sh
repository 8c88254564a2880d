#!/usr/bin/env bash
# Runs Tumblen under Wine: installs whatever is missing, builds the Windows
# program (windows preset) and starts it with Japanese texts.
#
# With a display ($DISPLAY set, not CI) the window opens there. Without one it
# runs on a virtual display for a few seconds, clicks スタート, 粒子あり and
# 追跡開始 as a person would, saves a screenshot and a short animated GIF of the
# running simulation under build/windows/screenshots/, prints where they are,
# and ends the program with 終了. TUMBLEN_RUN_SECONDS (default 5) sets how long
# the simulation runs before the pictures are taken.
set -euo pipefail
cd "$(dirname "$0")/.."
repo="$(pwd)"
# The prefix whose windows a window manager frames, not the tests' one.
export TUMBLEN_WINE_MANAGED=1
build="$repo/build/windows"
exe="$build/app/tumblen.exe"

if [ "${1:-}" != "--on-virtual-display" ]; then
  scripts/install-deps.sh
  cmake --preset windows >/dev/null
  cmake --build --preset windows --target tumblen
  # shellcheck source=scripts/wine-env.sh
  source scripts/wine-env.sh "$build"
  if [ -n "${DISPLAY:-}" ] && [ -z "${CI:-}" ]; then
    exec wine "$exe"
  fi
  echo "No display: running Tumblen on a virtual display"
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --on-virtual-display
fi

# On the virtual display.
source scripts/wine-env.sh "$build"
source scripts/drive.sh
out="$build/screenshots"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

wine "$exe" &
pid=$!
window="$(tumblen_wait_window 60)" || { echo "Tumblen did not open its window" >&2; kill "$pid"; exit 1; }
sleep 1
tumblen_shot "$work/start.ppm"
tumblen_locate "$work/start.ppm"
tumblen_click start
tumblen_click target_on
tumblen_click trace_start
sleep "${TUMBLEN_RUN_SECONDS:-5}"

# The window on its own: the X window holds the menu bar and the client area.
read -r wx wy ww wh <<<"$(tumblen_geometry "$window")"
crop="${ww}x${wh}+${wx}+${wy}"
tumblen_shot "$work/running.ppm"
convert "$work/running.ppm" -crop "$crop" +repage "$out/tumblen.png"
for k in $(seq -w 1 20); do
  import -silent -window root -crop "$crop" +repage "$work/frame$k.png"
  sleep 0.1
done
convert -delay 10 -loop 0 "$work"/frame*.png -layers Optimize "$out/tumblen.gif"

tumblen_click exit
status=0
wait "$pid" || status=$?
echo "Screenshot: $out/tumblen.png"
echo "Animation:  $out/tumblen.gif"
echo "Tumblen ended with status $status"
exit "$status"
