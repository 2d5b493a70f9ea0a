#!/usr/bin/env bash
# The favorites commands as real processes on one home: writers running at once keep each
# other's favorites, a refused add leaves the file byte for byte, and no door reads a FIFO, a
# device or an oversized file.
# Usage: favorites_doors_test.sh path/to/wayfolder
set -euo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
home=$work/home
data=$home/data/Wayfolder
file=$data/FavoDirs.dat
mkdir -p "$data" "$home/config" "$home/f"
failed=0
fail() { echo "FAIL $*"; failed=1; }

run() { # runs the program (at most 20 s: a hang is a failure), status in $status
    env -i PATH="$PATH" HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
        LANG=C.UTF-8 timeout 20 "$program" "$@" >"$work/out" 2>"$work/err" && status=0 || status=$?
}
header='Enter below: [Folder Shortcut name][*][Full path][**][File filter] without brackets (** & File filter are optional) - don'"'"'t remove this line !'
write_list() { # count: a favorites file of that many entries
    { printf '%s' "$header"; seq -f $'\r\nF%g*/tmp' 1 "$1"; } >"$file"
}

# Forty adds at once: every one is in the file afterwards.
printf '%s\r\nHome*%s' "$header" "$home" >"$file"
for i in $(seq 1 40); do mkdir -p "$home/f/d$i"; done
for i in $(seq 1 40); do
    env -i PATH="$PATH" HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
        "$program" --add "$home/f/d$i" >/dev/null 2>"$work/err$i" &
done
wait
kept=$(grep -c -E '^d[0-9]+\*' <(tr '\r' '\n' <"$file") || true)
[ "$kept" = 40 ] || fail "40 concurrent --add: $kept kept"

# Refused adds: the message, status 1, the file untouched.
write_list 32767
cp "$file" "$work/before"
run --add "$home/f/d1"
[ "$status" = 1 ] && grep -q "already holds 32767 favorites" "$work/err" || fail "--add at the limit: $status $(cat "$work/err")"
cmp -s "$file" "$work/before" || fail "--add at the limit changed the file"
write_list 3
cp "$file" "$work/before"
run --add "$home/f/d1" --name $'a\tb'
[ "$status" = 1 ] && grep -q "a tab or line break" "$work/err" || fail "--add with a tab: $status"
cmp -s "$file" "$work/before" || fail "--add with a tab changed the file"

# A write past the file-size limit is reported, not a silent death by SIGXFSZ.
write_list 2000
cp "$file" "$work/before"
(ulimit -f 20; run --add "$home/f/d2"; echo "$status" >"$work/status")
[ "$(cat "$work/status")" = 1 ] && grep -q "could not be saved" "$work/err" || fail "--add past the size limit: $(cat "$work/status") $(cat "$work/err")"
cmp -s "$file" "$work/before" || fail "--add past the size limit changed the file"

# Things that are not favorites files: refused at once with one message, never replaced.
hostile() { # name, how to make it at $file
    rm -rf "$file"
    eval "$2"
    for command in "--list" "--path F1" "--add $home/f/d3"; do
        # shellcheck disable=SC2086
        run $command
        [ "$status" = 1 ] || fail "$1 $command: status $status"
        grep -q -E "is not a regular file|is larger than" "$work/err" || fail "$1 $command: $(cat "$work/err")"
    done
}
hostile FIFO 'mkfifo "$file"'
[ -p "$file" ] || fail "FIFO was replaced"
hostile "link to a device" 'ln -s /dev/zero "$file"'
[ -L "$file" ] && [ "$(readlink "$file")" = /dev/zero ] || fail "device link was replaced"
hostile folder 'mkdir "$file"'
[ -d "$file" ] || fail "folder was replaced"
hostile "oversized file" 'truncate -s 100M "$file"'
[ "$(stat -c %s "$file")" = 104857600 ] || fail "oversized file was changed"
rm -rf "$file"

exit $failed
