#!/usr/bin/env bash
# Folder names that are not UTF-8, given on the command line: their bytes reach the favorites
# file and come back out exactly.
# Usage: rawbytes_test.sh path/to/wayfolder
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM # the command line needs no display at all
cafe=$HOME/$'caf\xe9'
mkdir -p "$cafe"/$'\xff'
cd "$cafe"
failed=0

expect() { # exit status, exact standard output, the arguments
    local status=$1 expected=$2 got code
    shift 2
    got=$("$program" "$@" 2>"$work/err") && code=0 || code=$?
    if [ "$code" != "$status" ] || [ "$got" != "$expected" ]; then
        echo "FAIL $(printf '%q ' "$@"): status $code, stdout $(printf '%q' "$got"), stderr $(cat "$work/err")"
        failed=1
    fi
}
data=$XDG_DATA_HOME/Wayfolder
expect 0 "Added \"Cafe\" to $data/FavoDirs.dat" --add "$cafe" --name Cafe
expect 0 "$cafe" --path Cafe
expect 0 "Added \""$'\xff'"\" to $data/FavoDirs2.dat" --set 2 --add $'\xff'
expect 0 "$cafe/"$'\xff' --set 2 --path $'\xff'
expect 0 "Home"$'\t'"$HOME"$'\t\n'"Cafe"$'\t'"$cafe"$'\t' --list
expect 1 "" --add "$HOME/caf"$'\xe8'
# Messages name the very bytes that were given.
"$program" --add "$HOME/caf"$'\xe8' 2>"$work/err" || true
grep -qF "\"$HOME/caf"$'\xe8'"\"" "$work/err" || { echo "FAIL: the missing folder's bytes: $(cat "$work/err")"; failed=1; }
"$program" "$cafe" $'\xe8' 2>"$work/err" || true
grep -qF "$cafe "$'\xe8' "$work/err" || { echo "FAIL: two folders' bytes: $(cat "$work/err")"; failed=1; }
exit $failed
