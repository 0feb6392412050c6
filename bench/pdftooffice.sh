#!/usr/bin/env bash
# PDF to Word against `mutool convert -F docx`, side by side on the same real manuals (Debian's
# R manuals, the octave manual, the gnuplot guide; installed with apt-get on first use, needs
# root), scored by independent tools (bench/pdftooffice/score.py: LibreOffice lays each .docx out
# again, pdftotext reads it). Times are the best of three runs, ours and mutool's alternated,
# with the load average beside them since the machine may be shared.
#   bench/pdftooffice.sh [manual.pdf...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
velmora="$root/build/dev/app/velmora"
[ -x "$velmora" ] || "$root/scripts/build.sh" dev >/dev/null
work="$root/bench/out/pdftooffice"
mkdir -p "$work"
export QT_QPA_PLATFORM=offscreen

manuals=("$@")
if [ ${#manuals[@]} -eq 0 ]; then
  r=/usr/share/R/doc/manual
  manuals=("$r/R-intro.pdf" "$r/R-data.pdf" "$r/R-admin.pdf" "$r/R-lang.pdf"
           /usr/share/doc/gnuplot/gnuplot.pdf /usr/share/doc/octave/octave.pdf)
  missing=()
  [ -f "$r/R-intro.pdf" ] || missing+=(r-doc-pdf)
  [ -f /usr/share/doc/octave/octave.pdf ] || missing+=(octave-doc)
  [ -f /usr/share/doc/gnuplot/gnuplot.pdf ] || missing+=(gnuplot-doc)
  if [ ${#missing[@]} -gt 0 ]; then
    echo "installing ${missing[*]} (the manuals this benchmark reads)"
    sudo=$([ "$(id -u)" -eq 0 ] && echo "" || echo sudo)
    $sudo apt-get install -y --no-install-recommends "${missing[@]}" >/dev/null
  fi
fi
python=/usr/bin/python3
[ -x "$python" ] || python=python3

best() { # best of three wall times of a command, in seconds
  local best=999999 t
  for _ in 1 2 3; do
    /usr/bin/time -f %e -o "$work/time" "$@" >/dev/null 2>&1 || true
    t=$(tail -1 "$work/time")
    best=$(awk -v a="$best" -v b="$t" 'BEGIN { print (b < a ? b : a) }')
  done
  echo "$best"
}

for pdf in "${manuals[@]}"; do
  name="$(basename "$pdf" .pdf)"
  ours="$work/$name.docx"
  theirs="$work/$name-mutool.docx"
  rm -f "$ours" "$theirs"
  ours_time=$(best sh -c "rm -f '$ours'; '$velmora' --convert-to docx --outdir '$work' '$pdf'")
  theirs_time=$(best sh -c "rm -f '$theirs'; mutool convert -F docx -o '$theirs' '$pdf'")
  echo "$name: $(qpdf --show-npages "$pdf") pages; velmora ${ours_time}s, mutool ${theirs_time}s" \
    "(load $(cut -d' ' -f1-3 /proc/loadavg))"
  specs=("velmora=$ours")
  if [ -s "$theirs" ]; then specs+=("mutool=$theirs"); else echo "  mutool wrote nothing"; fi
  "$python" "$root/bench/pdftooffice/score.py" "$pdf" "${specs[@]}" | sed 's/^/  /'
done
