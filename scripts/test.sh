#!/usr/bin/env bash
# Runs every test: the native unit tests, the same tests under AddressSanitizer
# and UndefinedBehaviorSanitizer, and the Windows tests under Wine on a
# virtual display. Installs whatever is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

echo "== Native unit tests"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

echo "== Unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize

echo "== Windows build"
cmake --preset windows >/dev/null
cmake --build --preset windows

echo "== Windows tests under Wine"
# On a virtual display, with the build's own Wine prefix and one wineserver
# for the whole run.
xvfb-run -a scripts/wine-env.sh build/windows ctest --preset windows
