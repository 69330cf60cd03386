#!/usr/bin/env bash
# Formats each manual page with every groff warning on and fails on any warning; then checks that
# the page of kovrel-reading describes every flag the tool's own --help lists.
# usage: man_pages_test.sh KOVREL_READING_EXE PAGE.1...
set -euo pipefail
tool=${1:?usage: man_pages_test.sh KOVREL_READING_EXE PAGE.1...}
shift
status=0
for page in "$@"; do
    warnings=$(LC_ALL=C.UTF-8 groff -man -ww -z "$page" 2>&1)
    if [ -n "$warnings" ]; then
        echo "$page:" >&2
        echo "$warnings" >&2
        status=1
    fi
    case $(basename "$page") in
    kovrel-reading.1)
        # In roff a hyphen of a flag is written \-, so "--json" appears as \-\-json.
        for flag in $("$tool" --help | grep -oE -- '--[a-z]+' | sort -u); do
            grep -qF -- "${flag//-/\\-}" "$page" || {
                echo "$page does not describe $flag" >&2
                status=1
            }
        done
        ;;
    esac
done
exit $status
