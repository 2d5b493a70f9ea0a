#!/usr/bin/env bash
# Builds everything with warnings as errors and runs the tests: all but the `slow` label (thousands
# of names on disk) in the developer loop, every test with --slow, as CI runs it.
#   test.sh [--slow] [ctest options]
set -euo pipefail
cd "$(dirname "$0")/.."
skip=(-LE '^slow$')
if [ "${1:-}" = --slow ]; then
    skip=()
    shift
fi
tools/deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev ${skip[@]+"${skip[@]}"} "$@"
