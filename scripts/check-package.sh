#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it: the files it holds, the desktop
# entry, the AppStream metainfo, the program's links to its private library, its version, and
# lintian (no errors; warnings are printed).
# Usage: scripts/check-package.sh [build folder]   (default: build/dev)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/dev}"
deb="$("$root/scripts/package.sh" "$build" | tail -n 1)"
version="$(sed -n 's/^project(Velmora VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")"
[[ "$(basename "$deb")" == "velmora_${version}_amd64.deb" ]] || { echo "unexpected name: $deb"; exit 1; }

fail() { echo "check-package: $*" >&2; exit 1; }
listing="$(dpkg-deb -c "$deb")"
expected=(
  ./usr/bin/velmora
  ./usr/lib/velmora/libworklane.so
  ./usr/lib/velmora/velmora-window
  ./usr/lib/velmora/velmora-office-helper
  ./usr/lib/velmora/libvelmora_ocr.so
  ./usr/lib/velmora/libvelmora_http.so
  ./usr/share/applications/org.velmora.Velmora.desktop
  ./usr/share/metainfo/org.velmora.Velmora.metainfo.xml
  ./usr/share/icons/hicolor/scalable/apps/org.velmora.Velmora.svg
  ./usr/share/doc/velmora/copyright
  ./usr/share/doc/velmora/changelog.gz
  ./usr/share/man/man1/velmora.1.gz
)
for size in 16 22 24 32 48 64 128 256 512; do
  expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/org.velmora.Velmora.png")
done
for path in "${expected[@]}"; do
  grep -q " ${path}\$" <<<"$listing" || fail "missing from the package: $path"
done
# Nothing of the build or test tree travels along.
! grep -Eq 'tst_|/include/|\.a$|bench_' <<<"$listing" || fail "build leftovers in the package"

recommends="$(dpkg-deb -f "$deb" Recommends)"
grep -q 'libreoffice-writer-nogui | libreoffice-writer' <<<"$recommends" ||
  fail "Recommends lacks the office suite: $recommends"
grep -q 'tesseract-ocr-eng' <<<"$recommends" ||
  fail "Recommends lacks the text recognition data: $recommends"
depends="$(dpkg-deb -f "$deb" Depends)"
for library in libqt6widgets6 libqt6network6 libqpdf29 libc6 libzip4 libxlsxwriter4 libtesseract5; do
  grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
dpkg-deb -x "$deb" "$tmp"
desktop-file-validate "$tmp/usr/share/applications/org.velmora.Velmora.desktop"
grep -q '^MimeType=application/pdf;$' "$tmp/usr/share/applications/org.velmora.Velmora.desktop" ||
  fail "the desktop entry does not declare application/pdf"
grep -q '^Exec=velmora %F$' "$tmp/usr/share/applications/org.velmora.Velmora.desktop" ||
  fail "the desktop entry does not take several files"
appstreamcli validate --no-net "$tmp/usr/share/metainfo/org.velmora.Velmora.metainfo.xml"
for png in "$tmp"/usr/share/icons/hicolor/*x*/apps/org.velmora.Velmora.png; do
  size="$(basename "$(dirname "$(dirname "$png")")")"
  actual="$(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print("%dx%d" % struct.unpack(">II", d[16:24]))' "$png")"
  [[ "$actual" == "$size" ]] || fail "$png is $actual, not $size"
done

# The unpacked programs find their private library in the package, not in the build tree.
readelf -d "$tmp/usr/bin/velmora" | grep -q 'RUNPATH.*\[\$ORIGIN/../lib/velmora\]' ||
  fail "RUNPATH of velmora: $(readelf -d "$tmp/usr/bin/velmora" | grep -E 'R(UN)?PATH')"
[[ "$("$tmp/usr/bin/velmora" --version)" == "velmora $version" ]] || fail "velmora --version"
# The command line starts without the GUI and network libraries (a timestamp loads the latter
# with libvelmora_http.so); the window's program, beside the
# private library, finds it there.
! ldd "$tmp/usr/bin/velmora" | grep -Eq 'libQt6(Widgets|Gui|Network)' ||
  fail "velmora loads Qt's GUI or network library: $(ldd "$tmp/usr/bin/velmora" | grep libQt6)"
loaded="$(ldd "$tmp/usr/lib/velmora/velmora-window" | awk '/libworklane/ { print $3 }')"
[[ -n "$loaded" && "$(readlink -f "$loaded")" == "$(readlink -f "$tmp/usr/lib/velmora/libworklane.so")" ]] ||
  fail "velmora-window loads libworklane from '$loaded', not from the package"

if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb"
else
  echo "check-package: lintian is not installed, skipped"
fi
echo "check-package: $deb is good"
