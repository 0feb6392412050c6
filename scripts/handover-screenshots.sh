#!/usr/bin/env bash
# Renders the window after a later start handed a file over (--page 2, relative path) and after a
# PDF and a text file were dropped on it, and that file's page grid: handover.png, drop.png,
# drop-note.png, pages.png.
# Usage: scripts/handover-screenshots.sh [folder]   (default: build/screenshots)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build/screenshots}"
cmake --build --preset dev --target velmora handover_screenshots make_sample >/dev/null
mkdir -p "$out"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
"$root/build/dev/res/sample/make_sample" "$tmp/second document.pdf" >/dev/null
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$tmp/config" \
  "$root/build/dev/tests/app/handover_screenshots" "$root/build/dev/app/velmora" \
  "$root/res/sample/velmora-sample.pdf" "$tmp/second document.pdf" "$out"
ls "$out"/handover.png "$out"/drop.png
