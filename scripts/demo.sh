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
# A Rhino 3 model with breps and lights, when the shared samples are beside the checkout: the site's
# points are added to a copy, which is saved in place with everything it held.
camera=../shared/data/3dm/V3/v3_Camera.3dm
if [ -f "$camera" ]; then
  cp "$camera" out/demo/camera.3dm
  chmod u+w out/demo/camera.3dm
  echo "out/demo/camera.3dm, a Rhino 3 model with 41 breps and 4 lights, with the site's points added:"
  build/bin/nubilo --quiet --profile out/demo/profile.ini --doc out/demo/camera.3dm \
    -c 'NBImportPoints File=examples/site.xyz Format=0 OK  List' | tail -n 1
fi
echo
echo "Demo results are in out/demo/:"
ls -l out/demo | sed 1d
