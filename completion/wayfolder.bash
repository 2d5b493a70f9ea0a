# bash completion for wayfolder: options, and favorite names after --path.

_wayfolder()
{
    local cur prev set="" i
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}
    for ((i = 1; i < COMP_CWORD; i++)); do
        [[ ${COMP_WORDS[i]} == --set ]] && set=${COMP_WORDS[i+1]}
    done
    case $prev in
    --path)
        # An array keeps "--set" and its number two arguments, and each name one word.
        local -a listing=(wayfolder --list) names
        [[ -n $set ]] && listing+=(--set "$set")
        mapfile -t names < <("${listing[@]}" 2>/dev/null | cut -f1)
        local name typed=${cur//\\/} quoted
        for name in "${names[@]}"; do
            [[ -n $name && $name == "$typed"* ]] || continue
            printf -v quoted %q "$name"
            COMPREPLY+=("$quoted")
        done
        return
        ;;
    --add)
        compopt -o filenames 2>/dev/null
        COMPREPLY=($(compgen -d -- "$cur"))
        return
        ;;
    --set)
        COMPREPLY=($(compgen -W "1 2 3 4 5" -- "$cur"))
        return
        ;;
    --name | --filter)
        return
        ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "--list --path --add --name --filter --set --help --version" -- "$cur"))
        return
    fi
    compopt -o filenames 2>/dev/null
    COMPREPLY=($(compgen -d -- "$cur"))
}
complete -F _wayfolder wayfolder
