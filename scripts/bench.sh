#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Notepack in Release and runs its benchmarks: the packer against a
# read-and-write floor, a drop of 20,000 files on the window against the bare
# walk, and a conversion through the window against the bare core. Each
# prints its figures and ratios; arguments go to every benchmark.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DNOTEPACK_BUILD_BENCH=ON
cmake --build build/bench -j "$(nproc)"
for bench in build/bench/bench/notepack-packbench build/bench/bench/gui/notepack-dropbench \
             build/bench/bench/gui/notepack-convertbench; do
  [ -x "$bench" ] || continue
  echo "== ${bench##*/}"
  "$bench" "$@"
done
