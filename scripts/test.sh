#!/usr/bin/env bash
# Builds everything and runs every test, then the engine tests again under ASan + UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh dev
ctest --preset dev -j "$(nproc)"
./scripts/build.sh asan
ctest --preset asan -j "$(nproc)"
