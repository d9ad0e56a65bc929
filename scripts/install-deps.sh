#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that building and testing Notepack need, when
# some are missing. Usage: scripts/install-deps.sh run|test|bench
set -euo pipefail

packages=(cmake ninja-build g++ qt6-base-dev libgl-dev)
case "${1:-run}" in
  run) ;;
  # The packaging tests validate the desktop files and manual pages and build the .deb.
  test) packages+=(libgtest-dev libgmock-dev desktop-file-utils appstream shared-mime-info
    groff-base mandoc dpkg-dev file) ;;
  bench) packages+=(libgtest-dev libgmock-dev) ;;
  fuzz) packages=(cmake ninja-build clang libclang-rt-14-dev libgtest-dev libgmock-dev) ;;
  *) echo "usage: $0 run|test|bench|fuzz" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing Debian packages: ${missing[*]}; run this as root, or install them." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
