#!/usr/bin/env bash
# Builds Velmora and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release
if [ -x build/release/bin/vlm ]; then
  exec build/release/bin/vlm
fi
exec build/release/bin/vlm-cli --help
