#!/usr/bin/env bash
# Builds the Debian package from this build with cpack and checks it as Debian's tools would:
# lintian reports no error, Depends names each package once and tzdata among them, and the
# machine-readable copyright file credits the project's licence and the GeoNames data's.
# usage: debian_package_test.sh CPACK BUILD_DIR
set -euo pipefail
cpack=${1:?usage: debian_package_test.sh CPACK BUILD_DIR}
build=${2:?usage: debian_package_test.sh CPACK BUILD_DIR}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "debian_package_test: $*" >&2; exit 1; }

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    fail "cpack failed"
}
deb=$(ls "$work"/kovrel_*.deb)

depends=$(dpkg-deb -f "$deb" Depends)
names=$(tr ',' '\n' <<<"$depends" | sed -E 's/^ *([^ (]+).*/\1/')
twice=$(sort <<<"$names" | uniq -d)
[ -z "$twice" ] || fail "Depends names $twice more than once: $depends"
grep -qx tzdata <<<"$names" || fail "Depends lacks tzdata: $depends"

copyright=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/kovrel/copyright) ||
    fail "no /usr/share/doc/kovrel/copyright"
for line in 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    'License: GPL-3.0-or-later' 'License: CC-BY-4.0'; do
    grep -qxF "$line" <<<"$copyright" || fail "the copyright file lacks '$line'"
done
grep -q 'GeoNames' <<<"$copyright" || fail "the copyright file does not credit GeoNames"

# lintian warns that it runs as root, which the build machine may do.
report=$(lintian "$deb" 2>&1 | grep -v '^running with root privileges' || true)
[ -z "$report" ] || echo "$report"
if grep -q '^E:' <<<"$report"; then
    fail "lintian reports errors"
fi
echo "debian_package_test: $(basename "$deb") passes lintian without errors"
