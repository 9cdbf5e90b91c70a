#!/bin/bash
# Installs the build tree into a scratch DESTDIR and checks that every file
# lands where the desktop looks for it, and that the desktop entry, icons,
# metainfo and program name each other consistently.
#
#   install-tree.sh <cmake> <build dir> <project version> [<built manual page>]
set -euo pipefail

cmake=$1 build=$2 version=$3 man_page=${4:-}
id=org.korvanel.Korvanel

work=$(mktemp -d "${TMPDIR:-/tmp}/korvanel-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
stage=$work/root

fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$stage "$cmake" --install "$build" --prefix /usr >"$work/install.log" 2>&1 || {
    cat "$work/install.log" >&2; fail "cmake --install failed"
}

# Exactly these files, and nothing written past DESTDIR into other prefixes.
expected="usr/bin/korvanel
usr/share/applications/$id.desktop
usr/share/doc/korvanel/changelog.gz
usr/share/doc/korvanel/copyright
usr/share/icons/hicolor/32x32/apps/$id.png
usr/share/icons/hicolor/scalable/apps/$id.svg"
if [ -n "$man_page" ] && [ -e "$man_page" ]; then
    expected+="
usr/share/man/man1/korvanel.1.gz"
fi
expected+="
usr/share/metainfo/$id.metainfo.xml"
actual=$(cd "$stage" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || {
    diff <(echo "$expected") <(echo "$actual") >&2 || true
    fail "installed files differ from the list above (< expected, > installed)"
}

root=$stage/usr
[ -x "$root/bin/korvanel" ] || fail "bin/korvanel is not executable"
file -b "$root/bin/korvanel" | grep -q '^ELF' || fail "bin/korvanel is not an ELF program"
file -b "$root/share/icons/hicolor/32x32/apps/$id.png" | grep -q '^PNG image data, 32 x 32,' \
    || fail "the 32x32 icon is not a 32 x 32 PNG"
file -b "$root/share/icons/hicolor/scalable/apps/$id.svg" | grep -q '^SVG' \
    || fail "the scalable icon is not an SVG"

# The desktop entry starts the installed program and names the installed icon.
desktop=$root/share/applications/$id.desktop
key() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
exec_line=$(key Exec)
program=${exec_line%% *}
[ "$program" = korvanel ] || fail "Exec= starts '$program', not the installed korvanel"
[ "$(key Icon)" = "$id" ] || fail "Icon= is '$(key Icon)', not $id"

# The metainfo describes this desktop entry and this program.
metainfo=$root/share/metainfo/$id.metainfo.xml
has() { grep -qF -- "$1" "$metainfo" || fail "metainfo lacks $1"; }
has "<id>$id</id>"
has "<launchable type=\"desktop-id\">$id.desktop</launchable>"
has "<binary>korvanel</binary>"
has "<release version=\"$version\""

echo "installed: $(echo "$expected" | tr '\n' ' ')"
