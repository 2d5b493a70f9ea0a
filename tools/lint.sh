#!/usr/bin/env bash
# Format and lint: clang-format over every tracked C++ file, clang-tidy (the root .clang-tidy)
# over the core, the shell and the tests with the dev build's compile commands. Both must be clean.
#   lint.sh         clang-tidy on the sources changed against main (committed or not): the developer loop
#   lint.sh --all   clang-tidy on every source, as CI runs it
set -euo pipefail
cd "$(dirname "$0")/.."

all=0
case "${1:-}" in
--all) all=1 ;;
"") ;;
*) echo "usage: $0 [--all]" >&2; exit 2 ;;
esac

echo "== clang-format --dry-run --Werror"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

# Every room's sources: core/<room>/, shell/<room>/, tests/<room>/.
rooms='^(core|shell|tests)/[a-z]+/[^/]+\.cpp$'
if [ "$all" = 1 ]; then
    files=$(git ls-files | grep -E "$rooms" || true)
    echo "== clang-tidy on every source"
else
    base=$(git merge-base HEAD main 2>/dev/null || echo HEAD)
    files=$({ git diff --name-only "$base"; git ls-files --others --exclude-standard; } | sort -u |
        grep -E "$rooms" || true)
    echo "== clang-tidy on the sources changed against main (--all for every one)"
fi
if [ -z "$files" ]; then
    echo "nothing to lint"
    exit 0
fi
[ -f build/compile_commands.json ] || cmake --preset dev >/dev/null
# run-clang-tidy takes regular expressions: each file as an exact path under the tree.
patterns=()
for f in $files; do
    [ -f "$f" ] && patterns+=("$PWD/$(printf '%s' "$f" | sed 's/[.[\*^$+?(){}|]/\\&/g')\$")
done
[ ${#patterns[@]} -gt 0 ] || { echo "nothing to lint"; exit 0; }
run-clang-tidy -p build -j 2 -quiet "${patterns[@]}" >build/clang-tidy.log 2>&1 || {
    grep -E -A3 'warning:|error:' build/clang-tidy.log | head -200
    echo "clang-tidy found the above (full log: build/clang-tidy.log)" >&2
    exit 1
}
echo "clean"
