#!/bin/sh
# SPDX-License-Identifier: MIT
# Installs the MIME file alone into a scratch XDG data folder, builds its
# database with update-mime-database, and asks Qt what archives are taken for.
# Usage: mime-check.sh MIME_XML MIMETYPECHECK WORK_DIR
set -eu
xml=$1 checker=$2 work=$3

rm -rf "$work"
mkdir -p "$work/data/mime/packages" "$work/home" "$work/samples"
cp "$xml" "$work/data/mime/packages/io.github.notepack.Notepack.xml"
# Only this folder is searched, so what is found comes from this file alone.
export XDG_DATA_HOME="$work/home" XDG_DATA_DIRS="$work/data"
# It only warns about a malformed file, and exits 0.
output=$(update-mime-database "$work/data/mime" 2>&1)
if [ -n "$output" ]; then
  printf '%s\n' "$output"
  echo "FAIL: update-mime-database complained" >&2
  exit 1
fi
grep -qx 'application/x-memopad-archive:\*\.mpa' "$work/data/mime/globs" || {
  echo "FAIL: the globs file does not map *.mpa to application/x-memopad-archive:" >&2
  cat "$work/data/mime/globs" >&2
  exit 1
}
LC_ALL=C.UTF-8 LANGUAGE= "$checker" "$work/samples"
