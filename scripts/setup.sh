#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Velmora need,
# only those that are missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev qt6-svg-dev libqt6svg6-dev libgl1-mesa-dev
  libcli11-dev nlohmann-json3-dev libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-nanum xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
