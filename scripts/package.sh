#!/usr/bin/env bash
# Builds the Debian package velmora_<version>_amd64.deb.
# Usage: scripts/package.sh [build folder]   (default: the release preset, build/release)
# Prints the package's path on the last line.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-}"
[ -n "$build" ] && build="$(mkdir -p "$build" && cd "$build" && pwd)"
cd "$root"
extra=()
[ -n "${VELMORA_WERROR:-}" ] && extra+=(-DVELMORA_WERROR=ON)
if [ -z "$build" ]; then
  build="$root/build/release"
  cmake --preset release -DCMAKE_INSTALL_PREFIX=/usr "${extra[@]}" >/dev/null
else
  cmake -S "$root" -B "$build" -DCMAKE_INSTALL_PREFIX=/usr "${extra[@]}" >/dev/null
fi
cmake --build "$build" --target velmora velmora_changelog -j "$(nproc)"
out="$build/package"
mkdir -p "$out"
rm -f "$out"/velmora_*.deb
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
ls "$out"/velmora_*_amd64.deb
