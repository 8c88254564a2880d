#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the tests and the
# Wine run still lack, and generates the locales Wine needs for their code
# pages. Does nothing when everything is already there.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libgtest-dev googletest libbenchmark-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  wine wine64 xvfb xauth xdotool x11-utils imagemagick sysstat
  fonts-ipafont-gothic fonts-wine locales python3 gnuplot-nox
)
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine takes its ANSI code page from the locale: Japanese (932) for the
# program, English (1252) and Chinese (936) for its tests, and whichever
# TUMBLEN_LOCALE names for scripts/run.sh.
for wanted in ja_JP.UTF-8 en_US.UTF-8 zh_CN.UTF-8 ${TUMBLEN_LOCALE:-}; do
  name="${wanted%%.*}"
  locale -a 2>/dev/null | grep -qix "$name\.utf-\?8" && continue
  echo "Generating the $name.UTF-8 locale"
  "${sudo[@]}" sed -i "s/^# *\($name.UTF-8 UTF-8\)/\1/" /etc/locale.gen
  grep -q "^$name.UTF-8 UTF-8" /etc/locale.gen || echo "$name.UTF-8 UTF-8" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
  regenerate=1
done
[ -z "${regenerate:-}" ] || "${sudo[@]}" locale-gen >/dev/null
