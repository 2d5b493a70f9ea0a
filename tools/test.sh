#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev "$@"
