#!/usr/bin/env bash
# Runs every fuzz target for a bounded time (default 60 s each) on its corpus in fuzz/corpus/.
# New inputs that reach new code are kept in the corpus; a crash leaves its input in
# build/fuzz/crashes/ and fails the run.
#
#   ./fuzz.sh [SECONDS] [TARGET...]
#   ./fuzz.sh --smoke [TARGET...]   a few seconds each, the corpus left as it is (for CI): a
#                                   target that does not build or that crashes fails the run
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh --fuzz
smoke=false
if [ "${1:-}" = --smoke ]; then
  smoke=true
  seconds=3
  shift
else
  seconds=${1:-60}
  shift || true
fi
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_textcodec fuzz_filters fuzz_picture fuzz_catalogue
  fuzz_valuelist fuzz_legacy fuzz_csvimport fuzz_recordfilter fuzz_xlsxcell fuzz_tellico
  fuzz_htmlexport)

CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKBS_FUZZ=ON -DKBS_BUILD_TESTS=OFF -DKBS_BUILD_BENCH=OFF >/dev/null
cmake --build build/fuzz --target "${targets[@]}"
mkdir -p build/fuzz/crashes
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=1
status=0
for t in "${targets[@]}"; do
  mkdir -p "fuzz/corpus/$t"
  corpus=("fuzz/corpus/$t")
  if $smoke; then  # new inputs go to a scratch folder; the corpus only seeds the run
    rm -rf "build/fuzz/smoke/$t"
    mkdir -p "build/fuzz/smoke/$t"
    corpus=("build/fuzz/smoke/$t" "fuzz/corpus/$t")
  fi
  extra=()
  [ -f "fuzz/$t.dict" ] && extra+=("-dict=fuzz/$t.dict")
  echo "== $t ($seconds s)"
  if ! "build/fuzz/fuzz/$t" "${corpus[@]}" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -max_len=65536 -artifact_prefix="build/fuzz/crashes/$t-" \
      -print_final_stats=1 "${extra[@]}" 2>"build/fuzz/$t.log"; then
    status=1
    echo "   CRASH: see build/fuzz/$t.log and build/fuzz/crashes/"
  fi
  grep -E 'stat::number_of_executed_units|stat::average_exec_per_sec|stat::peak_rss_mb' \
    "build/fuzz/$t.log" | sed 's/^/   /'
done
exit $status
