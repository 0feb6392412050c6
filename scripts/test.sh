#!/usr/bin/env bash
# Builds everything and runs every test, then builds and runs them all again under ASan + UBSan
# (the widget tests offscreen, as always).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh dev
ctest --preset dev -j "$(nproc)"
./scripts/build.sh asan
ctest --preset asan -j "$(nproc)"
