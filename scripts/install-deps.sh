#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build and test the project,
# skipping what is already there.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-private-dev libqt6svg6-dev
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
    libgl-dev libzip-dev libxcb-shape0-dev libxcb-xfixes0-dev
    appstream desktop-file-utils shared-mime-info libglib2.0-bin libxml2-utils man-db
    fonts-dejavu-core xvfb xauth ccache
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
