#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: once with warnings as
# errors, once under AddressSanitizer and UndefinedBehaviorSanitizer; then gives each fuzzer
# a few seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

passed=0
skipped=0
# Runs one build's tests and adds them to the totals of the closing line.
run_tests() {
  local dir=$1
  shift
  env "$@" ctest --test-dir "$dir" --output-on-failure -j "$(nproc)" | tee "$dir/ctest.log"
  local total skip
  total=$(grep -oE 'out of [0-9]+' "$dir/ctest.log" | tail -n 1 | grep -oE '[0-9]+')
  skip=$(grep -c '(Skipped)' "$dir/ctest.log" || true)
  passed=$((passed + total - skip))
  skipped=$((skipped + skip))
}

echo "== build with warnings as errors"
scripts/build.sh build-ci -DKESTRIN_WERROR=ON
run_tests build-ci

echo "== build under AddressSanitizer and UndefinedBehaviorSanitizer"
scripts/build.sh build-asan -DKESTRIN_WERROR=ON -DKESTRIN_SANITIZE=ON -DKESTRIN_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
# Qt's own libraries are not built with the sanitizer; leaks inside them are not ours.
run_tests build-asan ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1

if ls fuzz/fuzz_*.cpp >/dev/null 2>&1; then
  echo "== fuzzers, a few seconds each"
  CC=clang CXX=clang++ scripts/build.sh build-fuzz -DKESTRIN_FUZZ=ON -DKESTRIN_TESTS=OFF -DKESTRIN_BENCH=OFF
  for f in build-fuzz/fuzz/fuzz_*; do
    [ -x "$f" ] || continue
    work=$(mktemp -d)
    (cd "$work" && "$OLDPWD/$f" -max_total_time=5 -rss_limit_mb=2048 >/dev/null 2>"$work/log") || {
      cat "$work/log"; echo "fuzzer $f failed"; exit 1; }
    rm -rf "$work"
  done
fi

echo "tests: $passed passed, 0 failed, $skipped skipped"
