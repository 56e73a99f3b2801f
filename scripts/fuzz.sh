#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang (address and undefined-behaviour
# sanitizers) into build-fuzz/ and runs each for FUZZ_SECONDS (default 30) on
# a copy of its seed corpus in fuzz/corpus/NAME, so new inputs found on the
# way do not change the repository. Any crash, hang or leak fails the script;
# the input that caused it is left in build-fuzz/findings/.
#   scripts/fuzz.sh               every fuzzer
#   scripts/fuzz.sh fuzz_pack     only the ones named
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${TINTALOO_FUZZ_BUILD_DIR:-$here/build-fuzz}
seconds=${FUZZ_SECONDS:-30}
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -g -O1"

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DTINTALOO_BUILD_TESTS=OFF -DTINTALOO_BUILD_BENCH=OFF -DTINTALOO_BUILD_FUZZERS=ON \
  ${CMAKE_CXX_COMPILER_LAUNCHER:+-DCMAKE_CXX_COMPILER_LAUNCHER=$CMAKE_CXX_COMPILER_LAUNCHER} >/dev/null

targets=("$@")
if [ "${#targets[@]}" -eq 0 ]; then
  mapfile -t targets < <(cd "$here/fuzz" && ls fuzz_*.cpp 2>/dev/null | sed 's/\.cpp$//')
fi
if [ "${#targets[@]}" -eq 0 ]; then
  echo "fuzz: no fuzz targets"; exit 0
fi
cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]}"

mkdir -p "$build/findings"
# One fuzzer per core at a time: each is single-threaded.
run_one() {
  local t=$1 work
  work=$(mktemp -d)
  if [ -d "$here/fuzz/corpus/$t" ]; then cp -r "$here/fuzz/corpus/$t/." "$work/"; fi
  echo "fuzz: $t for ${seconds}s on $(ls "$work" | wc -l) seed inputs"
  local status=0
  QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 \
    "$build/fuzz/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$build/findings/$t-" -print_final_stats=1 "$work" >"$build/findings/$t.log" 2>&1 || status=$?
  rm -rf "$work"
  return $status
}
declare -A pids
failed=0
report() {
  local t=$1
  if wait "${pids[$t]}"; then
    grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$build/findings/$t.log" | sed "s/^/fuzz: $t /"
  else
    echo "fuzz: $t FAILED; see $build/findings/$t.log"; tail -n 30 "$build/findings/$t.log"; failed=1
  fi
}
running=()
for t in "${targets[@]}"; do
  if [ "${#running[@]}" -ge "$(nproc)" ]; then
    report "${running[0]}"; running=("${running[@]:1}")
  fi
  run_one "$t" & pids[$t]=$!
  running+=("$t")
done
for t in "${running[@]}"; do report "$t"; done
exit $failed
