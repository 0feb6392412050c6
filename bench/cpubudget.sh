#!/usr/bin/env bash
# Four recognition jobs at once (four ten-page 300 dpi scans of a real manual, one command line),
# with the program's CPU budget on and off (VELMORA_CPU_BUDGET=0), side by side, three runs each,
# alternating. Each line: the wall time, the most threads busy at once and their mean (sampled
# every 20 ms by bench/cpubudget/busythreads.py), the peak resident memory.
#   bench/cpubudget.sh [manual.pdf]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
velmora="$root/build/dev/app/velmora"
[ -x "$velmora" ] || "$root/scripts/build.sh" dev >/dev/null
work="$root/bench/out/cpubudget"
rm -rf "$work" && mkdir -p "$work/pages"
export QT_QPA_PLATFORM=offscreen

manual="${1:-/usr/share/R/doc/manual/R-intro.pdf}"
if [ ! -f "$manual" ] && [ $# -eq 0 ]; then
  sudo=$([ "$(id -u)" -eq 0 ] && echo "" || echo sudo)
  $sudo apt-get install -y --no-install-recommends r-doc-pdf >/dev/null
fi
scans=()
for first in 11 21 31 41; do
  mkdir -p "$work/pages/$first"
  pdftoppm -f "$first" -l $((first + 9)) -r 300 -gray -jpeg -jpegopt quality=85 "$manual" \
    "$work/pages/$first/p"
  python3 "$root/bench/ocr/make_scan.py" 300 "$work/scan-$first.pdf" "$work/pages/$first"/p-*.jpg
  scans+=("$work/scan-$first.pdf")
done

run() {
  rm -rf "$work/out" && mkdir -p "$work/out"
  env "$@" python3 "$root/bench/cpubudget/busythreads.py" \
    "$velmora" --ocr --lang eng --outdir "$work/out" "${scans[@]}"
}
echo "four recognition jobs, $(nproc) cores, $(basename "$manual"), load $(cut -d' ' -f1-3 /proc/loadavg)"
for i in 1 2 3; do
  printf 'budget on   %s\n' "$(run VELMORA_CPU_BUDGET=)"
  printf 'budget off  %s\n' "$(run VELMORA_CPU_BUDGET=0)"
done
