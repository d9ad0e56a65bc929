#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets with clang and runs each for a while; every
# executable named *_fuzzer in the build is picked up. Usage:
#   scripts/fuzz.sh [SECONDS]     (default 60 seconds per fuzzer)
# Corpora grow in build/fuzz/corpus/<name>, logs go to build/fuzz/logs and
# crashing inputs to build/fuzz/artifacts.
set -euo pipefail
cd "$(dirname "$0")/.."

duration=${1:-60}
if ! [[ $duration =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 [SECONDS]" >&2
  exit 2
fi

scripts/install-deps.sh fuzz

# The packages can be there while clang++ points at a compiler without the
# libFuzzer runtime, so try the real thing once.
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char *, unsigned long) { return 0; }\n' \
  >"$probe/probe.cpp"
if ! clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" 2>"$probe/log"; then
  echo "clang++ cannot link a libFuzzer target:" >&2
  cat "$probe/log" >&2
  exit 1
fi

build=build/fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DNOTEPACK_FUZZ=ON \
  -DNOTEPACK_CORE_ONLY=ON -DBUILD_TESTING=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target fuzzers -j "$(nproc)"

mapfile -t fuzzers < <(find "$build" -type f -name '*_fuzzer' -perm -u+x | sort)
if [ ${#fuzzers[@]} -eq 0 ]; then
  echo "No fuzzers were built." >&2
  exit 1
fi

mkdir -p "$build/logs" "$build/artifacts"
failed=()
for fuzzer in "${fuzzers[@]}"; do
  name=$(basename "$fuzzer")
  corpus=$build/corpus/$name
  log=$build/logs/$name.log
  mkdir -p "$corpus"
  echo "== $name: $duration s"
  status=0
  "$fuzzer" "$corpus" -max_total_time="$duration" -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$name-" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
  echo "$name: ${runs:-?} runs, ${rate:-?} execs/s, corpus $(find "$corpus" -type f | wc -l) inputs"
  if [ "$status" -ne 0 ]; then
    echo "$name FAILED (exit $status); see $log" >&2
    tail -n 30 "$log" >&2
    failed+=("$name")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Failing fuzzers: ${failed[*]}" >&2
  exit 1
fi
