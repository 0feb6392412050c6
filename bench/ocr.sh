#!/usr/bin/env bash
# Searchable scans: ten pages of a real manual rendered to 300 dpi grey JPEGs (a scan without
# text), made searchable by `velmora --ocr` on all cores and on one, and read by `tesseract` page
# by page on the same images (one process per page, OMP_THREAD_LIMIT=1 as its fastest here),
# side by side. Scores: multiset word recall of pdftotext on our output against the text of the
# source pages (bench/ocr/recall.py), the same for tesseract's text, and the output size
# against the scan's. Installs Debian's r-doc-pdf on first use (needs root).
#   bench/ocr.sh [manual.pdf [first-page]]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
velmora="$root/build/dev/app/velmora"
[ -x "$velmora" ] || "$root/scripts/build.sh" dev >/dev/null
work="$root/bench/out/ocr"
rm -rf "$work" && mkdir -p "$work/pages" "$work/out1" "$work/outN" "$work/tess" "$work/ocrmypdf"
export QT_QPA_PLATFORM=offscreen

manual="${1:-/usr/share/R/doc/manual/R-intro.pdf}"
first="${2:-11}"
if [ ! -f "$manual" ] && [ $# -eq 0 ]; then
  sudo=$([ "$(id -u)" -eq 0 ] && echo "" || echo sudo)
  $sudo apt-get install -y --no-install-recommends r-doc-pdf >/dev/null
fi
last=$((first + 9))
pdftoppm -f "$first" -l "$last" -r 300 -gray -jpeg -jpegopt quality=85 "$manual" "$work/pages/p"
pdftotext -f "$first" -l "$last" "$manual" "$work/source.txt"
python3 "$root/bench/ocr/make_scan.py" 300 "$work/scan.pdf" "$work"/pages/p-*.jpg

seconds() { /usr/bin/time -f %e -o "$work/time" "$@" >/dev/null 2>"$work/stderr" || { cat "$work/stderr"; exit 1; }; tail -1 "$work/time"; }

cores=$(nproc)
t_ours=$(seconds "$velmora" --ocr --lang eng --outdir "$work/outN" "$work/scan.pdf")
t_one=$(seconds taskset -c 0 "$velmora" --ocr --lang eng --outdir "$work/out1" "$work/scan.pdf")
tess_run() {
  for img in "$work"/pages/p-*.jpg; do
    OMP_THREAD_LIMIT=1 tesseract "$img" "$work/tess/$(basename "$img" .jpg)" -l eng >/dev/null 2>&1
  done
}
start=$(date +%s.%N); tess_run; end=$(date +%s.%N)
t_tess=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.2f", b - a }')
cat "$work"/tess/p-*.txt > "$work/tesseract.txt"
pdftotext "$work/outN/scan.pdf" "$work/ours.txt"

r_ours=$(python3 "$root/bench/ocr/recall.py" "$work/source.txt" "$work/ours.txt")
r_tess=$(python3 "$root/bench/ocr/recall.py" "$work/source.txt" "$work/tesseract.txt")
in_size=$(stat -c %s "$work/scan.pdf")
out_size=$(stat -c %s "$work/outN/scan.pdf")
printf '%-34s %8s %s\n' "10 pages of $(basename "$manual") from page $first" "" "load $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-34s %8.2f s  recall %s\n' "velmora --ocr ($cores cores)" "$t_ours" "$r_ours"
printf '%-34s %8.2f s\n' "velmora --ocr (1 core)" "$t_one"
printf '%-34s %8.2f s  recall %s\n' "tesseract page by page" "$t_tess" "$r_tess"
if command -v ocrmypdf >/dev/null; then
  t_omp=$(seconds ocrmypdf --jobs "$cores" "$work/scan.pdf" "$work/ocrmypdf/scan.pdf")
  pdftotext "$work/ocrmypdf/scan.pdf" "$work/ocrmypdf.txt"
  r_omp=$(python3 "$root/bench/ocr/recall.py" "$work/source.txt" "$work/ocrmypdf.txt")
  omp_size=$(stat -c %s "$work/ocrmypdf/scan.pdf")
  printf '%-34s %8.2f s  recall %s  size %d bytes\n' "ocrmypdf --jobs $cores" "$t_omp" "$r_omp" "$omp_size"
  awk -v o="$t_ours" -v m="$t_omp" 'BEGIN { printf "ours/ocrmypdf %.2fx\n", o / m }'
fi
awk -v o="$t_ours" -v t="$t_tess" -v one="$t_one" -v i="$in_size" -v s="$out_size" 'BEGIN {
  printf "ours/tesseract %.2fx   1 core/%s cores %.2fx   size %d -> %d bytes (%+.1f%%)\n",
         o / t, "'"$cores"'", one / o, i, s, 100 * (s - i) / i }'
