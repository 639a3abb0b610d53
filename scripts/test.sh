#!/usr/bin/env bash
# Installs what is missing, builds the tests with AddressSanitizer and
# UndefinedBehaviorSanitizer, runs every test through CTest, then builds and briefly
# runs the benchmarks (Release) and the fuzz targets (clang, libFuzzer). The tests and
# benchmarks of the server store run against a throwaway PostgreSQL cluster started here.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
source "$root/scripts/test_server.sh"
source "$root/scripts/test_display.sh"

bash "$root/scripts/deps.sh"
start_test_server
start_test_display
trap 'stop_test_display; stop_test_server' EXIT

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
# Thread-local storage is not scanned: the leak checker of this toolchain misreads the
# dynamic TLS of image plugin libraries and crashes at exit.
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0:use_tls=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

status=0

echo "== Benchmarks (Release)"
configure "$root/build/bench" -DCMAKE_BUILD_TYPE=Release -DYZ_WERROR=ON -DYZ_BUILD_TESTS=OFF \
  -DYZ_BUILD_APP=OFF -DYZ_BUILD_BENCH=ON
cmake --build "$root/build/bench" -j "$jobs"
for b in "$root"/build/bench/bench/yz_bench_*; do
  [ -x "$b" ] || continue
  # The 3D benchmarks draw on the test display.
  platform=offscreen
  [[ "$b" == *_view3d ]] && platform=xcb
  QT_QPA_PLATFORM=$platform "$b" --benchmark_min_time=0.05 --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true | grep -E "median|Benchmark|^-" || status=1
done

echo "== Fuzz targets (clang, libFuzzer)"
configure "$root/build/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DYZ_WERROR=ON -DCMAKE_CXX_COMPILER=clang++ \
  -DYZ_BUILD_FUZZ=ON -DYZ_BUILD_TESTS=OFF -DYZ_BUILD_APP=OFF -DYZ_BUILD_BENCH=OFF
cmake --build "$root/build/fuzz" -j "$jobs"
fuzz_seconds="${YZ_FUZZ_SECONDS:-20}"
for f in "$root"/build/fuzz/fuzz/yz_fuzz_*; do
  [ -x "$f" ] || continue
  name="$(basename "$f")"
  corpus="$root/build/fuzz/corpus/${name#yz_fuzz_}"
  mkdir -p "$corpus"
  cp -n "$root/fuzz/corpus/${name#yz_fuzz_}"/* "$corpus"/ 2>/dev/null || true
  echo "-- $name (${fuzz_seconds}s)"
  if ! "$f" -max_total_time="$fuzz_seconds" -print_final_stats=1 "$corpus" 2>"$root/build/fuzz/$name.log"; then
    tail -n 40 "$root/build/fuzz/$name.log"
    status=1
  else
    grep -E "stat::number_of_executed_units|Done" "$root/build/fuzz/$name.log" | head -n 2
  fi
done

echo "== Tests (Debug, ASan+UBSan)"
configure "$root/build/test" -DCMAKE_BUILD_TYPE=Debug -DYZ_WERROR=ON -DYZ_SANITIZE=ON -DYZ_BUILD_BENCH=OFF \
  -DYZ_STAGE_DIR="$root/build/test/app"
cmake --build "$root/build/test" -j "$jobs"
ctest --test-dir "$root/build/test" --output-on-failure -j "$jobs" || status=1
exit $status
