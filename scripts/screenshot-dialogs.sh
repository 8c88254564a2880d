#!/usr/bin/env bash
# Screenshots of the Mass Setting window and the About dialog under Wine on a
# virtual display: docs/mass-setting.png and docs/about.png.
#
#   scripts/screenshot-dialogs.sh [BUILD_DIR]
#
# BUILD_DIR is a Windows cross build (default build/windows, configured with
# the windows preset when it is not there yet); the helper program
# tumblen_show_dialogs is built in it. The screenshots use a Wine prefix of
# their own, BUILD_DIR/screenshot-prefix, set up so that:
#   - Wine draws the window frames itself (there is no window manager on the
#     virtual display, so the captions would be missing otherwise);
#   - dialog texts in "MS Shell Dlg" (MS UI Gothic on Japanese Windows, a
#     proportional font) are drawn with IPA P Gothic, the proportional IPA font;
#   - the caption buttons find their symbol font, Marlett (package fonts-wine),
#     which this Wine does not pick up from its own data directory.
set -euo pipefail
cd "$(dirname "$0")/.."
repo="$(pwd)"

build="${1:-build/windows}"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake --preset windows >/dev/null
  build=build/windows
fi
cmake --build "$build" --target tumblen_show_dialogs -j2
build="$(cd "$build" && pwd)"
exe="$(find "$build" -name tumblen_show_dialogs.exe | head -n 1)"
[ -n "$exe" ] || { echo "tumblen_show_dialogs.exe not found in $build" >&2; exit 1; }

export WINEPREFIX="$build/screenshot-prefix"
export WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
export WINEDEBUG=-all

if [ ! -f "$WINEPREFIX/.tumblen-screenshots" ]; then
  echo "Initialising the Wine prefix $WINEPREFIX" >&2
  rm -rf "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d IPAPGothic /f >/dev/null 2>&1
  if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
  wineserver -w
  touch "$WINEPREFIX/.tumblen-screenshots"
fi

mkdir -p docs
export TUMBLEN_SHOW_EXE="$exe" TUMBLEN_REPO="$repo"
xvfb-run -a -s "-screen 0 640x480x24" bash -c '
  set -euo pipefail
  # shot WHAT WINDOW_TITLE OUTPUT: shows one window, waits for it, grabs it.
  shot() {
    wine "$TUMBLEN_SHOW_EXE" "$1" 60 &
    local pid=$! id=""
    for _ in $(seq 1 60); do
      id="$(xdotool search --name "^$2\$" 2>/dev/null | head -n 1 || true)"
      [ -n "$id" ] && break
      sleep 0.5
    done
    [ -n "$id" ] || { echo "window \"$2\" did not appear" >&2; exit 1; }
    sleep 2  # let it paint
    import -window "$id" "$3"
    kill "$pid" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  }
  wineserver -p
  shot mass "Mass Setting" "$TUMBLEN_REPO/docs/mass-setting.png"
  shot about "バージョン情報" "$TUMBLEN_REPO/docs/about.png"
  wineserver -k 2>/dev/null || true
'
echo "Wrote docs/mass-setting.png and docs/about.png"
