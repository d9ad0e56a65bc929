#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs a checker and fails when it exits non-zero or prints anything: the
# validators print warnings but still exit 0 for them.
# Usage: run-silent.sh COMMAND [ARGUMENT...]
output=$("$@" 2>&1)
status=$?
if [ -n "$output" ]; then
  printf '%s\n' "$output"
  echo "FAIL: $1 printed the lines above" >&2
  exit 1
fi
if [ "$status" -ne 0 ]; then
  echo "FAIL: $1 exited with $status" >&2
  exit 1
fi
