#!/usr/bin/env bash
# Installs the Debian 12 packages that configuring, building, testing and running
# Velmora need, only those that are missing. When everything is present it does
# nothing at all (no apt-get update), so a second run works offline.
#
# Every name below is a real package that dpkg-query reports as installed; a
# virtual name would never show as installed and would trigger apt-get each run.
set -euo pipefail

packages=(
  # toolchain
  cmake ninja-build g++ clang libclang-rt-14-dev lld pkg-config
  # Qt 6: Qt Charts needs the OpenGL module, which qt6-charts-dev does not pull in
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev qt6-svg-dev libqt6opengl6-dev
  libgl1-mesa-dev libxkbcommon-dev qt6-translations-l10n
  # libraries and test frameworks
  libcli11-dev nlohmann-json3-dev libgtest-dev libgmock-dev googletest libbenchmark-dev
  # Korean fonts, a display server for the offscreen and screenshot runs, and
  # the PDF tools with which the tests read back the reports
  fonts-nanum xvfb xauth poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    sudo=(sudo)
  else
    echo "setup: missing Debian packages: ${missing[*]}" >&2
    echo "setup: install them as root: apt-get install ${missing[*]}" >&2
    exit 1
  fi
fi

# apt's own output goes to a log: on failure only its first error is told, on
# one line with the command that installs by hand.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
printf 'setup: installing %s ... ' "${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
if "${sudo[@]}" apt-get update -qq >"$log" 2>&1 &&
  "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=300 install -y -qq --no-install-recommends \
    "${missing[@]}" >>"$log" 2>&1; then
  echo "done" >&2
  exit 0
fi
reason=$(grep -m1 '^E: ' "$log" | cut -c4- || true)
echo "failed${reason:+: $reason}" >&2
echo "setup: run as root, with the network reachable: apt-get update && apt-get install ${missing[*]}" >&2
exit 1
