#!/usr/bin/env bash
# Cold start and idle memory of kestrin beside an empty Qt window, on a virtual X screen.
# Usage: bench/startup.sh [build folder]   (needs xvfb-run; falls back to the offscreen platform)
set -euo pipefail
build=${1:-build}
if command -v xvfb-run >/dev/null; then
  exec xvfb-run -a -s "-screen 0 1400x900x24" "$build/bench/startup_bench"
fi
QT_QPA_PLATFORM=offscreen exec "$build/bench/startup_bench"
