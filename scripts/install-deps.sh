#!/usr/bin/env bash
# Installs what building, running and testing Kovrel needs on Debian 12, skipping what is there.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config clang-format git
    qt6-base-dev qt6-svg-dev libgl-dev qt6-l10n-tools qt6-translations-l10n
    fonts-lohit-deva fonts-lohit-taml fonts-lohit-telu fonts-lohit-knda fonts-smc-manjari
    nlohmann-json3-dev libcli11-dev
    libtimezonemap-data libcctz-dev libhowardhinnant-date-dev tzdata liberfa-dev kstars-data
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth xdotool fonts-dejavu-core desktop-file-utils
    librsvg2-bin gzip groff-base appstream shared-mime-info xdg-utils libfile-mimeinfo-perl
    dpkg-dev file poppler-utils lintian
)
if [ "${1:-}" = "--runtime-only" ]; then
    packages=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev libgl-dev nlohmann-json3-dev libcli11-dev
              libtimezonemap-data libcctz-dev libhowardhinnant-date-dev tzdata liberfa-dev kstars-data
              libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core poppler-utils librsvg2-bin gzip
              qt6-l10n-tools qt6-translations-l10n fonts-lohit-deva fonts-lohit-taml
              fonts-lohit-telu fonts-lohit-knda fonts-smc-manjari)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
