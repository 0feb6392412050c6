#!/usr/bin/env bash
# Engine benchmark against the command-line tools, in one run on this machine.
#   bench/run.sh [document.pdf]   (default: a 1,200-page document built here)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh" dev >/dev/null
bench="$root/build/dev/bench/enginebench"
work="$root/bench/out"
mkdir -p "$work"
export QT_QPA_PLATFORM=offscreen

doc="${1:-$work/large.pdf}"
if [ $# -eq 0 ] && [ ! -f "$doc" ]; then
  "$bench" make "$doc" 1200 >/dev/null
fi
pages=$(qpdf --show-npages "$doc")
echo "document: $doc ($pages pages, $(du -h "$doc" | cut -f1))"

seconds() { /usr/bin/time -f '%e %M' -o "$work/time.txt" "$@" >/dev/null 2>&1; cat "$work/time.txt"; }
ratio() { python3 -c "print(f'{$1/$2:.2f}')"; }

echo "== render at 150 dpi"
read -r mu_s mu_kb < <(seconds mutool draw -r 150 -q "$doc")
read -r v1_s v1_kb < <(seconds "$bench" render "$doc" 150 1)
read -r vn_s vn_kb < <(seconds "$bench" render "$doc" 150 "$(nproc)")
printf '  mutool draw (1 thread):  %6.2f s  %7.1f pages/s  %6d MB peak\n' "$mu_s" "$(ratio "$pages" "$mu_s")" $((mu_kb / 1024))
printf '  velmora (1 thread):      %6.2f s  %7.1f pages/s  %6d MB peak  speed x%s\n' "$v1_s" "$(ratio "$pages" "$v1_s")" $((v1_kb / 1024)) "$(ratio "$mu_s" "$v1_s")"
printf '  velmora (%d threads):     %6.2f s  %7.1f pages/s  %6d MB peak  speed x%s\n' "$(nproc)" "$vn_s" "$(ratio "$pages" "$vn_s")" $((vn_kb / 1024)) "$(ratio "$mu_s" "$vn_s")"

echo "== save reorganised (reverse, every 3rd rotated, 10 duplicated)"
rot=$(seq 1 3 "$pages" | paste -sd, -)
dups=$(for k in $(seq 0 9); do echo $((pages - (k * 97 % pages))); done | paste -sd, -)
read -r q_s q_kb < <(seconds qpdf --empty --pages "$doc" "z-1,$dups" -- --rotate="+90:$rot" "$work/qpdf-saved.pdf")
read -r s_s s_kb < <(seconds "$bench" save "$doc" "$work/velmora-saved.pdf")
printf '  qpdf --pages:  %6.2f s  %6d MB peak\n' "$q_s" $((q_kb / 1024))
printf '  velmora save:  %6.2f s  %6d MB peak  time ratio %s (budget 1.5)\n' "$s_s" $((s_kb / 1024)) "$(ratio "$s_s" "$q_s")"
echo "  pages written: qpdf $(qpdf --show-npages "$work/qpdf-saved.pdf"), velmora $(qpdf --show-npages "$work/velmora-saved.pdf")"
