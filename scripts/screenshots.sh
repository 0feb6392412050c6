#!/usr/bin/env bash
# Renders the window, tab bar, message boxes and kit controls to PNG files under Xvfb, and
# captures the real program as it starts (startup.png).
# Usage: scripts/screenshots.sh [output folder]   (default: build/screenshots)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build/screenshots}"
cmake --build --preset dev --target velmora velmora_screenshots >/dev/null
mkdir -p "$out"
shots="$root/build/dev/tests/app/velmora_screenshots"
export QT_QPA_PLATFORM=xcb
xvfb-run -a -s '-screen 0 1400x900x24' "$shots" "$out"
xvfb-run -a -s '-screen 0 1400x900x24' bash -c '
  "$1/build/dev/app/velmora" & pid=$!
  "$2" --screen "$3/startup.png"; status=$?
  kill "$pid"; wait "$pid" 2>/dev/null
  exit $status' _ "$root" "$shots" "$out"
echo "$out/startup.png"
