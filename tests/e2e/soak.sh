#!/usr/bin/env bash
# Soak: a minute (TUMBLEN_SOAK_SECONDS) of random real clicks on the running
# program: its buttons, the drawing area, the 設定 menu with its 初期化 submenu,
# and the Mass Setting window. Afterwards the program must still answer (its
# picture moves after スタート, stands still after ストップ) and end with status
# 0 on 終了. Opt-in: skipped (status 77) unless TUMBLEN_SOAK=1.
#
#   soak.sh TUMBLEN_EXE BUILD_DIR
set -euo pipefail
if [ "${TUMBLEN_SOAK:-}" != 1 ]; then
  echo "soak skipped: set TUMBLEN_SOAK=1 to run it"
  exit 77
fi
exe="$1"
build="$2"
here="$(cd "$(dirname "$0")" && pwd)"
scripts="$here/../../scripts"
seconds="${TUMBLEN_SOAK_SECONDS:-60}"

if [ "${TUMBLEN_E2E_INNER:-}" != 1 ]; then
  TUMBLEN_E2E_INNER=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

source "$scripts/wine-env.sh" "$build"
source "$scripts/drive.sh"
# Clicks come as fast as a hurried person's.
TUMBLEN_CLICK_PAUSE=0.05
work="$(mktemp -d)"
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT

wine "$exe" &
pid=$!
tumblen_wait_window 60 >/dev/null || { echo "FAIL the main window did not open" >&2; exit 1; }
sleep 1.5
tumblen_shot "$work/start.ppm"
tumblen_locate "$work/start.ppm"
tumblen_click start

buttons=(start stop target_on target_off trace_start trace_stop particles_20 particles_200 heat_up cool_down boundary)
actions=0
end=$((SECONDS + seconds))
while [ "$SECONDS" -lt "$end" ]; do
  kill -0 "$pid" 2>/dev/null || { echo "FAIL the program ended during the soak" >&2; exit 1; }
  r=$((RANDOM % 100))
  if [ "$r" -lt 65 ]; then
    tumblen_click "${buttons[RANDOM % ${#buttons[@]}]}"
  elif [ "$r" -lt 75 ]; then
    tumblen_click_at $((170 + RANDOM % 460)) $((RANDOM % 470))
  elif [ "$r" -lt 88 ]; then
    # 設定 > 初期化 > one of its four entries (does nothing while tracking).
    tumblen_click_at 18 -10
    xdotool mousemove $((TUMBLEN_ORIGIN_X + 40)) $((TUMBLEN_ORIGIN_Y + 28))
    sleep 0.5
    tumblen_click_at 140 $((28 + 17 * (RANDOM % 4)))
  else
    # 設定 > 質量比変更, some clicks on the inert main window, then the Mass
    # Setting window's own 設定 button.
    tumblen_click_at 18 -10
    tumblen_click_at 40 11
    mass="$(tumblen_wait_window 2 "Mass Setting" || true)"
    if [ -n "$mass" ]; then
      tumblen_click "${buttons[RANDOM % ${#buttons[@]}]}"
      read -r mx my _ _ <<<"$(tumblen_geometry "$mass")"
      tumblen_click_screen $((mx + 245)) $((my + 35))
      sleep 0.3
    fi
  fi
  actions=$((actions + 1))
done
echo "$actions random actions in $seconds s"

# Still answering? Get to a known state: stopped, then started.
TUMBLEN_CLICK_PAUSE=0.3
tumblen_click stop
tumblen_click start
sleep 1
tumblen_shot "$work/a.ppm"
sleep 0.6
tumblen_shot "$work/b.ppm"
moving=0
cmp -s "$work/a.ppm" "$work/b.ppm" || moving=1
tumblen_click stop
sleep 0.5
tumblen_shot "$work/c.ppm"
sleep 0.5
tumblen_shot "$work/d.ppm"
still=0
cmp -s "$work/c.ppm" "$work/d.ppm" && still=1
tumblen_click exit
status=0
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "FAIL 終了 did not end the program" >&2
  exit 1
fi
wait "$pid" || status=$?
pid=""
echo "moving after スタート: $moving, still after ストップ: $still, exit status: $status"
[ "$moving" = 1 ] && [ "$still" = 1 ] && [ "$status" = 0 ] || { echo "FAIL" >&2; exit 1; }
echo "soak passed"
