#!/usr/bin/env bash
# The installed man page describes every option --help describes, in the same words, and is
# compressed.
# Usage: manpage_test.sh path/to/wayfolder path/to/wayfolder.1.gz
set -euo pipefail
program=$1
page=$2
failed=0
gzip -t "$page" || { echo "FAIL: $page is not gzip"; exit 1; }

# The page as plain words: requests dropped, escapes undone, every run of spaces one space.
text=$(zcat "$page" | sed -e '/^\.\(TP\|PP\|SS\|SH\|TS\|TE\)/d' -e 's/^\.[BI]R\? //' \
    -e 's/\\-/-/g' -e 's/\\e/\\/g' -e 's/\\&//g' | tr -s ' \n\t' '   ')
# Each entry of the help: a line indented by two spaces and the lines indented further below it.
entries=$(LC_ALL=C "$program" --help | awk '
    /^  [^ ]/ { if (entry != "") print entry; entry = $0; next }
    /^   /    { entry = entry " " $0; next }
              { if (entry != "") print entry; entry = "" }
    END       { if (entry != "") print entry }' | tr -s ' \t' '  ' | sed 's/^ //')
count=0
while IFS= read -r entry; do
    count=$((count + 1))
    grep -qF -- "$entry" <<<"$text" || { echo "FAIL: the man page lacks <$entry>"; failed=1; }
done <<<"$entries"
[ "$count" -ge 9 ] || { echo "FAIL: only $count entries in --help"; failed=1; }
exit $failed
