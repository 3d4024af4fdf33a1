#!/usr/bin/env bash
# Installs the build in BUILD_DIR into a scratch prefix, builds examples/consumer against it and
# runs it on the bundled survey: the installed package must be usable on its own.
set -euo pipefail
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
scratch="$build/package-test"
rm -rf "$scratch"
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
cmake -S "$root/examples/consumer" -B "$scratch/consumer" -DCMAKE_PREFIX_PATH="$scratch/prefix" >/dev/null
cmake --build "$scratch/consumer" >/dev/null
"$scratch/consumer/drape_to_stl" "$root/examples/site.xyz" 40 60 "$scratch/site.stl"
test "$(stat -c %s "$scratch/site.stl")" -eq $((84 + 50 * 2 * 39 * 59))
"$scratch/prefix/bin/nubilo" --quiet --profile "$scratch/profile.ini" \
  -c "NBImportPoints File=$root/examples/site.xyz OK  Export $scratch/points.xyz" >/dev/null
test -s "$scratch/points.xyz"
echo "installed package: consumer and program ran"
