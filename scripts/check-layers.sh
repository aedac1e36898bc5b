#!/usr/bin/env bash
# Checks that the folders under src/ stay layers: a file includes only from its own folder and the
# folders below it, and every include of ours names its folder ("game/GameRound.h"). Tests may
# include from any folder of src/ or tests/, but by folder too.
#   check-layers.sh [ROOT]    exits 1 and lists every include that breaks the rules
set -euo pipefail

root=$(cd "${1:-$(dirname "$0")/..}" && pwd)

# Each folder's height; a folder sees only itself and lower ones.
declare -A height=(
    [core]=0
    [platform]=1 [ui]=1
    [sound]=2 [speech]=2 [wordlists]=2 [record]=2 [classrecord]=2
    [game]=3
    [editor]=4 [classlists]=4 [windows]=4 [progress]=4 [spelling]=4
    [app]=5
)

failures=0
fail() {
    echo "$1: $2" >&2
    failures=$((failures + 1))
}

# Prints "file:line:included" for every #include "..." of the files under a folder.
quoted_includes() {
    grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$1" |
        sed -E 's/^([^:]+:[0-9]+):[^"]*"([^"]*)".*/\1:\2/'
}

while IFS=: read -r file line included; do
    where="${file#"$root"/}:$line"
    own=${file#"$root/src/"}
    own=${own%%/*}
    if [ -z "${height[$own]+set}" ]; then
        fail "$where" "src/$own is not a layer; add it to scripts/check-layers.sh"
        continue
    fi
    folder=${included%%/*}
    if [ "$folder" = "$included" ]; then
        fail "$where" "\"$included\" names no folder"
    elif [ -z "${height[$folder]+set}" ]; then
        fail "$where" "\"$included\" is not in a folder of src/"
    elif [ "$folder" != "$own" ] && [ "${height[$folder]}" -ge "${height[$own]}" ]; then
        fail "$where" "src/$own includes \"$included\" from a layer that is not below it"
    fi
done < <(quoted_includes "$root/src")

while IFS=: read -r file line included; do
    if [ "${included%%/*}" = "$included" ]; then
        fail "${file#"$root"/}:$line" "\"$included\" names no folder"
    fi
done < <(quoted_includes "$root/tests"; quoted_includes "$root/bench")

if [ "$failures" -gt 0 ]; then
    echo "check-layers: $failures include(s) break the layers" >&2
    exit 1
fi
echo "check-layers: every include keeps to the layers"
