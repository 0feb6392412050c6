#!/usr/bin/env bash
# Builds and starts Velmora; opens the bundled sample when no file is given.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh" dev
file="${1:-$root/res/sample/velmora-sample.pdf}"
exec "$root/build/dev/app/velmora" "$file"
