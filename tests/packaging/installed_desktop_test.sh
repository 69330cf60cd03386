#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what the desktop then knows of it: the MIME
# database of that prefix calls a saved reading application/x-kovrel-reading, the installed
# desktop entry is valid and is the default for that type, the icons have their sizes, and the
# metainfo passes AppStream's checks together with the desktop entry it names, and the installed
# kovrel-reading still writes a PDF through its helper.
# usage: installed_desktop_test.sh BUILD_DIR SAMPLE.kvr
set -euo pipefail
build=${1:?usage: installed_desktop_test.sh BUILD_DIR SAMPLE.kvr}
sample=${2:?usage: installed_desktop_test.sh BUILD_DIR SAMPLE.kvr}
type=application/x-kovrel-reading
id=org.example.kovrel

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "installed_desktop_test: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || {
    cat "$work/install.log" >&2
    fail "cmake --install failed"
}

share=$prefix/share
desktop=$share/applications/$id.desktop
for f in bin/kovrel bin/kovrel-reading libexec/kovrel/kovrel-reading-pictures \
    share/doc/kovrel/LICENSE share/doc/kovrel/copyright share/doc/kovrel/changelog.gz \
    share/man/man1/kovrel.1.gz \
    share/man/man1/kovrel-reading.1.gz share/mime/packages/$id.xml \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/kovrel.svg; do
    [ -s "$prefix/$f" ] || fail "not installed: $f"
done

# Each PNG must be square at the size its folder names: the width and height are the two
# big-endian words after the 16-byte signature and chunk header.
for size in 16 22 24 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x${size}/apps/kovrel.png
    [ -s "$png" ] || fail "no ${size}x${size} icon"
    read -r w h < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "$png is ${w}x${h}, not ${size}x${size}"
done

desktop-file-validate "$desktop" || fail "the installed desktop entry is not valid"
grep -qx "MimeType=$type;" "$desktop" || fail "the desktop entry does not list $type"
grep -qx 'Exec=kovrel %f' "$desktop" || fail "the desktop entry does not pass the file on"

update-mime-database "$share/mime"
update-desktop-database "$share/applications"

# Only the new prefix: nothing from this machine's own data or the user's home may answer.
home=$work/home
mkdir -p "$home"
cp "$sample" "$work/x.kvr"
query() {
    env -i PATH="$PATH" HOME="$home" XDG_DATA_HOME="$home/none" XDG_CONFIG_HOME="$home/none" \
        XDG_DATA_DIRS="$share" xdg-mime query "$@"
}
# The installed tool paints through the installed helper, found from wherever it was installed.
"$prefix/bin/kovrel-reading" "$work/x.kvr" --pdf "$work/x.pdf" >/dev/null ||
    fail "the installed kovrel-reading could not write a PDF"
[ "$(head -c 4 "$work/x.pdf")" = "%PDF" ] || fail "the installed kovrel-reading wrote no PDF"

got=$(query filetype "$work/x.kvr")
[ "$got" = "$type" ] || fail "x.kvr is taken for '$got', not $type"
got=$(query default "$type")
[ "$got" = "$id.desktop" ] || fail "the default for $type is '$got', not $id.desktop"

if command -v appstreamcli >/dev/null; then
    appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli validate-tree failed"
fi
echo "installed_desktop_test: $type, $id.desktop, icons and metainfo all in place"
