#!/usr/bin/env bash
# End to end: starts the real tumblen.exe under Wine on its own virtual display
# and uses it as a person would, with mouse clicks on the buttons and the menu,
# judging each step by the colours on the screen; 終了 must end the program
# with status 0.
#
#   run_e2e.sh TUMBLEN_EXE BUILD_DIR [soak]
#
# With "soak" (opt-in: skipped with status 77 unless TUMBLEN_SOAK=1), a minute
# (TUMBLEN_SOAK_SECONDS) of random clicks comes first: the buttons, the drawing
# area, the 設定 menu with its 初期化 submenu and the Mass Setting window.
# Afterwards the program must still answer: its picture moves after スタート,
# stands still after ストップ, and 終了 ends it with status 0.
set -euo pipefail
exe="$1"
build="$2"
soak="${3:-}"
if [ -n "$soak" ] && [ "${TUMBLEN_SOAK:-}" != 1 ]; then
  echo "soak skipped: set TUMBLEN_SOAK=1 to run it"
  exit 77
fi
if [ "${TUMBLEN_E2E_INNER:-}" != 1 ]; then
  TUMBLEN_E2E_INNER=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
scripts="$(cd "$(dirname "$0")/../../scripts" && pwd)"
source "$scripts/wine-env.sh" "$build"
source "$scripts/drive.sh"
work="$(mktemp -d)"
trap '[ -n "$TUMBLEN_PID" ] && kill "$TUMBLEN_PID" 2>/dev/null; rm -rf "$work"' EXIT

failures=0
check() {  # check DESCRIPTION CONDITION...
  if "${@:2}"; then echo "ok   $1"; else echo "FAIL $1" >&2; failures=$((failures + 1)); fi
}
# shot_counts NAME: a screenshot NAME and its colour counts, in $counts.
shot_counts() {
  tumblen_shot "$work/$1.ppm"
  counts="$(tumblen_count "$work/$1.ppm")"
  echo "$1: $counts"
}
value() { sed -n "s/.*\\b$1=\\([0-9]*\\).*/\\1/p" <<<"$counts"; }
moving() { tumblen_shot "$work/a.ppm"; sleep 0.5; tumblen_shot "$work/b.ppm"; ! cmp -s "$work/a.ppm" "$work/b.ppm"; }
still() { ! moving; }
# 設定 > 質量比変更; prints the Mass Setting window if it opened.
mass_setting() {
  tumblen_click_at 18 -10
  tumblen_click_at 40 11
  tumblen_wait_window "$1" "Mass Setting" || true
}
mass_setting_gone() {
  for _ in $(seq 1 50); do
    [ -z "$(xdotool search --onlyvisible --name '^Mass Setting$' 2>/dev/null || true)" ] && return 0
    sleep 0.1
  done
  return 1
}

tumblen_start "$exe" "$work/start.ppm"

if [ -n "$soak" ]; then
  TUMBLEN_CLICK_PAUSE=0.05  # as fast as a hurried person
  tumblen_click start
  buttons=(start stop target_on target_off trace_start trace_stop particles_20 particles_200 heat_up cool_down boundary)
  actions=0
  end=$((SECONDS + ${TUMBLEN_SOAK_SECONDS:-60}))
  while [ "$SECONDS" -lt "$end" ]; do
    kill -0 "$TUMBLEN_PID" 2>/dev/null || { echo "FAIL the program ended during the soak" >&2; exit 1; }
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
      # The Mass Setting window, a click on the inert main window, its 設定.
      mass="$(mass_setting 2)"
      if [ -n "$mass" ]; then
        tumblen_click "${buttons[RANDOM % ${#buttons[@]}]}"
        tumblen_click_mass_set "$TUMBLEN_WINDOW" "$mass"
      fi
    fi
    actions=$((actions + 1))
  done
  echo "$actions random actions"
  TUMBLEN_CLICK_PAUSE=0.3
  tumblen_click stop
  tumblen_click start
  sleep 1
  check "the picture moves after スタート" moving
  tumblen_click stop
  sleep 0.5
else
  shot_counts start
  check "particles drawn at start" [ "$(value green)" -gt 2000 ]
  check "no target at start" [ "$(value red)" -eq 0 ]
  check "no path at start" [ "$(value magenta)" -eq 0 ]
  check "temperature label" [ "$(value label_blue)" -gt 20 ]
  check "mass ratio label" [ "$(value label_red)" -gt 20 ]

  tumblen_click target_on
  tumblen_click trace_start
  tumblen_click start
  sleep 3
  shot_counts running
  check "particles drawn while running" [ "$(value green)" -gt 1000 ]
  check "red target drawn" [ "$(value red)" -gt 600 ]
  check "magenta path drawn" [ "$(value magenta)" -gt 0 ]
  check "the picture moves" moving

  # While tracking the 設定 menu is greyed: 質量比変更 cannot be reached.
  check "設定 menu unavailable while tracking" [ -z "$(mass_setting 1)" ]
  tumblen_click_at 400 500
  # Tracking off: it opens the Mass Setting window, whose 設定 button applies
  # the value and hides it again; the animation goes on.
  tumblen_click trace_stop
  mass="$(mass_setting 5)"
  check "質量比変更 opens the Mass Setting window" [ -n "$mass" ]
  if [ -n "$mass" ]; then
    tumblen_click_mass_set "$TUMBLEN_WINDOW" "$mass"
    check "設定 hides the Mass Setting window" mass_setting_gone
  fi
  sleep 0.5
  check "the animation goes on after the Mass Setting window" moving

  tumblen_click stop
  tumblen_click target_off
  sleep 0.5
  shot_counts stopped
  check "target gone after 粒子なし" [ "$(value red)" -eq 0 ]
fi
check "the picture stands still after ストップ" still
if tumblen_exit; then
  check "終了 ends the program with status 0 (got $TUMBLEN_STATUS)" [ "$TUMBLEN_STATUS" -eq 0 ]
else
  check "終了 ends the program" false
fi

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "all end-to-end checks passed"
