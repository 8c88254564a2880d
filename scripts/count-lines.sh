#!/usr/bin/env bash
# Prints the size of the tests against the code: lines that are neither blank
# nor comments in the C++, shell, Python and CMake files git tracks (or would
# track: new files count before their commit). Code is everything outside
# tests/ and docs/, the tests everything under tests/.
#
#   scripts/count-lines.sh          the size line
#   scripts/count-lines.sh DIR...   the lines of each folder
set -euo pipefail
cd "$(dirname "$0")/.."

# Lines of the files under $1. '#' starts a comment only before a space, '!' or
# the line's end, so #include and #pragma are code.
lines() {
  git ls-files --cached --others --exclude-standard -- "$1" |
    grep -E '\.(cpp|h|sh|py|cmake)$|(^|/)CMakeLists\.txt$' | grep -Ev "${2:-^$}" |
    while read -r f; do if [ -f "$f" ]; then cat "$f"; fi; done |
    awk '!/^[[:space:]]*($|\/\/|\/\*|\*|#([ !]|$))/ { n++ } END { print n + 0 }'
}

if [ $# -gt 0 ]; then
  for dir in "$@"; do echo "$dir: $(lines "$dir") lines"; done
  exit 0
fi
code="$(lines . '^(tests|docs)/')"
tests="$(lines tests)"
echo "Size: code $code lines, tests $tests lines ($((100 * tests / code))% of code)"
