#!/usr/bin/env bash
# Signing a long manual against `mutool sign`, side by side, in one run on the same input:
#   bench/sign.sh [manual.pdf [pages]]
# The first pages (1000 by default) of the manual (R's reference manual from r-doc-pdf, installed
# on first use; needs root) get an empty signature field; then both sign that field with the same
# PKCS#12 key, nine times each (RUNS), alternating. Reports the best and median times, their ratio,
# the output sizes and pdfsig's verdict on both outputs.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
velmora="$root/build/dev/app/velmora"
[ -x "$velmora" ] || "$root/scripts/build.sh" dev >/dev/null
manual="${1:-/usr/share/R/doc/manual/refman.pdf}"
pages="${2:-1000}"
# Starts of a few tens of milliseconds: enough runs that one slow start does not decide.
runs="${RUNS:-9}"
if [ ! -f "$manual" ] && [ "$manual" = /usr/share/R/doc/manual/refman.pdf ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends r-doc-pdf >/dev/null
fi
work="$root/bench/out/sign"
mkdir -p "$work"
base="$work/manual-$pages.pdf"
input="$work/manual-$pages-field.pdf"
if [ ! -f "$input" ]; then
  qpdf --empty --object-streams=disable --pages "$manual" "1-$pages" -- "$base"
  python3 "$root/bench/sign/add_field.py" "$base" "$input" >"$work/field-object"
fi
field=$(cat "$work/field-object")
if [ ! -f "$work/key.p12" ]; then
  openssl req -x509 -newkey rsa:2048 -nodes -subj /CN=Benchmark -days 365 \
    -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
  openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/key.p12" \
    -passout pass:pw
fi

now() { date +%s.%N; }
ours=()
theirs=()
starts=()
for run in $(seq "$runs"); do
  # The program's own start (its libraries bound at load), for reading the figures below.
  start=$(now)
  "$velmora" --version >/dev/null
  starts+=("$(echo "$(now) - $start" | bc)")
  rm -rf "$work/velmora" && mkdir -p "$work/velmora"
  start=$(now)
  VELMORA_CERT_PASSWORD=pw "$velmora" --sign --cert "$work/key.p12" --field Signature1 \
    --outdir "$work/velmora" "$input" >/dev/null
  ours+=("$(echo "$(now) - $start" | bc)")
  rm -f "$work/mutool.pdf"
  start=$(now)
  mutool sign -s "$work/key.p12" -P pw -o "$work/mutool.pdf" "$input" "$field" >/dev/null
  theirs+=("$(echo "$(now) - $start" | bc)")
done
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
best() { printf '%s\n' "$@" | sort -n | head -1; }
ours_med=$(median "${ours[@]}")
theirs_med=$(median "${theirs[@]}")
printf 'input: %s (%s pages, %s bytes)\n' "$manual" "$pages" "$(stat -c %s "$input")"
printf '%-22s best %6.3f s  median %6.3f s  runs: %s\n' "velmora --sign" "$(best "${ours[@]}")" \
  "$ours_med" "${ours[*]}"
printf '%-22s best %6.3f s  median %6.3f s  runs: %s\n' "mutool sign" "$(best "${theirs[@]}")" \
  "$theirs_med" "${theirs[*]}"
printf '%-22s best %6.3f s  median %6.3f s\n' "velmora --version" "$(best "${starts[@]}")" \
  "$(median "${starts[@]}")"
printf 'ratio (median, velmora / mutool): %.2f (budget 1.5)\n' "$(echo "$ours_med / $theirs_med" | bc -l)"
signed="$work/velmora/$(basename "${input%.pdf}")-signed.pdf"
printf 'sizes: velmora %s bytes, mutool %s bytes\n' "$(stat -c %s "$signed")" \
  "$(stat -c %s "$work/mutool.pdf")"
printf 'pdfsig: velmora "%s", mutool "%s"\n' \
  "$(pdfsig "$signed" 2>/dev/null | grep -m1 'Signature Validation' | sed 's/.*: //')" \
  "$(pdfsig "$work/mutool.pdf" 2>/dev/null | grep -m1 'Signature Validation' | sed 's/.*: //')"
