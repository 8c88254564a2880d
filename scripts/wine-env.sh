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

tumblen_wine_repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
tumblen_wine_build="${1:-$tumblen_wine_repo/build/windows}"
mkdir -p "$tumblen_wine_build"
tumblen_wine_build="$(cd "$tumblen_wine_build" && pwd)"

export WINEPREFIX="$tumblen_wine_build/wine-prefix"
export WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
export WINEDEBUG="${WINEDEBUG:--all}"

# Made once per build directory; the stamp says wineboot finished. The lock
# keeps two runs from initialising the same prefix at once.
tumblen_wine_init() {
  local stamp="$tumblen_wine_build/wine-prefix.stamp"
  [ -f "$stamp" ] && return 0
  (
    flock 9
    if [ ! -f "$stamp" ]; then
      echo "Initialising the Wine prefix $WINEPREFIX" >&2
      rm -rf "$WINEPREFIX"
      wineboot -i >/dev/null 2>&1 || { echo "wineboot -i failed" >&2; exit 1; }
      wineserver -w
      touch "$stamp"
    fi
  ) 9>"$tumblen_wine_build/wine-prefix.lock"
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
