#!/usr/bin/env bash
# Runs Tumblen under Wine, after installing whatever is missing and building
# the Windows program (windows preset). Wine runs in the locale TUMBLEN_LOCALE
# names, by default Japanese (ja_JP.UTF-8): TUMBLEN_LOCALE=en_US.UTF-8 shows
# the program as it looks on English Windows, and TUMBLEN_DPI=144 as it looks
# at 150 % display scale.
#
# With a display (and CI unset) the window opens there. Otherwise the program
# runs on a virtual display: スタート, 粒子あり and 追跡開始 are clicked, and after
# TUMBLEN_RUN_SECONDS (default 5) a screenshot of the window is saved as
# build/windows/screenshots/tumblen.png; then 終了 ends the program and its exit
# status is this script's. TUMBLEN_SOAK=1 adds a minute of random clicks and
# menu commands before the screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/windows

if [ "${1:-}" != --headless ]; then
  scripts/install-deps.sh
  cmake --preset windows >/dev/null
  cmake --build --preset windows --target tumblen tumblen_drive
  if [ -n "${DISPLAY:-}" ] && [ -z "${CI:-}" ]; then
    TUMBLEN_WINE_MANAGED=1 exec scripts/wine-env.sh "$build" wine "$build/app/tumblen.exe"
  fi
  echo "No display: running Tumblen on a virtual display"
  exec env -u DISPLAY scripts/wine-env.sh "$build" "$0" --headless
fi

drive() { wine "$build/tumblen_drive.exe" "$@"; }
wine "$build/app/tumblen.exe" &
pid=$!
drive wait
drive click 2 9 12
[ "${TUMBLEN_SOAK:-}" != 1 ] || drive soak 60
sleep "${TUMBLEN_RUN_SECONDS:-5}"
mkdir -p "$build/screenshots"
import -window "$(xdotool search --onlyvisible --name '^Tumblen$' | head -n 1)" "$build/screenshots/tumblen.png"
drive click 8
status=0
wait "$pid" || status=$?
echo "Screenshot: $build/screenshots/tumblen.png"
echo "Tumblen ended with status $status"
exit $status
