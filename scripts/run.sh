#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Notepack and starts it; arguments (files and folders to list) go to
# the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DNOTEPACK_BUILD_BENCH=OFF
cmake --build build/release -j "$(nproc)"
exec build/release/shell/notepack "$@"
