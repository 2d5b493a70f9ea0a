#!/usr/bin/env bash
# Format and lint: clang-format over every tracked C++ file, clang-tidy (the root .clang-tidy)
# over the core, with the dev build's compile commands. Both must be clean.
set -euo pipefail
cd "$(dirname "$0")/.."

echo "== clang-format --dry-run --Werror"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

echo "== clang-tidy on the core"
[ -f build/compile_commands.json ] || cmake --preset dev >/dev/null
# The core's own sources, every room under core/.
core='/core/[a-z]+/[^/]+\.cpp$'
run-clang-tidy -p build -j 2 -quiet "$core" >build/clang-tidy.log 2>&1 || {
    grep -E -A3 'warning:|error:' build/clang-tidy.log | head -200
    echo "clang-tidy found the above (full log: build/clang-tidy.log)" >&2
    exit 1
}
echo "clean"
