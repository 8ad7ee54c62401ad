#!/bin/sh
# Builds the lesson and its whole test suite with AddressSanitizer and UndefinedBehaviorSanitizer
# (clang, Debian's runtimes) and runs the suite. Any finding stops the test that made it, so the
# suite passes only when it runs clean.
# Usage: sanitize.sh [BUILD_DIR]
set -eu
cd "$(dirname "$0")/.."
build="${1:-build-sanitize}"

sh scripts/install-deps.sh clang libclang-rt-14-dev

if [ ! -f "$build/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
        -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
fi
cmake --build "$build" -j "${JOBS:-2}"

# Leaks are reported too, with no suppressions: the suite runs clean without them.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:detect_stack_use_after_return=1:strict_init_order=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
# The package check unpacks instead of installing: a sanitizer build must never replace the
# program a classroom machine has installed.
export TWO_CIRCLES_PACKAGE_UNPACK_ONLY=1
cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "${JOBS:-2}" --timeout 900
