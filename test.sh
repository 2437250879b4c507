#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer, and
# runs every test headless through CTest. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh --test
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKBS_SANITIZE=ON >/dev/null
cmake --build build/test
ctest --test-dir build/test --output-on-failure -j2 "$@"
# The converter's memory limit does not work under AddressSanitizer: a small plain build of
# the converter and its test checks it.
cmake -S . -B build/plain -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKBS_BUILD_BENCH=OFF >/dev/null
cmake --build build/plain --target test_legacy_memory
ctest --test-dir build/plain --output-on-failure --no-tests=error -R '^test_legacy_memory$'
# The fuzz targets build with clang and each runs a few seconds, so that a fuzz build that
# no longer builds, or a target that crashes at once, fails here.
./fuzz.sh --smoke
