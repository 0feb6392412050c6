#!/usr/bin/env bash
# Renders the window, the tab bar, the title bar, the language dialog and its message boxes in
# every interface language (or the given codes) to PNG files, offscreen.
# Usage: scripts/language-screenshots.sh [output folder] [code...]   (default: build/screenshots/language)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build/screenshots/language}"
shift || true
cmake --build --preset dev --target velmora_language_screenshots >/dev/null
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen "$root/build/dev/tests/language/velmora_language_screenshots" "$out" "$@"
