#!/usr/bin/env bash
# Fails when an include runs against the layers: a room may include only itself and the rooms
# below it, and the core includes nothing of Qt but QtCore.
#   include_direction.sh SOURCE_DIR QTCORE_INCLUDE_DIR
set -u
src=$1
qtcore=$2
cd "$src" || exit 2

# The rooms each room may include besides itself.
declare -A below=(
    [core/system]=""
    [core/toolkit]="core/system"
    [core/formats]="core/system"
    [core/dialogs]="core/formats core/toolkit core/system"
    [core/mainform]="core/dialogs core/formats core/toolkit core/system"
    [core/cli]="core/dialogs core/formats core/toolkit core/system"
    [shell/widgets]="core/"
    [shell/windows]="shell/widgets core/"
    [shell/host]="shell/windows shell/widgets core/"
)

status=0
while IFS= read -r -d '' file; do
    room=$(dirname "$file")
    allowed="$room ${below[$room]-}"
    if [ -z "${below[$room]+set}" ]; then
        echo "$file: in no known room"
        status=1
        continue
    fi
    while IFS=: read -r line included; do
        case "$included" in
        \"*)
            target=${included#\"}
            target=${target%\"}
            ok=0
            for prefix in $allowed; do
                [[ "$target" == "${prefix%/}"/* ]] && ok=1
            done
            [ "$ok" = 1 ] || { echo "$file:$line: $room must not include $target"; status=1; }
            ;;
        \<Q*)
            header=${included#<}
            header=${header%>}
            if [[ "$room" == core/* && ! -e "$qtcore/$header" ]]; then
                echo "$file:$line: the core uses QtCore only, not <$header>"
                status=1
            fi
            ;;
        esac
    done < <(grep -n -o -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"][^>"]+[>"]' "$file" |
             sed -E 's/:[[:space:]]*#[[:space:]]*include[[:space:]]*/:/')
done < <(find core shell \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)
[ "$status" = 0 ] && echo "every include runs down the layers"
exit "$status"
