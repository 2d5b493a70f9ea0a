#!/usr/bin/env bash
# The installed program's answers that end it at once: they need no display and touch no file.
# Usage: commandline_test.sh path/to/wayfolder
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
home=$work/home
mkdir "$home"
failed=0

# No display at all, and a platform that aborts without one: any window would fail the run.
run() {
    env -i PATH="$PATH" HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
        XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=xcb \
        "$program" "$@" >"$work/out" 2>"$work/err" && status=0 || status=$?
}
check() { # name, expected status, expected stdout (exact or empty), stderr pattern (or empty)
    local out err
    out=$(cat "$work/out")
    err=$(cat "$work/err")
    if [ "$status" != "$2" ] || [ "$out" != "$3" ] || { [ -z "$4" ] && [ -n "$err" ]; } ||
        { [ -n "$4" ] && ! grep -q -- "$4" "$work/err"; }; then
        echo "FAIL $1: status $status, stdout <$out>, stderr <$err>"
        failed=1
    fi
}

run --version
check "--version" 0 "Wayfolder 2.7.0" ""
run -v
check "-v" 0 "Wayfolder 2.7.0" ""
run --help
status_help=$status
grep -q '^Usage: wayfolder \[options\] \[folder\]' "$work/out" || { echo "FAIL --help: no usage"; failed=1; }
[ "$status_help" = 0 ] || { echo "FAIL --help: status $status_help"; failed=1; }
run --no-such-option
check "unknown option" 2 "" "^Usage: wayfolder"
run one two
check "two folders" 2 "" "^Only one folder can be given: one two"

if [ -n "$(find "$home" -mindepth 1 -print -quit)" ]; then
    echo "FAIL: files were created:"
    find "$home" -mindepth 1
    failed=1
fi
exit $failed
