#!/bin/sh
# Builds the libFuzzer target with clang (AddressSanitizer and UndefinedBehaviorSanitizer on)
# and runs it for a bounded time, starting from the corpus kept in fuzz/corpus/<target>/.
# New inputs go to BUILD/corpus/<target>/, findings to BUILD/findings/<target>/; the repository's
# corpus is only read.
# Usage: fuzz.sh [BUILD_DIR]   FUZZ_SECONDS=60 per target, FUZZ_TARGETS="lesson"
set -eu
cd "$(dirname "$0")/.."
build="${1:-build-fuzz}"
seconds="${FUZZ_SECONDS:-60}"
targets="${FUZZ_TARGETS:-lesson}"

sh scripts/install-deps.sh clang libclang-rt-14-dev

if [ ! -f "$build/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DLESSON_FUZZERS=ON -DBUILD_TESTING=OFF \
        -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
        -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
fi
for t in $targets; do
    cmake --build "$build" --target "fuzz_$t" -j "${JOBS:-2}"
done

# A screen that holds the window at its designed size, whose pixels the lesson model checks.
export QT_QPA_PLATFORM="offscreen:configfile=$(pwd)/tests/screens/1920x1080.json"
# Qt keeps font and glyph caches for the life of the process; they are not leaks of an input.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

status=0
for t in $targets; do
    mkdir -p "$build/corpus/$t" "$build/findings/$t"
    echo "== fuzz_$t for ${seconds}s"
    "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
        -print_final_stats=1 -artifact_prefix="$build/findings/$t/" \
        "$build/corpus/$t" "fuzz/corpus/$t" || status=1
done
[ "$status" -eq 0 ] && echo "fuzz: no findings" || echo "fuzz: findings under $build/findings/"
exit "$status"
