#!/usr/bin/env bash
# Installs every Debian package needed to build, test and benchmark Velmora. Safe to run again.
set -euo pipefail

packages=(
  build-essential g++ cmake ninja-build ccache pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-svg-dev qt6-translations-l10n libqt6svg6 libqt6opengl6-dev libgl-dev
  libmupdf-dev libmujs-dev libgumbo-dev libopenjp2-7-dev libjbig2dec0-dev
  libharfbuzz-dev libfreetype-dev libjpeg-dev zlib1g-dev
  libqpdf-dev libsodium-dev libcups2-dev openssl libssl-dev
  # Signature tests: the NSS tools give pdfsig an empty certificate database of its own.
  libnss3-tools
  fonts-noto-cjk fonts-dejavu-core
  xvfb xauth librsvg2-bin python3
  qpdf mupdf-tools poppler-utils ghostscript time
  dpkg-dev fakeroot desktop-file-utils appstream lintian clang-format
  # Office to PDF: the office suite without its windows, its kit headers for the warm helper,
  # and fonts metric-compatible with the usual Office ones so pages break where they did.
  libreoffice-writer-nogui libreoffice-calc-nogui libreoffice-impress-nogui libreofficekit-dev
  fonts-crosextra-carlito fonts-crosextra-caladea fonts-liberation2
  # PDF to Office: the containers, and independent readers of them for the tests.
  libzip-dev libxlsxwriter-dev python3-docx python3-openpyxl
  # Searchable scans: the recogniser, its language data for the seven interface languages
  # plus orientation detection, and its command line for the benchmark's reference runs.
  libtesseract-dev libleptonica-dev tesseract-ocr tesseract-ocr-osd tesseract-ocr-eng
  tesseract-ocr-chi-sim tesseract-ocr-deu tesseract-ocr-fra tesseract-ocr-spa
  tesseract-ocr-jpn tesseract-ocr-ara
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
