#!/usr/bin/env bash
# Builds the benchmarks in Release mode and runs them. Arguments go to every benchmark program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --bench
NUBILO_BUILD_DIR=build-bench CMAKE_BUILD_TYPE=Release scripts/build.sh \
  -DNUBILO_BUILD_BENCHMARKS=ON -DNUBILO_BUILD_TESTS=OFF
for b in build-bench/bin/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  (cd build-bench && "../$b" "$@")
done
