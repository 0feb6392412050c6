#!/usr/bin/env bash
# Office to PDF against the office's own command line, side by side, in one run on the same
# inputs: N one-page .docx files (20 by default, made under bench/out/office on first use)
#   bench/office.sh [N]
# converted by N separate `soffice --convert-to pdf` runs, then by one
# `velmora --convert-to pdf` run (warm helpers). Reports both times and their ratio, the time to
# the first PDF, the helpers' peak memory, whether any helper is left a minute after the last
# job, and whether every PDF's text (pdftotext) equals soffice's.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
n="${1:-20}"
velmora="$root/build/dev/app/velmora"
[ -x "$velmora" ] || "$root/scripts/build.sh" dev >/dev/null
work="$root/bench/out/office"
src="$work/docx-$n"
mkdir -p "$work"
profile="$work/soffice-profile"

if [ ! -f "$src/doc$n.docx" ]; then
  rm -rf "$src" "$work/txt"
  mkdir -p "$src" "$work/txt"
  for i in $(seq 1 "$n"); do
    printf 'Benchmark document %s\nA single page of text, written for the benchmark.\n' "$i" \
      >"$work/txt/doc$i.txt"
  done
  soffice -env:UserInstallation="file://$profile" --headless --convert-to docx \
    --outdir "$src" "$work"/txt/*.txt >/dev/null 2>&1
fi
# The profile exists before the timed runs, for both sides.
soffice -env:UserInstallation="file://$profile" --headless --convert-to pdf \
  --outdir "$work/warmup" "$src/doc1.docx" >/dev/null 2>&1
"$velmora" --convert-to pdf --outdir "$work/warmup" "$src/doc1.docx" >/dev/null 2>&1
sleep 1

rm -rf "$work/soffice" "$work/velmora"
mkdir -p "$work/soffice" "$work/velmora"
start=$(date +%s.%N)
for i in $(seq 1 "$n"); do
  soffice -env:UserInstallation="file://$profile" --headless --convert-to pdf \
    --outdir "$work/soffice" "$src/doc$i.docx" >/dev/null 2>&1
done
soffice_s=$(echo "$(date +%s.%N) - $start" | bc)

peak_file="$work/peak.txt"
echo 0 >"$peak_file"
( # the helpers' resident memory, sampled
  peak=0
  while sleep 0.2; do
    for pid in $(pgrep -f velmora-office-helper || true); do
      kb=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
      [ "${kb:-0}" -gt "$peak" ] && peak=$kb && echo "$peak" >"$peak_file"
    done
  done
) &
sampler=$!
start=$(date +%s.%N)
first=""
while IFS= read -r line; do
  [ -z "$first" ] && first=$(echo "$(date +%s.%N) - $start" | bc)
done < <("$velmora" --convert-to pdf --outdir "$work/velmora" "$src"/*.docx)
velmora_s=$(echo "$(date +%s.%N) - $start" | bc)
kill "$sampler" 2>/dev/null || true
wait "$sampler" 2>/dev/null || true

same=0
for i in $(seq 1 "$n"); do
  a=$(pdftotext "$work/soffice/doc$i.pdf" - 2>/dev/null)
  b=$(pdftotext "$work/velmora/doc$i.pdf" - 2>/dev/null)
  [ -n "$a" ] && [ "$a" = "$b" ] && same=$((same + 1))
done
left=$(pgrep -fc velmora-office-helper || true)

printf '%-34s %10s\n' "$n one-page .docx, $(nproc) cores" "seconds"
printf '%-34s %10.2f\n' "soffice --convert-to pdf, $n runs" "$soffice_s"
printf '%-34s %10.2f\n' "velmora --convert-to pdf, one run" "$velmora_s"
printf '%-34s %10.3f\n' "ratio (velmora / soffice)" "$(echo "$velmora_s / $soffice_s" | bc -l)"
printf '%-34s %10.2f\n' "first PDF written after" "$first"
printf '%-34s %10d MiB\n' "helper peak resident" "$(($(cat "$peak_file") / 1024))"
printf '%-34s %10s\n' "same text as soffice" "$same/$n"
printf '%-34s %10s\n' "helpers left after the run" "${left:-0}"
