#!/usr/bin/env bash
# Every test: installs what is missing, configures, builds and runs the test suite.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
cmake --preset release
cmake --build --preset release
ctest --preset release
