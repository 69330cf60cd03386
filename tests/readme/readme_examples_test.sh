#!/usr/bin/env bash
# Runs every command of the README's command-line section, as a reader would paste them, in a
# scratch folder where build/ is the build folder. Any example that fails (or a file an example
# should write that does not appear) fails the test, so the README cannot drift from the program.
# usage: readme_examples_test.sh README.md BUILD_DIR SAVED_READING.kvr
set -euo pipefail
readme=$1 build=$2 sample=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ln -s "$(cd "$build" && pwd)" "$work/build"
# The saved readings the examples name.
cp "$sample" "$work/saved.kvr"
cp "$sample" "$work/other.kvr"

# The first sh block after the section heading.
awk '/^## Command-line readings/ { section = 1; next }
     section && /^## / { exit }
     section && /^```sh/ { inside = 1; next }
     section && inside && /^```/ { exit }
     inside { print }' "$readme" >"$work/examples.sh"
count=$(grep -c '^build/kovrel-reading' "$work/examples.sh" || true)
[ "$count" -ge 5 ] || { echo "found only $count examples in $readme" >&2; exit 1; }

cd "$work"
bash -euo pipefail examples.sh >examples.out 2>examples.err || {
    echo "an example of the README failed:" >&2
    cat examples.err >&2
    exit 1
}
[ -s examples.err ] && { echo "the examples wrote to standard error:" >&2; cat examples.err >&2; exit 1; }
for file in ann.kvr ann.pdf ann.svg; do
    [ -s "$file" ] || { echo "an example should have written $file" >&2; exit 1; }
done
# Ann's worked reading has the Sun at 00 Pis 41.
grep -q "00 Pis 41" examples.out ||
    { echo "the examples' readings lack Ann's Sun placement" >&2; exit 1; }
echo "readme: $count examples ran"
