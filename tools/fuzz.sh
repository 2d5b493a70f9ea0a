#!/usr/bin/env bash
# Builds the libFuzzer targets (the `fuzz` preset, clang) and runs each for SECONDS (default 60)
# from its seed corpus. A crash, a sanitizer report or a failed check fails the script; the input
# that caused it is kept under build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

findings="build-fuzz/findings"
mkdir -p "$findings"
status=0
while read -r binary seeds; do
    [ -n "$binary" ] || continue
    name="$(basename "$binary")"
    # New inputs go to a scratch corpus; the seeds in the repository stay as they are.
    work="$(mktemp -d)"
    log="build-fuzz/$name.log"
    echo "== $name: ${seconds}s from $seeds"
    if ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$findings/$name-" "$work" "$seeds" >"$log" 2>&1; then
        runs="$(grep -Eo 'Done [0-9]+ runs in [0-9]+ second' "$log" | tail -n 1 || true)"
        echo "$name: ok (${runs:-see $log})"
    else
        echo "$name: FAILED, see $log and $findings/"
        tail -n 40 "$log"
        status=1
    fi
    rm -rf "$work"
done <build-fuzz/fuzz/targets.txt
exit "$status"
