#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job on the bundled sample.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
mkdir -p out/demo
build/bin/nubilo --profile out/demo/profile.ini examples/import.nb
build/bin/nubilo --profile out/demo/profile.ini examples/drape.nb
build/bin/nubilo --profile out/demo/profile.ini examples/wrap.nb
build/bin/nubilo --profile out/demo/profile.ini examples/hull.nb
build/bin/nubilo --profile out/demo/profile.ini examples/grid.nb
echo
echo "Demo results are in out/demo/:"
ls -l out/demo | sed 1d
