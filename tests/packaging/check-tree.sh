# SPDX-License-Identifier: MIT
# Shared by install-check.sh and package-check.sh (sourced, not run).

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# check_tree ROOT EXPECTED_FILES WORK: ROOT/usr holds exactly the listed files,
# none of them writable by others, the programs executable.
check_tree() {
  root=$1 expected=$2 work=$3
  [ -d "$root/usr" ] || fail "nothing was installed under $root/usr"
  grep -v -e '^#' -e '^$' "$expected" | LC_ALL=C sort > "$work/expected-files"
  (cd "$root/usr" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort) > "$work/installed-files"
  diff -u "$work/expected-files" "$work/installed-files" ||
    fail "the installed files (+) differ from $expected (-)"
  writable=$(find "$root" -perm -o+w ! -type l)
  [ -z "$writable" ] || fail "writable by others: $writable"
  for program in notepack notepack-cli; do
    [ -x "$root/usr/bin/$program" ] || fail "usr/bin/$program is not executable"
  done
  for page in "$root"/usr/share/man/man1/*.gz; do
    gzip -t "$page" || fail "$page is not a good gzip file"
  done
}
