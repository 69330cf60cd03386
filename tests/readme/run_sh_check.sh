#!/usr/bin/env bash
# The README's first command both ways. Without a display, scripts/run.sh must print the example
# reading and end with status 0; its reading is compared with the tool's own reading of the same
# birth and with the worked figures of that birth. In a private X server it must open the window.
# usage: tests/readme/run_sh_check.sh
set -euo pipefail
cd "$(dirname "$0")/../.."

out=$(mktemp)
trap 'rm -f "$out"' EXIT

if [ -z "${RUN_SH_INSIDE_X:-}" ]; then
    env -u DISPLAY -u WAYLAND_DISPLAY bash scripts/run.sh >"$out" ||
        { echo "run.sh without a display failed:" >&2; cat "$out" >&2; exit 1; }
    # Whatever the build printed comes before the note; the reading is what follows it.
    reading=$(sed -n '/^No display found/,$p' "$out" | tail -n +3)
    expected=$(build/kovrel-reading --name Ann --date 1990-03-15 --time 08:30 --zone IST \
        --lat 28:36N --lon 77:12E --city "New Delhi" --state Delhi --country India)
    [ "$reading" = "$expected" ] ||
        { echo "run.sh printed another reading than the tool:" >&2; diff <(echo "$expected") <(echo "$reading") >&2; exit 1; }
    # Ann's worked reading: the Sun at 00 Pis 41, the Moon at 11 Lib 33.
    grep -q '^  Sun      00 Pis 41$' <<<"$reading" && grep -q '^  Moon     11 Lib 33$' <<<"$reading" ||
        { echo "run.sh's reading lacks Ann's worked placements" >&2; exit 1; }
    echo "run.sh: without a display it printed the example reading"

    rm -f "$out"
    RUN_SH_INSIDE_X=1 exec xvfb-run -a -s "-screen 0 1280x900x24" "$0"
fi

# With a display (run.sh ends in exec build/kovrel, so the runner is the program): the window
# appears. A fresh home keeps it apart from any other Kovrel.
home=$(mktemp -d)
mkdir -p "$home/run" && chmod 700 "$home/run"
HOME=$home XDG_RUNTIME_DIR=$home/run XDG_CONFIG_HOME=$home/config KOVREL_LOCK_FOLDER=$home/run bash scripts/run.sh >"$out" 2>&1 &
runner=$!
window=""
for _ in $(seq 1 300); do
    window=$(xdotool search --onlyvisible --name '^Kovrel v1\.15$' 2>/dev/null | head -n 1) || true
    [ -n "$window" ] && break
    kill -0 "$runner" 2>/dev/null || break
    sleep 0.2
done
kill "$runner" 2>/dev/null || true
wait "$runner" 2>/dev/null || true
rm -rf "$home"
[ -n "$window" ] || { echo "run.sh with a display opened no window:" >&2; cat "$out" >&2; exit 1; }
echo "run.sh: with a display it opened the window"
