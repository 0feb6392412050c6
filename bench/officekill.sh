#!/usr/bin/env bash
# Killing Office to PDF outright: K runs (30 by default) of `velmora --convert-to pdf` on twenty
# one-page .docx files (made by bench/office.sh on first use), each killed with SIGKILL at a
# random moment of its first seconds.
#   bench/officekill.sh [K]
# Two seconds after each kill it counts the office processes still alive (velmora-office-helper,
# soffice.bin, oosplash) and, before the next run, the work folders the killed run left in the
# temporary folder; a last run shows what the next start sweeps. Every run uses a temporary
# folder of its own, so that nothing else on the machine is counted.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
kills="${1:-30}"
velmora="$root/build/dev/app/velmora"
[ -x "$velmora" ] || "$root/scripts/build.sh" dev >/dev/null
src="$root/bench/out/office/docx-20"
[ -f "$src/doc20.docx" ] || "$root/bench/office.sh" 20 >/dev/null
temp="$(mktemp -d)"
out="$temp/out"
trap 'rm -rf "$temp"' EXIT
mkdir -p "$out"

office() { { pgrep -f 'velmora-office-helper|soffice\.bin|oosplash' || true; } | wc -l; }
leftovers() { find "$temp" -maxdepth 1 \( -name 'velmora-office-*' -o -name 'lu*.tmp' \) | wc -l; }

alive_runs=0
alive_total=0
left_runs=0
for run in $(seq "$kills"); do
  rm -rf "${out:?}"/*
  TMPDIR="$temp" "$velmora" --convert-to pdf --outdir "$out" "$src"/*.docx >/dev/null 2>&1 &
  pid=$!
  sleep "$(awk -v seed="$RANDOM" 'BEGIN { srand(seed); printf "%.2f", 0.2 + rand() * 3 }')"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  sleep 2
  alive=$(office)
  left=$(leftovers)
  printf 'kill %2d: %d office processes alive 2 s later, %d work folders left\n' "$run" "$alive" \
    "$left"
  [ "$alive" -gt 0 ] && alive_runs=$((alive_runs + 1))
  alive_total=$((alive_total + alive))
  [ "$left" -gt 0 ] && left_runs=$((left_runs + 1))
  # What a kill left alive would hold a profile; end it before the next run.
  pkill -9 -f 'velmora-office-helper|soffice\.bin|oosplash' 2>/dev/null || true
done
: >"$temp/empty.doc"
TMPDIR="$temp" "$velmora" --convert-to pdf --outdir "$out" "$temp/empty.doc" >/dev/null 2>&1 || true
printf 'kills with office processes alive 2 s later: %d of %d (%d processes in all)\n' \
  "$alive_runs" "$kills" "$alive_total"
printf 'kills that left work folders until the next start: %d of %d; after the next start: %d\n' \
  "$left_runs" "$kills" "$(leftovers)"
