#!/usr/bin/env bash
# Installs what building, running and testing Pelzaro need on Debian, when it is missing:
# the compiler and CMake; Qt 6 Widgets, PrintSupport and Test (qt6-base-dev holds their CMake
# packages and pulls in libqt6printsupport6, libqt6test6, the platform plugins and the OpenGL
# headers); Qt's own Japanese texts; GoogleTest and GoogleMock; the IPA fonts that stand in
# for "ＭＳ ゴシック" and "ＭＳ 明朝"; poppler-utils (pdftotext for the report tests, pdftoppm to
# look at the pages that tools/report_pdf writes).
set -euo pipefail
packages=(cmake g++ make qt6-base-dev libqt6printsupport6 qt6-translations-l10n
          libgtest-dev libgmock-dev fonts-ipafont-mincho fonts-ipafont-gothic libgl-dev
          poppler-utils)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
