#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the benchmarks need,
# skipping those already present. Needs root or sudo when something is missing.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    libmuparser-dev libgif-dev
    qt6-base-dev qt6-svg-dev fonts-liberation xvfb imagemagick
    qt6-translations-l10n xdotool
    clang-format-16
    desktop-file-utils appstream librsvg2-bin shared-mime-info
    dpkg-dev file lintian
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
