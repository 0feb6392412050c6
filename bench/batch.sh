#!/usr/bin/env bash
# Batch operations against their peers, side by side, in one run on the same inputs.
#   bench/batch.sh [merge|encrypt|compress|images]...   (all when none is named; inputs are made
#   under bench/out/batch on first use)
# Ratios are ours / theirs: time below 1 means faster, size below 1 means smaller.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh" dev >/dev/null
bb="$root/build/dev/bench/batchbench"
eb="$root/build/dev/bench/enginebench"
work="$root/bench/out/batch"
mkdir -p "$work"
export QT_QPA_PLATFORM=offscreen
sections="${*:-merge encrypt compress images}"
want() { [[ " $sections " == *" $1 "* ]]; }

[ -f "$work/text.pdf" ] || "$eb" make "$work/text.pdf" 300 >/dev/null 2>&1
[ -f "$work/photos.pdf" ] || "$bb" photos "$work/photos.pdf" 20 >/dev/null 2>&1
[ -f "$work/scans.pdf" ] || "$bb" scans "$work/scans.pdf" 6 >/dev/null 2>&1
[ -f "$work/render.pdf" ] || "$eb" make "$work/render.pdf" 60 >/dev/null 2>&1
[ -f "$work/big.pdf" ] || qpdf --empty --pages "$work/text.pdf" "$work/photos.pdf" "$work/scans.pdf" "$work/text.pdf" -- "$work/big.pdf"
for f in text photos scans render big; do
  echo "input $f.pdf: $(qpdf --show-npages "$work/$f.pdf") pages, $(du -h "$work/$f.pdf" | cut -f1)"
done

# Runs a command three times (the machine is shared: the best run is the least disturbed);
# prints "wall-seconds peak-MB" of the fastest.
# CPU seconds (user + system) of the fastest run go to $work/cpu.txt.
measure() {
  local best=""
  for _ in 1 2 3; do
    /usr/bin/time -f '%e %M %U %S' -o "$work/time.txt" "$@" >/dev/null 2>&1 || echo "FAILED: $*" >&2
    best=$(printf '%s\n%s\n' "$best" "$(cat "$work/time.txt")" | awk 'NF' | sort -n | head -1)
  done
  echo "$best" | awk '{printf "%.2f\n", $3 + $4}' > "$work/cpu.txt"
  echo "$best" | awk '{printf "%s %d\n", $1, $2/1024}'
}
# One run only, for the long compress jobs.
measure1() {
  /usr/bin/time -f '%e %M' -o "$work/time.txt" "$@" >/dev/null 2>&1 || echo "FAILED: $*" >&2
  awk '{printf "%s %d\n", $1, $2/1024}' "$work/time.txt"
}
ratio() { python3 -c "a,b=$1,$2; print(f'{a/b:.2f}' if b > 0 else 'n/a')"; }
size() { stat -c %s "$1"; }
row() { printf '  %-34s %7.2f s wall %7.2f s cpu %6d MB\n' "$1" "$2" "$(cat "$work/cpu.txt")" "$3"; }
compare() { printf '  %-34s time x%s  memory x%s  (budget: %s)\n' "ratio" "$(ratio "$1" "$3")" "$(ratio "$2" "$4")" "$5"; }
fresh() { rm -rf "$1"; mkdir -p "$1"; }

if want merge; then
echo "== merge (text + photos + scans)"
fresh "$work/m"
read -r qs qm < <(measure qpdf --empty --pages "$work/text.pdf" "$work/photos.pdf" "$work/scans.pdf" -- "$work/m/qpdf.pdf")
row "qpdf --empty --pages" "$qs" "$qm"
read -r vs vm < <(measure "$bb" merge "$work/m/pdf_merge.pdf" "$work/text.pdf" "$work/photos.pdf" "$work/scans.pdf")
row "velmora merge" "$vs" "$vm"; compare "$vs" "$vm" "$qs" "$qm" "time 1.2"
fi

