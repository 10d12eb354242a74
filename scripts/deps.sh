#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, when missing.
# Asks for root through sudo when not run as root.
set -euo pipefail
packages=(cmake ninja-build g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32 binutils-mingw-w64
          wine64 xvfb xauth fonts-wine fonts-liberation googletest x11-apps imagemagick zip)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "[deps] installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
