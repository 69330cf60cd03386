#!/usr/bin/env bash
# Installs what is missing, builds Kovrel and starts its window. Without a display it prints the
# reading of an example birth with the command-line tool instead.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --runtime-only
# The build type is the project default (RelWithDebInfo) or what the folder was configured with.
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target kovrel kovrel-reading

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/kovrel
fi
echo "No display found, so the window cannot open. The reading of an example birth instead:"
echo
exec build/kovrel-reading --name Ann --date 1990-03-15 --time 08:30 --zone IST \
    --lat 28:36N --lon 77:12E --city "New Delhi" --state Delhi --country India
