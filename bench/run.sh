#!/bin/sh
# Builds and runs the benchmarks (make bench): start-up against a bare Qt window, the worst
# distance choice to a finished repaint, and the common-region scan over the lists' figures.
# Usage: bench/run.sh [BUILD_DIR]   BENCH_ROUNDS=15 start-up rounds
# Both programs use Qt's offscreen platform unless QT_QPA_PLATFORM names another.
set -eu
cd "$(dirname "$0")/.."
build="${1:-build-bench}"

sh scripts/install-deps.sh libbenchmark-dev

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" $(command -v ninja >/dev/null 2>&1 && echo "-G Ninja") \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLESSON_BENCHMARKS=ON -DBUILD_TESTING=OFF
fi
cmake --build "$build" --target bench-startup bench-figure -j "${JOBS:-2}"

export QT_LOGGING_RULES="qt.qpa.*=false"
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR="$(mktemp -d)"
    export XDG_RUNTIME_DIR
fi

echo "Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores;" \
     "load average $(cut -d' ' -f1-3 /proc/loadavg); Qt $(qtpaths6 --qt-version 2>/dev/null || echo 6)"
echo
"$build/bench/bench-startup" "${BENCH_ROUNDS:-15}"
echo
# Each zoom step asks the offscreen platform for size hints it does not take, and says so.
"$build/bench/bench-figure" --benchmark_color=false 2>&1 | grep -v propagateSizeHints
