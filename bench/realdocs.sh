#!/usr/bin/env bash
# The engine against the command-line tools on real manuals from Debian's documentation packages,
# side by side in one run. Fetches nothing itself: the first run installs the packages with
# apt-get (needs root) when their manuals are missing, and builds a 48,300-page file under
# bench/out/real. Each figure is the best of three runs, ours and theirs alternated; the load
# average is printed beside each row because the machine may be shared.
#   bench/realdocs.sh [render|export|merge|encrypt|viewer]...   (all when none is named)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh" dev >/dev/null
eb="$root/build/dev/bench/enginebench"
bb="$root/build/dev/bench/batchbench"
viewer="$root/build/dev/bench/viewer/bench_viewer"
work="$root/bench/out/real"
mkdir -p "$work"
export QT_QPA_PLATFORM=offscreen
sections="${*:-render export merge encrypt viewer}"
want() { [[ " $sections " == *" $1 "* ]]; }

refman=/usr/share/R/doc/manual/refman.pdf
octave=/usr/share/doc/octave/octave.pdf
gnuplot=/usr/share/doc/gnuplot/gnuplot.pdf
missing=()
[ -f "$refman" ] || missing+=(r-doc-pdf)
[ -f "$octave" ] || missing+=(octave-doc)
[ -f "$gnuplot" ] || missing+=(gnuplot-doc)
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing ${missing[*]} (the manuals this benchmark reads)"
  sudo=$([ "$(id -u)" -eq 0 ] && echo "" || echo sudo)
  $sudo apt-get install -y --no-install-recommends "${missing[@]}" >/dev/null
fi
big="$work/big48k.pdf"
if [ ! -f "$big" ]; then
  # shellcheck disable=SC2046
  qpdf --empty --pages $(for _ in $(seq 20); do echo "$refman"; done) -- "$big"
fi
for f in "$refman" "$octave" "$gnuplot" "$big"; do
  echo "input $(basename "$f"): $(qpdf --show-npages "$f") pages, $(du -h "$f" | cut -f1)"
done

# Runs "ours" and "theirs" alternately three times each; the best (fastest) run of each goes to
# $work/ours.txt and $work/theirs.txt as "wall-seconds peak-MiB cpu-seconds".
pair() {
  local ours=$1 theirs=$2 best_o="" best_t="" run
  for _ in 1 2 3; do
    for side in o t; do
      local cmd=$([ $side = o ] && echo "$ours" || echo "$theirs")
      # Each side starts from a clean output (PREP_O before ours, PREP_T before theirs).
      if [ $side = o ]; then eval "${PREP_O:-:}"; else eval "${PREP_T:-:}"; fi
      /usr/bin/time -f '%e %M %U %S' -o "$work/time.txt" bash -c "$cmd" >/dev/null 2>&1 ||
        echo "FAILED: $cmd" >&2
      run=$(awk '{printf "%s %d %.2f\n", $1, $2 / 1024, $3 + $4}' "$work/time.txt")
      if [ $side = o ]; then
        best_o=$(printf '%s\n%s\n' "$best_o" "$run" | awk 'NF' | sort -n | head -1)
      else
        best_t=$(printf '%s\n%s\n' "$best_t" "$run" | awk 'NF' | sort -n | head -1)
      fi
    done
  done
  echo "$best_o" > "$work/ours.txt"
  echo "$best_t" > "$work/theirs.txt"
}
ratio() { python3 -c "a,b=$1,$2; print(f'{a/b:.2f}' if b > 0 else 'n/a')"; }
load() { cut -d' ' -f1 /proc/loadavg; }
# row LABEL PEER-LABEL BUDGET: prints the pair measured last.
row() {
  read -r os om oc < "$work/ours.txt"
  read -r ts tm tc < "$work/theirs.txt"
  printf '  %-44s %6.2f s %5d MiB %6.2f s cpu | %-34s %6.2f s %5d MiB %6.2f s cpu | time x%s mem x%s (budget %s, load %s)\n' \
    "$1" "$os" "$om" "$oc" "$2" "$ts" "$tm" "$tc" "$(ratio "$os" "$ts")" "$(ratio "$om" "$tm")" "$3" "$(load)"
}

