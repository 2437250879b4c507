#!/usr/bin/env bash
# Installs, with apt-get, whatever a fresh Debian 12 machine lacks to build and run the
# program; with --test also what the tests and the benchmarks use, with --fuzz what fuzzing
# needs. Does nothing when everything is there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-image-formats-plugins qt6-charts-dev
  libqt6opengl6-dev
  qt6-l10n-tools qt6-translations-l10n
  libgl-dev libsqlite3-dev sqlite3 libssl-dev
  libmdb3 mdbtools mdbtools-dev libglib2.0-dev
  libxlsxwriter-dev libzip-dev zlib1g-dev libqrencode-dev
  libjpeg-dev
  fonts-liberation fonts-dejavu-core
)
case "${1:-}" in
  --test) packages+=(xvfb xauth imagemagick poppler-utils desktop-file-utils appstream
    python3-openpyxl python3-pil dpkg-dev lintian chromium
    xdotool libx11-dev libxdamage-dev) ;;
  --fuzz) packages+=(clang libclang-rt-14-dev) ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
