#!/usr/bin/env bash
# End to end: starts the real tumblen.exe under Wine on its own virtual display
# and uses it as a person would, with mouse clicks on the buttons and the
# menu, judging each step by the colours on the screen; 終了 must end the
# program with status 0.
#
#   run_e2e.sh TUMBLEN_EXE BUILD_DIR
set -euo pipefail
exe="$1"
build="$2"
here="$(cd "$(dirname "$0")" && pwd)"
scripts="$here/../../scripts"

if [ "${TUMBLEN_E2E_INNER:-}" != 1 ]; then
  TUMBLEN_E2E_INNER=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

source "$scripts/wine-env.sh" "$build"
source "$scripts/drive.sh"
work="$(mktemp -d)"
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
check() {  # check DESCRIPTION CONDITION...
  local what="$1"
  shift
  if "$@"; then
    echo "ok   $what"
  else
    echo "FAIL $what" >&2
    failures=$((failures + 1))
  fi
}
differ() { ! cmp -s "$1" "$2"; }
value() { sed -n "s/.*\\b$1=\\([0-9]*\\).*/\\1/p" <<<"$2"; }

wine "$exe" &
pid=$!
window="$(tumblen_wait_window 60)" || { echo "FAIL the main window did not open" >&2; exit 1; }
sleep 1.5

tumblen_shot "$work/start.ppm"
tumblen_locate "$work/start.ppm"
counts="$(tumblen_count "$work/start.ppm")"
echo "start:   $counts"
check "particles drawn at start" [ "$(value green "$counts")" -gt 2000 ]
check "no target at start" [ "$(value red "$counts")" -eq 0 ]
check "no path at start" [ "$(value magenta "$counts")" -eq 0 ]
check "temperature label" [ "$(value label_blue "$counts")" -gt 20 ]
check "mass ratio label" [ "$(value label_red "$counts")" -gt 20 ]

tumblen_click target_on
tumblen_click trace_start
tumblen_click start
sleep 3
tumblen_shot "$work/running1.ppm"
counts="$(tumblen_count "$work/running1.ppm")"
echo "running: $counts"
check "particles drawn while running" [ "$(value green "$counts")" -gt 1000 ]
check "red target drawn" [ "$(value red "$counts")" -gt 600 ]
check "magenta path drawn" [ "$(value magenta "$counts")" -gt 0 ]
sleep 1
tumblen_shot "$work/running2.ppm"
check "the picture moves" differ "$work/running1.ppm" "$work/running2.ppm"

# While tracking, the 設定 menu is greyed: 質量比変更 cannot be reached.
tumblen_click_at 18 -10
tumblen_click_at 40 11
sleep 1
check "設定 menu unavailable while tracking" [ -z "$(tumblen_wait_window 1 "Mass Setting" || true)" ]
tumblen_click_at 400 500

# Tracking off: 設定 > 質量比変更 opens the Mass Setting window; its 設定
# button applies the value and hides it again, and the animation goes on.
tumblen_click trace_stop
tumblen_click_at 18 -10
tumblen_click_at 40 11
mass="$(tumblen_wait_window 5 "Mass Setting" || true)"
check "質量比変更 opens the Mass Setting window" [ -n "$mass" ]
if [ -n "$mass" ]; then
  read -r mx my _ _ <<<"$(tumblen_geometry "$mass")"
  tumblen_click_screen $((mx + 245)) $((my + 35))
  # Hiding waits for the window to be withdrawn, which takes a moment
  # without a window manager.
  for _ in $(seq 1 50); do
    [ -z "$(xdotool search --onlyvisible --name '^Mass Setting$' 2>/dev/null || true)" ] && break
    sleep 0.1
  done
  check "設定 hides the Mass Setting window" [ -z "$(xdotool search --onlyvisible --name '^Mass Setting$' 2>/dev/null || true)" ]
fi
sleep 1
tumblen_shot "$work/running3.ppm"
sleep 0.5
tumblen_shot "$work/running4.ppm"
check "the animation goes on after the Mass Setting window" differ "$work/running3.ppm" "$work/running4.ppm"

tumblen_click stop
tumblen_click target_off
sleep 0.5
tumblen_shot "$work/stopped1.ppm"
counts="$(tumblen_count "$work/stopped1.ppm")"
echo "stopped: $counts"
check "target gone after 粒子なし" [ "$(value red "$counts")" -eq 0 ]
sleep 0.5
tumblen_shot "$work/stopped2.ppm"
check "the picture stands still after ストップ" cmp -s "$work/stopped1.ppm" "$work/stopped2.ppm"

tumblen_click exit
status=0
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  check "終了 ends the program" false
else
  wait "$pid" || status=$?
  pid=""
  check "終了 ends the program with status 0 (got $status)" [ "$status" -eq 0 ]
fi

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "all end-to-end checks passed"