if want render; then
  echo "== render at 150 dpi ($(nproc) cores)"
  pair "'$eb' render '$refman' 150 1 1-200" "mutool draw -q -r 150 -F ppm -o /dev/null '$refman' 1-200"
  row "refman 1-200, 1 thread" "mutool, 1 process" "1.0"
  pair "'$eb' render '$refman' 150 2 1-200" \
    "mutool draw -q -r 150 -F ppm -o /dev/null '$refman' 1-100 & mutool draw -q -r 150 -F ppm -o /dev/null '$refman' 101-200; wait"
  row "refman 1-200, 2 threads" "mutool, 2 processes on halves" "1.0"
  pair "'$eb' render '$refman' 150 2" "mutool draw -q -r 150 -F ppm -o /dev/null '$refman'"
  row "refman whole, 2 threads" "mutool, 1 process" "0.5"
  # What this machine allows two cores: the peer itself, split in two processes.
  pair "'$eb' render '$refman' 150 2" \
    "mutool draw -q -r 150 -F ppm -o /dev/null '$refman' 1-1208 & mutool draw -q -r 150 -F ppm -o /dev/null '$refman' 1209-2415; wait"
  row "refman whole, 2 threads" "mutool, 2 processes on halves" "1.0"
fi

if want export; then
  echo "== PDF to PNG at 150 dpi (gnuplot manual)"
  mkdir -p "$work/png/v" "$work/png/m"
  PREP_O="rm -rf '$work/png/v'; mkdir -p '$work/png/v'" PREP_T="rm -rf '$work/png/m'; mkdir -p '$work/png/m'" \
    pair "'$bb' images '$gnuplot' '$work/png/v' 3" "mutool draw -q -r 150 -o '$work/png/m/p%d.png' '$gnuplot'"
  row "PNG export, $(nproc) threads" "mutool draw -o p%d.png, 1 process" "0.5"
  echo "  output: velmora $(du -sm "$work/png/v" | cut -f1) MiB, mutool $(du -sm "$work/png/m" | cut -f1) MiB"
fi

if want merge; then
  echo "== merge refman + octave"
  PREP_O="rm -f '$work/merged-v.pdf'" PREP_T="rm -f '$work/merged-q.pdf'" \
    pair "'$bb' merge '$work/merged-v.pdf' '$refman' '$octave'" "qpdf --empty --pages '$refman' '$octave' -- '$work/merged-q.pdf'"
  row "merge" "qpdf --empty --pages a b --" "1.2, mem 1.0"
  echo "  pages: velmora $(qpdf --show-npages "$work/merged-v.pdf"), qpdf $(qpdf --show-npages "$work/merged-q.pdf")"
fi

if want encrypt; then
  echo "== encrypt / unlock refman (AES-256)"
  PREP_O="rm -rf '$work/e'; mkdir -p '$work/e'" PREP_T="rm -f '$work/e/qpdf.pdf'" \
    pair "'$bb' encrypt '$refman' '$work/e' pw" "qpdf --encrypt pw pw 256 -- '$refman' '$work/e/qpdf.pdf'"
  row "encrypt" "qpdf --encrypt pw pw 256" "1.1"
  mkdir -p "$work/locked"
  qpdf --encrypt pw pw 256 -- "$refman" "$work/locked/refman.pdf"
  PREP_O="rm -rf '$work/d'; mkdir -p '$work/d'" PREP_T="rm -f '$work/d/qpdf.pdf'" \
    pair "'$bb' decrypt '$work/locked/refman.pdf' '$work/d' pw" "qpdf --password=pw --decrypt '$work/locked/refman.pdf' '$work/d/qpdf.pdf'"
  row "unlock" "qpdf --decrypt" "1.1"
fi

if want viewer; then
  for doc in "$refman" "$big"; do
    echo "== viewer on $(basename "$doc") (load $(load))"
    stdbuf -oL "$viewer" "$doc" 2>/dev/null | sed -u 's/^/  /'
  done
fi
