#!/usr/bin/env bash
# Installs what is missing, then configures and builds one preset (default: dev).
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-dev}"
./scripts/setup.sh
extra=()
[ -n "${VELMORA_WERROR:-}" ] && extra+=(-DVELMORA_WERROR=ON)
cmake --preset "$preset" "${extra[@]}" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
