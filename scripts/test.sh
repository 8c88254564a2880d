#!/usr/bin/env bash
# Runs every test: the native unit tests, the same tests under AddressSanitizer
# and UndefinedBehaviorSanitizer, the Windows tests under Wine, and a check of
# the run command (scripts/run.sh). Installs whatever is missing first. Ends,
# passed or failed, with the time each stage took and the size of the tests.
set -euo pipefail
cd "$(dirname "$0")/.."

times=""
trap 'printf "%b" "$times"; scripts/count-lines.sh' EXIT
stage() {  # stage NAME COMMAND...
  local start=$SECONDS
  echo "== $1"
  "${@:2}"
  times+="$(printf '%-66s %4d s' "$1" $((SECONDS - start)))\n"
}
preset() {  # builds a preset, and tests it when asked
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1"
  [ -z "${2:-}" ] || ctest --preset "$1"
}

scripts/install-deps.sh
stage "Native unit tests" preset native test
stage "Unit tests under AddressSanitizer and UndefinedBehaviorSanitizer" preset sanitize test
stage "Windows build" preset windows
# The build's own Wine prefix and one wineserver for the whole run, on a
# virtual display when there is no display.
stage "Windows tests under Wine" scripts/wine-env.sh build/windows ctest --preset windows
stage "The run command" tests/run_command.sh