if want encrypt; then
echo "== encrypt AES-256 (big)"
fresh "$work/e"
read -r qs qm < <(measure qpdf --encrypt pw pw 256 -- "$work/big.pdf" "$work/e/qpdf.pdf")
row "qpdf --encrypt" "$qs" "$qm"
# Each run writes the next free name; the first one is unlocked below.
read -r vs vm < <(measure "$bb" encrypt "$work/big.pdf" "$work/e" pw)
row "velmora encrypt" "$vs" "$vm"; compare "$vs" "$vm" "$qs" "$qm" "time 1.2"

echo "== unlock (the encrypted big)"
fresh "$work/d"
read -r qs qm < <(measure qpdf --password=pw --decrypt "$work/e/big.pdf" "$work/d/qpdf.pdf")
row "qpdf --decrypt" "$qs" "$qm"
read -r vs vm < <(measure "$bb" decrypt "$work/e/big.pdf" "$work/d" pw)
row "velmora unlock" "$vs" "$vm"; compare "$vs" "$vm" "$qs" "$qm" "time 1.2"
fi

# Mean SSIM of the pages rendered at 96 dpi against the original's (the first 12 pages).
render96() { fresh "$2"; pdftoppm -r 96 -l 12 -png "$1" "$2/p"; }
quality() { "$bb" ssim "$1" "$2" 2>/dev/null; }

if want compress; then
echo "== compress (ours basic vs gs /ebook, ours strong vs gs /screen)"
for doc in photos scans text; do
  in="$work/$doc.pdf"
  fresh "$work/c"
  render96 "$in" "$work/c/ref"
  for level in 0 1; do
    setting=$([ $level -eq 0 ] && echo ebook || echo screen)
    read -r gs_s gs_m < <(measure1 gs -q -dNOPAUSE -dBATCH -sDEVICE=pdfwrite -dPDFSETTINGS=/$setting -sOutputFile="$work/c/gs$level.pdf" "$in")
    read -r v_s v_m < <(measure1 "$bb" compress "$in" "$work/c/v$level.pdf" $level)
    render96 "$work/c/gs$level.pdf" "$work/c/g"; gq=$(quality "$work/c/ref" "$work/c/g")
    render96 "$work/c/v$level.pdf" "$work/c/v"; vq=$(quality "$work/c/ref" "$work/c/v")
    printf '  %-7s %-6s  in %9d  gs %9d (ssim %s, %6.2f s)  velmora %9d (ssim %s, %6.2f s)  size x%s  time x%s\n' \
      "$doc" "$setting" "$(size "$in")" "$(size "$work/c/gs$level.pdf")" "$gq" "$gs_s" \
      "$(size "$work/c/v$level.pdf")" "$vq" "$v_s" \
      "$(ratio "$(size "$work/c/v$level.pdf")" "$(size "$work/c/gs$level.pdf")")" "$(ratio "$v_s" "$gs_s")"
  done
done
fi

if want images; then
echo "== PDF to images at 150 dpi (render.pdf)"
for fmt in png jpg; do
  code=$([ $fmt = png ] && echo 3 || echo 2)
  popt=$([ $fmt = png ] && echo -png || echo "-jpeg -jpegopt quality=90")
  fresh "$work/i"; mkdir -p "$work/i/p" "$work/i/v"
  # shellcheck disable=SC2086
  read -r ps pm < <(measure pdftoppm -r 150 $popt "$work/render.pdf" "$work/i/p/render")
  row "pdftoppm -r 150 ($fmt)" "$ps" "$pm"
  read -r vs vm < <(measure "$bb" images "$work/render.pdf" "$work/i/v" $code)
  row "velmora ($fmt, $(nproc) threads)" "$vs" "$vm"
  compare "$vs" "$vm" "$ps" "$pm" "faster than pdftoppm"
done
fi
