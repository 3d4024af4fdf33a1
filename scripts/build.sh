#!/usr/bin/env bash
# Configures and builds Nubilo into build/ (or $NUBILO_BUILD_DIR). Extra arguments go to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${NUBILO_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE:-RelWithDebInfo} "$@" >/dev/null
cmake --build "$build" -j "${NUBILO_JOBS:-$(nproc)}"
