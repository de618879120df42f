#!/usr/bin/env bash
# Installs every Debian package that the build, the tests and the program need.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git clang-format
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-multimedia-dev qt6-translations-l10n
  libqt6opengl6-dev libgl-dev
  qt6-qpa-plugins libqt6svg6 gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  libqpdf-dev libsimpleini-dev
  fonts-liberation fonts-dejavu-core
  xvfb xauth x11-apps imagemagick poppler-utils qpdf desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
