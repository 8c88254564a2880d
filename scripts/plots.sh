#!/usr/bin/env bash
# Runs the physics check, prints its table and plots what it found with
# gnuplot: docs/msd.png, the large particle's mean squared displacement
# against the lag, and docs/paths.png, its path at mass ratios 1 and 20.
#
#   scripts/plots.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native --target tumblen_physics >/dev/null
data=build/native/physics
mkdir -p "$data" docs
build/native/bench/tumblen_physics "$data"
gnuplot -e "data='$data'; docs='docs'" scripts/plots.gp
echo "Wrote docs/msd.png and docs/paths.png"
