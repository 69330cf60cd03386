#!/usr/bin/env bash
# Builds the Debian package build-deb/kovrel_<version>_<arch>.deb from a release build of the two
# programs and checks it with lintian, where that is installed. With --check it then installs the
# package with apt-get, runs kovrel-reading from /usr/bin and removes the package again (needs
# root or sudo; leaves a kovrel installed before untouched by refusing to run).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build-deb -G Ninja -DKOVREL_TESTS=OFF -DKOVREL_BENCH=OFF -DCMAKE_BUILD_TYPE=Release
cmake --build build-deb -j"$(nproc)"
rm -f build-deb/kovrel_*.deb
(cd build-deb && cpack -G DEB)
deb=$(ls build-deb/kovrel_*.deb)
echo "Built $deb"
dpkg-deb --info "$deb"
# Debian's own checks; an error fails the build of the package.
if command -v lintian >/dev/null; then
    lintian --fail-on error "$deb"
fi

[ "${1:-}" = "--check" ] || exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
if dpkg-query -W -f='${Status}' kovrel 2>/dev/null | grep -q "install ok installed"; then
    echo "kovrel is already installed; remove it first to check the new package" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get install -y -qq "./$deb"
pictures=$(mktemp -d)
trap '"${sudo_cmd[@]}" apt-get remove -y -qq kovrel; rm -rf "$pictures"' EXIT
/usr/bin/kovrel-reading --help >/dev/null
/usr/bin/kovrel-reading --date 1990-03-15 --time 08:30 --zone IST --lat 28:36N --lon 77:12E |
    grep -q '^Moon:' || { echo "the installed kovrel-reading gave no reading" >&2; exit 1; }
# The PDF comes from the helper in /usr/libexec/kovrel, which the tool must find.
/usr/bin/kovrel-reading --date 1990-03-15 --time 08:30 --zone IST --lat 28:36N --lon 77:12E \
    --pdf "$pictures/x.pdf" >/dev/null && [ "$(head -c 4 "$pictures/x.pdf")" = "%PDF" ] ||
    { echo "the installed kovrel-reading wrote no PDF" >&2; exit 1; }
[ -x /usr/bin/kovrel ] && [ -s /usr/share/applications/org.example.kovrel.desktop ] &&
    [ -s /usr/share/man/man1/kovrel.1.gz ] || { echo "the package lacks files" >&2; exit 1; }
echo "The package installs, and kovrel-reading runs from /usr/bin."
