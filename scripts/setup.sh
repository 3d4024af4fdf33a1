#!/usr/bin/env bash
# Installs the Debian packages (and the npm reference package) that Nubilo builds and tests with;
# with --fuzz also clang for the fuzz build (scripts/fuzz.sh), with --bench also CGAL for the wrap
# benchmarks' reference (scripts/bench.sh). Idempotent: does nothing when everything is present.
# Runs as root or through sudo.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  g++ cmake make pkg-config
  libgtest-dev libbenchmark-dev
  zlib1g-dev uuid-dev libreadline-dev libgmp-dev libjsoncpp-dev libsodium-dev
  libvtk9-dev libqhull-dev
  clang-format python3
  assimp-utils admesh qhull-bin
  python3-ezdxf gdal-bin python3-gdal
  libocct-data-exchange-dev libocct-foundation-dev libocct-modeling-data-dev libocct-modeling-algorithms-dev
)
[ "${1:-}" = --fuzz ] && packages+=(clang libclang-rt-14-dev)
[ "${1:-}" = --bench ] && packages+=(libcgal-dev)
# Node.js may come from elsewhere than Debian (with its own npm); Debian's packages only when absent.
command -v node >/dev/null 2>&1 || packages+=(nodejs)
command -v npm >/dev/null 2>&1 || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The real openNURBS (WebAssembly) reads our 3DM files in the tests.
if [ ! -d .deps/node/node_modules/rhino3dm ]; then
  echo "setup: installing rhino3dm into .deps/node"
  mkdir -p .deps/node
  npm install --silent --no-audit --no-fund --prefix .deps/node rhino3dm >/dev/null 2>&1 \
    || echo "setup: rhino3dm could not be installed; 3DM reference checks will be skipped" >&2
fi
