#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the tests and the
# Wine run still lack, and generates the Japanese locale Wine needs for code
# page 932. Does nothing when everything is already there.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libgtest-dev googletest libbenchmark-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  wine wine64 xvfb xauth xdotool x11-utils imagemagick sysstat
  fonts-ipafont-gothic fonts-wine locales python3
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

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "Generating the ja_JP.UTF-8 locale"
  "${sudo[@]}" sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo[@]}" locale-gen >/dev/null
fi
