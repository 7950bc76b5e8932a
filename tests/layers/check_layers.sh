#!/bin/bash
# The layers of src/ point one way: a folder includes only folders after it in this order (and
# resource.h, beneath all). Prints each include that reaches up, and fails when there is one.
# Usage: check_layers.sh SRC_FOLDER
set -uo pipefail
layers=(app sheet report pages framework system)
cd "$1" || exit 2

# rank FOLDER: the folder's place in the order, or nothing for a folder not in it.
rank() {
    local i
    for i in "${!layers[@]}"; do
        [ "${layers[$i]}" = "$1" ] && echo "$i" && return
    done
}

failures=0
while IFS=: read -r file line text; do
    included=$(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' <<<"$text")
    [ "$included" = resource.h ] && continue
    from=$(rank "${file%%/*}")
    to=$(rank "${included%%/*}")
    if [ -z "$from" ] || [ -z "$to" ] || [ "$to" -lt "$from" ]; then
        echo "$file:$line: includes \"$included\", which is not below ${file%%/*}/ (order: ${layers[*]})"
        failures=$((failures + 1))
    fi
done < <(grep -rn --include='*.h' --include='*.cpp' -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' .  | sed 's#^\./##')

[ "$failures" -eq 0 ] && echo "every include of src/ points down: ${layers[*]}"
exit $((failures > 0))
