#!/usr/bin/env bash
# Every language has every text: gathering the marked texts again changes no translation file
# (nothing missing, nothing left over), and no entry is unfinished.
# Usage: complete_test.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source_dir"/translations/kovrel_*.ts "$work/"
bash "$source_dir/scripts/update-translations.sh" "$work" 2>/dev/null
status=0
for ts in "$source_dir"/translations/kovrel_*.ts; do
    name=$(basename "$ts")
    if ! diff -q "$ts" "$work/$name" >/dev/null; then
        echo "$name lacks texts the program marks, or keeps ones it no longer has:"
        diff "$ts" "$work/$name" | grep '^[<>].*<source>' | head -20
        status=1
    fi
    unfinished=$(grep -c 'type="unfinished"' "$ts" || true)
    if [ "$unfinished" -ne 0 ]; then
        echo "$name has $unfinished unfinished entries"
        status=1
    fi
done
exit $status
