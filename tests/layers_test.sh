#!/usr/bin/env bash
# The floors of the house: a file includes only from its own folder and the folders below it,
# and core code (outside gui/ folders) includes nothing from a gui/ folder.
# usage: layers_test.sh SOURCE_DIR LAYER... (bottom to top)
set -euo pipefail
root=$1
shift
declare -A rank
n=0
for layer in "$@"; do
    rank[$layer]=$n
    n=$((n + 1))
done

cd "$root"
faults=0
while IFS= read -r file; do
    own=${file%%/*}
    [ -n "${rank[$own]:-}" ] || continue
    while IFS= read -r included; do
        folder=${included%%/*}
        [ -n "${rank[$folder]:-}" ] || continue
        if [ "${rank[$folder]}" -gt "${rank[$own]}" ]; then
            echo "$file includes $included from $folder, above $own"
            faults=$((faults + 1))
        fi
        if [[ $file != */gui/* && $included == */gui/* ]]; then
            echo "$file is core code but includes $included"
            faults=$((faults + 1))
        fi
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done < <(git ls-files -- '*.cpp' '*.h')
[ "$faults" -eq 0 ] || { echo "$faults includes run upwards" >&2; exit 1; }
echo "layers: every include runs downwards"
