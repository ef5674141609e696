#!/usr/bin/env bash
# Installs every Debian 12 package the build, the program and the tests need.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config clang python3 libsodium-dev
  qt6-base-dev qt6-svg-dev libqt6svg6 qt6-base-dev-tools qt6-translations-l10n libgl-dev libwmf-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk fonts-dejavu-core
  zbar-tools poppler-utils xvfb xauth imagemagick
  cups cups-client cups-bsd printer-driver-cups-pdf
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
