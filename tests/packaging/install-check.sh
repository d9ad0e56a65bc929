#!/bin/sh
# SPDX-License-Identifier: MIT
# Installs the build into an empty folder, as a package build does, and checks
# that exactly the expected files arrive and that the installed programs run.
# Usage: install-check.sh BUILD_DIR EXPECTED_FILES WORK_DIR VERSION
set -eu
build=$1 expected=$2 work=$3 version=$4
. "$(dirname "$0")/check-tree.sh"

rm -rf "$work"
mkdir -p "$work"
DESTDIR="$work/root" "${CMAKE:-cmake}" --install "$build" --prefix /usr > "$work/install.log" ||
  fail "cmake --install failed; see $work/install.log"
check_tree "$work/root" "$expected" "$work"

for program in notepack-cli notepack; do
  answer=$(QT_QPA_PLATFORM=offscreen timeout 60 "$work/root/usr/bin/$program" --version \
    2> "$work/$program-version.log") ||
    fail "installed $program --version exited with $? ($(cat "$work/$program-version.log"))"
  [ "$answer" = "$program $version" ] ||
    fail "installed $program --version printed \"$answer\", not \"$program $version\""
done

# The metainfo's launchable and provided binaries must match what was installed.
if command -v appstreamcli > /dev/null; then
  appstreamcli validate-tree --no-net --strict "$work/root" > "$work/validate-tree.log" 2>&1 || {
    cat "$work/validate-tree.log"
    fail "appstreamcli validate-tree rejected the installed tree"
  }
fi
echo "PASS: $(wc -l < "$work/installed-files") files installed, as listed"
