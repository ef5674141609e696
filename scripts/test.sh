#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: once with warnings as
# errors, once under AddressSanitizer and UndefinedBehaviorSanitizer; then gives each fuzzer
# a few seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

echo "== build with warnings as errors"
scripts/build.sh build-ci -DKESTRIN_WERROR=ON
ctest --test-dir build-ci --output-on-failure -j "$(nproc)"

echo "== build under AddressSanitizer and UndefinedBehaviorSanitizer"
scripts/build.sh build-asan -DKESTRIN_WERROR=ON -DKESTRIN_SANITIZE=ON -DKESTRIN_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
# Qt's own libraries are not built with the sanitizer; leaks inside them are not ours.
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$(nproc)"

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
