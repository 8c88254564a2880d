#!/usr/bin/env bash
# The Wine environment of the Windows tests: a 64-bit prefix of the build's
# own (BUILD_DIR/wine-prefix), Japanese locale so the ANSI code page is 932,
# no Mono or Gecko installers, and Wine quiet unless WINEDEBUG is already set.
#
#   source scripts/wine-env.sh [BUILD_DIR]
#       exports the environment and makes the prefix if it is not there yet.
#   scripts/wine-env.sh [BUILD_DIR [COMMAND...]]
#       the same; then runs COMMAND with one wineserver kept alive for the whole
#       run, and stops it at the end. Nested calls (each Wine test is started
#       through this script) reuse the outer run's server, so a whole CTest
#       run under the script starts Wine's services once.
#
# BUILD_DIR defaults to build/windows in the repository. Run under a display
# (xvfb-run -a when there is none).
#
# The prefix's top-level windows are unmanaged: Wine draws their frames itself
# and never waits for a window manager. With none running (the virtual display
# of the tests), hiding or destroying a managed window waits about 2 s for a
# reply that never comes. TUMBLEN_WINE_MANAGED=1 selects a prefix of its own,
# BUILD_DIR/wine-prefix-managed, whose windows a window manager frames as usual
# (and which, with none, show the menu bar and client area alone): for running
# the program on a desktop, and for its pictures and measurements.

tumblen_wine_repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
tumblen_wine_build="${1:-$tumblen_wine_repo/build/windows}"
mkdir -p "$tumblen_wine_build"
tumblen_wine_build="$(cd "$tumblen_wine_build" && pwd)"

if [ "${TUMBLEN_WINE_MANAGED:-}" = 1 ]; then
  tumblen_wine_name=wine-prefix-managed
  tumblen_wine_managed=Y
else
  tumblen_wine_name=wine-prefix
  tumblen_wine_managed=N
fi
export WINEPREFIX="$tumblen_wine_build/$tumblen_wine_name"
export WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
export WINEDEBUG="${WINEDEBUG:--all}"

# Made once per build directory; the stamp says wineboot finished and holds
# the settings made after it, so a prefix made before a setting changed gets
# the new setting without being made again. The lock keeps two runs from
# initialising the same prefix at once.
tumblen_wine_init() {
  local stamp="$tumblen_wine_build/$tumblen_wine_name.stamp"
  local settings="managed=$tumblen_wine_managed"
  [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$settings" ] && return 0
  (
    flock 9
    if [ ! -f "$stamp" ]; then
      echo "Initialising the Wine prefix $WINEPREFIX" >&2
      rm -rf "$WINEPREFIX"
      wineboot -i >/dev/null 2>&1 || { echo "wineboot -i failed" >&2; exit 1; }
    fi
    if [ "$(cat "$stamp" 2>/dev/null)" != "$settings" ]; then
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$tumblen_wine_managed" /f >/dev/null 2>&1 ||
        { echo "setting up the Wine prefix failed" >&2; exit 1; }
      wineserver -w
      echo "$settings" >"$stamp"
    fi
  ) 9>"$tumblen_wine_build/$tumblen_wine_name.lock"
}

if [ "${BASH_SOURCE[0]}" != "$0" ]; then
  # Sourced: leave the caller's shell options alone.
  tumblen_wine_init
  return $?
fi

set -euo pipefail
tumblen_wine_init
[ $# -le 1 ] && exit 0
shift

# Inside a run that already keeps a server (a test started by CTest from
# such a run), just run the command.
if [ "${TUMBLEN_WINE_SERVER:-}" = "$WINEPREFIX" ]; then
  exec "$@"
fi

wineserver -p
export TUMBLEN_WINE_SERVER="$WINEPREFIX"
# Start Wine's own background processes (services, the desktop window) now,
# with no output attached: started by a test they would inherit its stderr
# and keep CTest waiting for that pipe long after the test has ended.
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
status=0
"$@" || status=$?
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
exit $status
