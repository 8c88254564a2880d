#!/usr/bin/env bash
# Makes every picture the README shows, into docs/: the physics check's plots
# (scripts/plots.sh), and the program's windows under Wine on a virtual
# display, each in the locale and at the display scale the README gives:
#
#   tumblen.png       the main window, Japanese (ja_JP), 100 % (96 DPI)
#   mass-setting.png  the Mass Setting window, Japanese, 100 %
#   about.png         the About dialog, Japanese, 100 %
#   tumblen-en.png    the main window, English (en_US), 100 %
#   tumblen-150.png   the main window, Japanese, 150 % (144 DPI)
#
# The main window is taken as scripts/run.sh leaves it: 200 particles, the
# large particle and its path, after TUMBLEN_RUN_SECONDS (default 5) running.
#
#   scripts/pictures.sh
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/windows

if [ "${1:-}" != --shoot ]; then
  scripts/plots.sh
  cmake --preset windows >/dev/null
  cmake --build --preset windows --target tumblen tumblen_drive
  # Always on a virtual display, whose windows Wine frames itself, so that
  # the pictures do not depend on the desktop they are made on.
  TUMBLEN_LOCALE=ja_JP.UTF-8 TUMBLEN_DPI=96 env -u DISPLAY scripts/wine-env.sh "$build" "$0" --shoot tumblen mass-setting about
  TUMBLEN_LOCALE=en_US.UTF-8 TUMBLEN_DPI=96 env -u DISPLAY scripts/wine-env.sh "$build" "$0" --shoot tumblen-en
  TUMBLEN_LOCALE=ja_JP.UTF-8 TUMBLEN_DPI=144 env -u DISPLAY scripts/wine-env.sh "$build" "$0" --shoot tumblen-150
  echo "Wrote the pictures in docs/"
  exit 0
fi

# --shoot MAIN [MASS_SETTING ABOUT]: the pictures of one locale and scale.
shift
drive() { wine "$build/tumblen_drive.exe" "$@"; }
# shot TITLE NAME: the visible window of that title, with its frame, as docs/NAME.png.
shot() {
  local id
  id="$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)"
  [ -n "$id" ] || { echo "no window \"$1\" to take" >&2; return 1; }
  import -window "$id" "docs/$2.png"
  echo "docs/$2.png: $1, $LANG, $TUMBLEN_DPI DPI"
}
wine "$build/app/tumblen.exe" &
pid=$!
drive wait
drive click 2 9 12  # スタート, 粒子あり, 追跡開始
sleep "${TUMBLEN_RUN_SECONDS:-5}"
shot Tumblen "$1"
if [ $# -eq 3 ]; then
  drive menu 40001  # 質量比変更
  sleep 1
  shot "Mass Setting" "$2"
  drive close
  drive menu 40005  # バージョン情報
  sleep 1
  shot "バージョン情報" "$3"
  drive close
fi
drive click 8  # 終了
wait "$pid"
