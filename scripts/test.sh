#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Notepack and runs every test, then builds it again with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs the suite again
# (the packaging checks, which test files rather than code, once only).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

jobs=$(nproc)
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/test -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build/test --output-on-failure -j "$jobs"

cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DNOTEPACK_SANITIZE=ON -DNOTEPACK_BUILD_BENCH=OFF
cmake --build build/sanitize -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build/sanitize --output-on-failure -j "$jobs" -LE packaging
