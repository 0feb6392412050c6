#!/usr/bin/env bash
# Collects every tr() text of the program into the catalogues under translations/, keeping the
# translations already made and dropping texts the code no longer has. New texts arrive marked
# unfinished; translate them (see translations/GLOSSARY.md) and the catalogue test passes again.
# Usage: scripts/update-translations.sh [folder]
#   With a folder, the catalogues are copied there and updated there instead (the catalogue test
#   does this to see what the code would add).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
lupdate="${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}"
cd "$root"
out="translations"
if [[ $# -ge 1 ]]; then
  out="$1"
  mkdir -p "$out"
  cp translations/tessel_*.ts "$out/"
fi

folders=()
# Every folder of the program: a tr() anywhere in it must reach the catalogues.
for dir in app core widgets tools document organise viewer recent language account engine taskengine; do
  [[ -d $dir ]] && folders+=("$dir")
done

declare -A languages=([en]=en_US [de]=de_DE [fr]=fr_FR [es]=es_ES [ar]=ar_SA [jp]=ja_JP)
for suffix in en de fr es ar jp; do
  "$lupdate" -silent -no-obsolete -locations none -extensions cpp,h \
    -source-language zh_CN -target-language "${languages[$suffix]}" \
    "${folders[@]}" -ts "$out/tessel_${suffix}.ts"
done

# The Chinese catalogue holds only the texts written in another language in the code (the account
# texts); the rest of the code is Chinese already.
"$lupdate" -silent -no-obsolete -locations none -extensions cpp,h \
  -source-language zh_CN -target-language zh_CN \
  "${folders[@]}" -ts "$out/tessel_zh_CN.ts"
python3 - "$out/tessel_zh_CN.ts" <<'PY'
import re, sys
path = sys.argv[1]
text = open(path, encoding="utf-8").read()
cjk = re.compile("[\u2e80-\u9fff\uf900-\ufaff\uff00-\uffef]")
def keep(m):
    source = re.search(r"<source>(.*?)</source>", m.group(0), re.S)
    return "" if source and cjk.search(source.group(1)) else m.group(0)
text = re.sub(r"[ \t]*<message[ >].*?</message>\n", keep, text, flags=re.S)
text = re.sub(r"<context>\s*<name>[^<]*</name>\s*</context>\n?", "", text)
open(path, "w", encoding="utf-8").write(text)
PY

# A summary of what is left to translate.
for ts in "$out"/tessel_*.ts; do
  left=$(grep -c 'type="unfinished"' "$ts" || true)
  echo "$ts: $left unfinished"
done
