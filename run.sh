#!/usr/bin/env bash
# Installs what is missing, builds the program, prepares its program directory and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DKBS_BUILD_TESTS=OFF -DKBS_BUILD_BENCH=OFF >/dev/null
cmake --build build/release
exec build/release/program/kbsmgr "$@"
