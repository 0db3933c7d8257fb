#!/usr/bin/env bash
# Writes the Debian package of Velmora, build/package/velmora_<version>_<arch>.deb,
# from the release build, and runs lintian on it where lintian is installed.
#
#   scripts/make_package.sh
#
# Install it with: apt-get install ./build/package/velmora_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh

# cpack reads the executables' library needs with dpkg-shlibdeps (dpkg-dev),
# and finds the executables with file.
tools=()
command -v dpkg-shlibdeps >/dev/null || tools+=(dpkg-dev)
command -v file >/dev/null || tools+=(file)
if [ ${#tools[@]} -gt 0 ]; then
  echo "make_package: installing ${tools[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 install -y -qq \
    --no-install-recommends "${tools[@]}" >/dev/null
fi

cmake --preset release >/dev/null
cmake --build --preset release
rm -rf build/package
(cd build/release && cpack -G DEB -B "$PWD/../package" >/dev/null)
rm -rf build/package/_CPack_Packages
deb=$(ls build/package/velmora_*.deb)
echo "make_package: $deb"
if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb"
fi
