#!/usr/bin/env bash
# Builds the program alone (an optimised build without tests or benchmarks) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh --run
cmake --preset release >/dev/null
cmake --build --preset release --target wayfolder
exec build-release/wayfolder "$@"
