#!/usr/bin/env bash
# Checks the README's run command as CI runs it, with no display: the real
# tumblen.exe runs as a process and is driven by control ids; its screenshot
# shows the box, the particles, the target and its path; 終了 ends it with
# status 0. TUMBLEN_SOAK=1 puts a minute of random clicks before the picture.
set -euo pipefail
cd "$(dirname "$0")/.."
shot=build/windows/screenshots/tumblen.png
[ "${TUMBLEN_SOAK:-}" = 1 ] || echo "Soak skipped: TUMBLEN_SOAK=1 runs it"
rm -f "$shot"
timeout 900 env -u DISPLAY CI=true scripts/run.sh || { echo "FAIL: scripts/run.sh ended with status $?" >&2; exit 1; }

# Pixels of each colour, at least: the box outline (4 x 400, less what
# particles hide), 200 particles, the target (besides the red mass ratio label)
# and a path.
histogram="$(convert "$shot" -format %c histogram:info:-)"
failures=0
for want in "blue 0000FF 1200" "green 00FF00 2000" "red FF0000 900" "magenta FF00FF 10"; do
  read -r name hex least <<<"$want"
  count="$(awk -v hex=" #$hex " 'index($0, hex) { n = $1 + 0 } END { print n + 0 }' <<<"$histogram")"
  echo "$name: $count pixels (at least $least)"
  [ "$count" -ge "$least" ] || failures=$((failures + 1))
done
[ "$failures" -eq 0 ] || { echo "FAIL: $failures colour(s) missing in $shot" >&2; exit 1; }
echo "The run command works"
