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
        local IFS=$'\n' names
        names=$(wayfolder --list ${set:+--set "$set"} 2>/dev/null | cut -f1)
        COMPREPLY=($(compgen -W "$names" -- "$cur"))
        # Names with spaces stay one word.
        COMPREPLY=("${COMPREPLY[@]// /\\ }")
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
