#!/usr/bin/env bash
# Starts the real program in a private X server with a fresh home, finds its window, starts a
# second copy and checks that it says "Application is already running" and ends, leaving one
# window; a third copy given a saved reading hands it over and ends at once without a word.
# usage: smoke.sh PATH_TO_KOVREL
set -u
program=${1:?usage: smoke.sh PATH_TO_KOVREL}
reading=$(cd "$(dirname "$0")/../data" && pwd)/ann_new_delhi.kvr
[ -x "$program" ] || { echo "not an executable: $program" >&2; exit 2; }

if [ -z "${SMOKE_INSIDE_X:-}" ]; then
    command -v xvfb-run >/dev/null || { echo "xvfb-run is not installed" >&2; exit 2; }
    export SMOKE_INSIDE_X=1
    exec xvfb-run -a -s "-screen 0 1280x900x24" "$0" "$program"
fi

command -v xdotool >/dev/null || { echo "xdotool is not installed" >&2; exit 2; }
home=$(mktemp -d)
first=""
second=""
cleanup() {
    for pid in $second $first; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$home"
}
trap cleanup EXIT
mkdir -p "$home/run" "$home/config" && chmod 700 "$home/run"
# The lock folder too is the test's own, so a Kovrel the same user runs beside it changes nothing.
export HOME=$home XDG_RUNTIME_DIR=$home/run XDG_CONFIG_HOME=$home/config KOVREL_LOCK_FOLDER=$home/run
unset QT_QPA_PLATFORM

fail() { echo "smoke: $*" >&2; exit 1; }

# Waits up to ~15 s for visible windows whose name matches; prints their ids.
wait_for_windows() {
    local name=$1 ids=""
    for _ in $(seq 1 75); do
        ids=$(xdotool search --onlyvisible --name "$name" 2>/dev/null)
        [ -n "$ids" ] && { echo "$ids"; return 0; }
        sleep 0.2
    done
    return 1
}

"$program" >"$home/first.log" 2>&1 &
first=$!
main_window=$(wait_for_windows '^Kovrel v1\.15$') || fail "no window 'Kovrel v1.15' within 15 s"
echo "smoke: first copy shows its window ($main_window)"

"$program" >"$home/second.log" 2>&1 &
second=$!
box=$(wait_for_windows '^Kovrel$') || fail "the second copy showed no 'Kovrel' message box"
box=$(echo "$box" | head -n 1)
# The box carries the text; its accessible name is not readable by xdotool, so check that it
# belongs to the second copy and that the copy ends once it is answered.
[ "$(xdotool getwindowpid "$box" 2>/dev/null)" = "$second" ] ||
    fail "the message box does not belong to the second copy"
# There is no window manager: give the box the keyboard focus directly, then press Return.
xdotool windowfocus --sync "$box" 2>/dev/null
xdotool key Return
for _ in $(seq 1 50); do
    kill -0 "$second" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$second" 2>/dev/null && fail "the second copy did not end after its message"
wait "$second"
status=$?
second=""
[ "$status" -eq 0 ] || fail "the second copy ended with status $status"

count=$(xdotool search --onlyvisible --name '^Kovrel v1\.15$' 2>/dev/null | wc -l)
[ "$count" -eq 1 ] || fail "expected one 'Kovrel v1.15' window, found $count"
kill -0 "$first" 2>/dev/null || fail "the first copy is no longer running"
echo "smoke: second copy refused and ended; one window remains"

# A start with a file gives it to the running copy and ends within two seconds, silently.
started=$(date +%s%N)
"$program" "$reading" >"$home/third.log" 2>&1
status=$?
elapsed=$(( ($(date +%s%N) - started) / 1000000 ))
[ "$status" -eq 0 ] || fail "the copy with a file ended with status $status"
[ "$elapsed" -lt 2000 ] || fail "the copy with a file took $elapsed ms to end"
sleep 0.5
xdotool search --onlyvisible --name '^Kovrel$' >/dev/null 2>&1 &&
    fail "a message box appeared for the handed-over file"
count=$(xdotool search --onlyvisible --name '^Kovrel v1\.15$' 2>/dev/null | wc -l)
[ "$count" -eq 1 ] || fail "expected one 'Kovrel v1.15' window after the hand-over, found $count"
echo "smoke: a copy with a file handed it over in $elapsed ms and ended"

# File, Exit (Ctrl+Q) closes the window, which ends the program. There is no window manager:
# give the window the keyboard focus directly.
xdotool windowfocus --sync "$main_window" 2>/dev/null
xdotool key ctrl+q
for _ in $(seq 1 50); do
    kill -0 "$first" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$first" 2>/dev/null && fail "the first copy did not end when its window closed"
first=""
echo "smoke: closing the window ended the program"
exit 0
