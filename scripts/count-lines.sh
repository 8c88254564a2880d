#!/usr/bin/env bash
# Prints the size of the tests against the code, in the characters other than
# white space of the lines that are neither blank nor comments, with those
# lines beside them: the C++, shell, Python and CMake files git tracks (or
# would track: new files count before their commit). Code is everything
# outside tests/ and docs/, the tests everything under tests/.
#
#   scripts/count-lines.sh          the size line
#   scripts/count-lines.sh DIR...   the size of each folder
set -euo pipefail
cd "$(dirname "$0")/.."

# "CHARACTERS LINES" of the files under $1, less those matching $2. '#' starts
# a comment only before a space, '!' or the line's end, so #include and
# #pragma are code.
size() {
  git ls-files --cached --others --exclude-standard -- "$1" |
    grep -E '\.(cpp|h|sh|py|cmake)$|(^|/)CMakeLists\.txt$' | grep -Ev "${2:-^$}" |
    while read -r f; do if [ -f "$f" ]; then cat "$f"; fi; done |
    awk '!/^[[:space:]]*($|\/\/|\/\*|\*|#([ !]|$))/ { gsub(/[[:space:]]/, ""); c += length($0); n++ }
         END { print c + 0, n + 0 }'
}

if [ $# -gt 0 ]; then
  for dir in "$@"; do
    read -r chars lines <<<"$(size "$dir")"
    echo "$dir: $chars characters, $lines lines"
  done
  exit 0
fi
read -r code code_lines <<<"$(size . '^(tests|docs)/')"
read -r tests test_lines <<<"$(size tests)"
echo "Size: code $code characters ($code_lines lines), tests $tests characters ($test_lines lines):" \
  "tests $((100 * tests / code))% of code"
