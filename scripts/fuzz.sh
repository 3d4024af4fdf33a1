#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/) with clang into build-fuzz/ and runs each for SECONDS_PER_TARGET seconds
# (default 60) on a corpus kept in build-fuzz/corpus/NAME. Arguments go to every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --fuzz
CC=clang CXX=clang++ NUBILO_BUILD_DIR=build-fuzz CMAKE_BUILD_TYPE=RelWithDebInfo scripts/build.sh \
  -DNUBILO_BUILD_FUZZERS=ON -DNUBILO_BUILD_TESTS=OFF
for target in build-fuzz/bin/fuzz_*; do
  name=$(basename "$target")
  mkdir -p "build-fuzz/corpus/$name"
  echo "== $name"
  "$target" -max_total_time="${SECONDS_PER_TARGET:-60}" "$@" "build-fuzz/corpus/$name"
done
