#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Notepack and starts it; arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build/release -j "$(nproc)"
if [ $# -eq 0 ]; then
  exec build/release/cli/notepack-cli --help
fi
exec build/release/cli/notepack-cli "$@"
