#!/usr/bin/env bash
# The Wine environment of every run of the program and its tests: a 64-bit
# prefix of the build's own; the locale TUMBLEN_LOCALE names, by default
# Japanese (ja_JP.UTF-8, ANSI code page 932), since Wine takes its code page
# from it; the screen's pixels per inch TUMBLEN_DPI names, by default 96 (100 %
# scale), in a prefix of its own for each other DPI; no Mono or Gecko
# installers; and Wine quiet unless WINEDEBUG is already set.
#
#   source scripts/wine-env.sh [BUILD_DIR]
#       exports the environment and makes the prefix if it is not there yet.
#   scripts/wine-env.sh [BUILD_DIR [COMMAND...]]
#       the same, on a virtual display when there is no DISPLAY; then runs
#       COMMAND with one wineserver for the whole run. Nested calls (CTest
#       starts each Wine test through this script) use the outer run's server.
#
# BUILD_DIR defaults to build/windows. The prefix BUILD_DIR/wine-prefix has
# unmanaged windows: Wine draws their frames and never waits for a window
# manager (with none, as on a virtual display, hiding a managed window waits
# about 2 s for a reply that never comes). TUMBLEN_WINE_MANAGED=1 selects
# BUILD_DIR/wine-prefix-managed instead, framed by the desktop's window manager.

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  # As large as a screen at 200 % scale, where the main window takes 1320 x 1120.
  [ -n "${DISPLAY:-}" ] || exec xvfb-run -a -s "-screen 0 2560x1600x24" "$0" "$@"
fi
tumblen_wine_build="${1:-$(dirname "${BASH_SOURCE[0]}")/../build/windows}"
mkdir -p "$tumblen_wine_build"
tumblen_wine_managed=N tumblen_wine_name=wine-prefix
[ "${TUMBLEN_WINE_MANAGED:-}" = 1 ] && tumblen_wine_managed=Y tumblen_wine_name=wine-prefix-managed
tumblen_wine_dpi="${TUMBLEN_DPI:-96}"
[ "$tumblen_wine_dpi" = 96 ] || tumblen_wine_name+="-${tumblen_wine_dpi}dpi"
WINEPREFIX="$(cd "$tumblen_wine_build" && pwd)/$tumblen_wine_name"
LANG="${TUMBLEN_LOCALE:-ja_JP.UTF-8}"
export WINEPREFIX WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml=" LANG LC_ALL="$LANG"
export WINEDEBUG="${WINEDEBUG:--all}"

# Made once, under a lock against two runs at once. The stamp says wineboot
# finished and holds the setting made after it, so a changed setting reaches a
# prefix without making it again.
tumblen_wine_init() (
  flock 9
  stamp="$WINEPREFIX.stamp"
  settings="managed=$tumblen_wine_managed marlett dpi=$tumblen_wine_dpi"
  [ "$(cat "$stamp" 2>/dev/null)" = "$settings" ] && exit 0
  if [ ! -f "$stamp" ]; then
    echo "Initialising the Wine prefix $WINEPREFIX" >&2
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || { echo "wineboot -i failed" >&2; exit 1; }
  fi
  { wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$tumblen_wine_managed" /f &&
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$tumblen_wine_dpi" /f; } >/dev/null 2>&1 ||
    { echo "setting up the Wine prefix failed" >&2; exit 1; }
  # The symbol font of the caption buttons, which this Wine does not find in its own data folder.
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  wineserver -w
  echo "$settings" >"$stamp"
) 9>"$WINEPREFIX.lock"

if [ "${BASH_SOURCE[0]}" != "$0" ]; then
  tumblen_wine_init  # sourced: the caller's shell options stay as they were
  return
fi
tumblen_wine_init
[ $# -le 1 ] && exit 0
shift
[ "${TUMBLEN_WINE_SERVER:-}" = "$WINEPREFIX" ] && exec "$@"

export TUMBLEN_WINE_SERVER="$WINEPREFIX"
wineserver -p
# Wine's own background processes (services, the desktop window) start now,
# with no output attached: started by a test they would hold its stderr, and
# CTest waiting for it, long after the test has ended.
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
status=0
"$@" || status=$?
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
exit $status
