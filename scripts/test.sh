#!/usr/bin/env bash
# Installs what is missing, checks the includes against the layout and the
# formatting, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
python3 scripts/check-layout.py
scripts/check-format.sh
scripts/build.sh
export RHINO3DM_DIR=${RHINO3DM_DIR:-$PWD/.deps/node}
ctest --test-dir "${NUBILO_BUILD_DIR:-build}" --output-on-failure -j "$(nproc)" "$@"
