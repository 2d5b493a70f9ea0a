#!/usr/bin/env bash
# The bash and zsh completion functions, run against real favorites files written by the program.
# Usage: completion_test.sh path/to/wayfolder path/to/completion-folder
set -euo pipefail
program=$1
completion=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/home/zebra" "$work/home/zeal" "$work/home/it's"
ln -s "$program" "$work/bin/wayfolder"
export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config PATH=$work/bin:$PATH
unset DISPLAY WAYLAND_DISPLAY
wayfolder --add "$HOME/zeal" --name Zealand >/dev/null
wayfolder --set 2 --add "$HOME/zebra" --name "Zebra crossing" >/dev/null
wayfolder --set 2 --add "$HOME/it's" --name "It's" >/dev/null
failed=0

# Each row: the words before the cursor, the word at it, the completions one per line (bash
# quotes them for the command line, zsh's compadd does its own quoting).
# shellcheck disable=SC2016
bash_rows=(
    'wayfolder --set 2 --path|Zeb|Zebra\ crossing'
    'wayfolder --path|Ze|Zealand'
    'wayfolder --set 2 --path|I|It\'"'"'s'
    'wayfolder --set 2 --path|Zebra\ c|Zebra\ crossing'
    'wayfolder --set 2 --path|Q|'
)
for row in "${bash_rows[@]}"; do
    IFS='|' read -r before cur expected <<<"$row"
    got=$(bash -c 'source "$1/wayfolder.bash"; read -ra COMP_WORDS <<<"$2"; COMP_WORDS+=("$3")
        COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _wayfolder; printf "%s\n" "${COMPREPLY[@]}"' \
        _ "$completion" "$before" "$cur")
    [ "$got" = "$expected" ] || { echo "FAIL bash <$before $cur>: <$got>, expected <$expected>"; failed=1; }
done

# zsh: _arguments fills opt_args before it calls the names function; compadd is recorded.
zsh_rows=(
    '2|Home
Zebra crossing
It'"'"'s'
    '|Home
Zealand'
)
if ! command -v zsh >/dev/null; then
    echo "zsh is not installed: its completion is not checked"
else
    for row in "${zsh_rows[@]}"; do
        set=${row%%|*}
        expected=${row#*|}
        got=$(zsh -f -c 'typeset -A opt_args; [[ -n $2 ]] && opt_args[--set]=$2
            _arguments() { :; }; compadd() { print -rl -- "${(@P)2}"; }
            source "$1/_wayfolder"; _wayfolder_names' _ "$completion" "$set")
        [ "$got" = "$expected" ] || { echo "FAIL zsh --set <$set>: <$got>, expected <$expected>"; failed=1; }
    done
fi
exit $failed
