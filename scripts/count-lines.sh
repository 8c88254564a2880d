#!/usr/bin/env bash
# Prints the size of the tests against the code, in the characters other than
# white space of the lines that are neither blank nor comments, with those
# lines beside them, in the files git tracks (or would track: new files count
# before their commit). Code is the C++, shell, Python and CMake files outside
# tests/ and docs/; the tests are every text file under tests/, whatever its
# kind.
#
#   scripts/count-lines.sh          the size line
#   scripts/count-lines.sh DIR...   the size of each folder
set -euo pipefail
cd "$(dirname "$0")/.."

# "CHARACTERS LINES" of the text files under $1, less those matching $2: the
# code's kinds of file, and any kind under tests/. '#' starts
# a comment only before a space, '!' or the line's end, so #include and
# #pragma are code.
size() {
  git ls-files --cached --others --exclude-standard -- "$1" |
    grep -E '^tests/|\.(cpp|h|sh|py|cmake)$|(^|/)CMakeLists\.txt$' | grep -Ev "${2:-^$}" |
    while read -r f; do if [ -f "$f" ] && grep -Iq . "$f"; then awk 1 "$f"; fi; done |
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
