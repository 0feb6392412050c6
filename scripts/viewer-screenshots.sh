#!/usr/bin/env bash
# Renders the viewer with the bundled sample to PNG files under Xvfb: fit width, fit page,
# zoomed, each menu open, the zoom list, the page number dialog and numbered pages, a password
# prompt and the save progress box.
# Usage: scripts/viewer-screenshots.sh [output folder]   (default: build/screenshots/viewer)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build/screenshots/viewer}"
cmake --build --preset dev --target viewer_screenshots enginebench >/dev/null
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
sample="$root/res/sample/velmora-sample.pdf"
qpdf --encrypt secret secret 256 -- "$sample" "$work/locked.pdf"
QT_QPA_PLATFORM=offscreen "$root/build/dev/bench/enginebench" make "$work/long.pdf" 3000 >/dev/null
export QT_QPA_PLATFORM=xcb
xvfb-run -a -s '-screen 0 1400x900x24' "$root/build/dev/tests/viewer/viewer_screenshots" \
  "$out" "$sample" "$work/locked.pdf" "$work/long.pdf"
