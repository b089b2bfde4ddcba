#!/usr/bin/env bash
# Installs the Debian packages Hexlume needs to build, run and test; skips what is there.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev clang-format
    qt6-base-dev libgl-dev qt6-svg-dev qt6-image-formats-plugins libqscintilla2-qt6-dev qt6-translations-l10n
    libgtest-dev libbenchmark-dev
    fonts-liberation xvfb xauth python3
    tidy
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
