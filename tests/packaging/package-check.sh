#!/bin/sh
# SPDX-License-Identifier: MIT
# Builds the Debian package from the built tree with cpack and checks its
# control fields, its files, its dependencies and its programs.
# Usage: package-check.sh BUILD_DIR EXPECTED_FILES WORK_DIR VERSION
set -eu
build=$1 expected=$2 work=$3 version=$4
. "$(dirname "$0")/check-tree.sh"

rm -rf "$work"
mkdir -p "$work"
"${CPACK:-cpack}" --config "$build/CPackConfig.cmake" -G DEB -B "$work" > "$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log"
  fail "cpack failed"
}
architecture=$(dpkg --print-architecture)
deb="$work/notepack_${version}_${architecture}.deb"
[ -f "$deb" ] || fail "cpack wrote no $deb: $(ls "$work")"

field() {
  dpkg-deb -f "$deb" "$1"
}
check_field() {
  [ "$(field "$1")" = "$2" ] || fail "$1 is \"$(field "$1")\", not \"$2\""
}
check_field Package notepack
check_field Version "$version"
check_field Architecture "$architecture"
check_field Section utils
check_field Homepage https://github.com/notepack/notepack
field Maintainer | grep -q '^[^<]*<[^@>]*@[^>]*>$' || fail "Maintainer \"$(field Maintainer)\" has no address"

# dpkg-shlibdeps adds the libraries the programs link; a package that
# declares none of them installs without Qt.
depends=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
  printf '%s\n' "$depends" | grep -qx "$package" ||
    fail "Depends does not name $package: $(field Depends)"
done

# Every member owned by root, nothing but the data files.
dpkg-deb -c "$deb" > "$work/contents"
if grep -v ' root/root ' "$work/contents"; then
  fail "the members above are not owned by root"
fi
dpkg-deb -x "$deb" "$work/root"
check_tree "$work/root" "$expected" "$work"
dpkg-deb -e "$deb" "$work/control"
extra=$(ls "$work/control" | grep -vx -e control -e md5sums || true)
[ -z "$extra" ] || fail "the package has maintainer scripts it should not need: $extra"

for program in notepack notepack-cli; do
  binary="$work/root/usr/bin/$program"
  file "$binary" | grep -q ', stripped' || fail "$program is not stripped: $(file "$binary")"
  if readelf -d "$binary" | grep -E 'RPATH|RUNPATH'; then
    fail "$program has a run path"
  fi
done

# apt resolves the dependencies without installing anything; only where the
# package lists are there to resolve them with.
if [ "$(id -u)" -eq 0 ] && command -v apt-get > /dev/null &&
  ls /var/lib/apt/lists/*_Packages* > /dev/null 2>&1; then
  apt-get install --simulate --reinstall -q "$deb" > "$work/apt.log" 2>&1 || {
    cat "$work/apt.log"
    fail "apt-get cannot install the package"
  }
  grep -q '^Inst notepack ' "$work/apt.log" || {
    cat "$work/apt.log"
    fail "apt-get would not install notepack"
  }
fi
echo "PASS: $(basename "$deb"), Depends: $(field Depends)"
