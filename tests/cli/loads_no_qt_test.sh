#!/usr/bin/env bash
# kovrel-reading must load no Qt library, in a build with the window too: a plain reading would
# otherwise spend most of its run loading Qt.
# usage: loads_no_qt_test.sh KOVREL_READING
set -euo pipefail
program=${1:?usage: loads_no_qt_test.sh KOVREL_READING}
libraries=$(ldd "$program")
# An ldd that lists nothing would pass the check below without looking.
grep -q 'libc\.so' <<<"$libraries" || { echo "ldd listed no libraries for $program" >&2; exit 1; }
if grep -i 'libQt' <<<"$libraries" >&2; then
    echo "$program loads the Qt libraries above" >&2
    exit 1
fi
echo "loads_no_qt: $program loads no Qt library"
