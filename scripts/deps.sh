#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Tallar2 need, when missing.
set -euo pipefail

packages=(cmake make g++ pkg-config libsqlite3-dev qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev
          libgmock-dev libbenchmark-dev qt6-translations-l10n clang-format clang-tidy xvfb xauth
          dpkg-dev groff-base desktop-file-utils appstream fonts-dejavu-core fonts-dejavu-extra
          poppler-utils)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Instaluję pakiety: ${missing[*]}" >&2
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
