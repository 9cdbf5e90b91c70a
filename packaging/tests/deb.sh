#!/bin/bash
# Builds the Debian package into a scratch directory, checks its control
# fields and contents, then unpacks it and starts the program the way the
# menu entry does, with the offscreen platform, to see that it comes up.
#
#   deb.sh <cpack> <dpkg-deb> <build>/CPackConfig.cmake <project version>
set -euo pipefail

cpack=$1 dpkg_deb=$2 config=$3 version=$4
id=org.korvanel.Korvanel

work=$(mktemp -d "${TMPDIR:-/tmp}/korvanel-deb.XXXXXX")
pid=
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# -B keeps cpack's staging and output out of the build directory, so this can
# run next to other tests.
"$cpack" -G DEB --config "$config" -B "$work/out" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2; fail "cpack -G DEB failed"
}
debs=("$work"/out/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    fail "expected one .deb, found: ${debs[*]}"
fi
deb=${debs[0]}

# --- control fields
field() { "$dpkg_deb" -f "$deb" "$1"; }
[ "$(field Package)" = korvanel ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Section)" = education ] || fail "Section is '$(field Section)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
arch=$(field Architecture)
if command -v dpkg >/dev/null; then
    [ "$arch" = "$(dpkg --print-architecture)" ] || fail "Architecture is '$arch'"
fi
[ "$(basename "$deb")" = "korvanel_${version}_${arch}.deb" ] \
    || fail "file is named $(basename "$deb"), not the Debian default"

depends=$(field Depends)
echo "Depends: $depends"
# One package name per comma-separated entry, version constraints dropped.
names=$(echo "$depends" | tr ',' '\n' | sed 's/(.*)//; s/[[:space:]]//g')
for needed in libqt6widgets6 libqt6svg6; do
    grep -qx "$needed" <<<"$names" || fail "Depends lacks $needed"
done
# The fonts are compiled in.
! grep -q '^fonts-' <<<"$names" || fail "Depends names a font package: $depends"

# --- contents: everything under /usr, the program executable
"$dpkg_deb" -c "$deb" >"$work/contents"
outside=$(awk '{ print $6 }' "$work/contents" | grep -v -e '^\./usr/' -e '^\./$' || true)
[ -z "$outside" ] || fail "the package installs outside /usr:" "$outside"
grep -q '^-rwxr-xr-x .* \./usr/bin/korvanel$' "$work/contents" \
    || fail "no executable ./usr/bin/korvanel in the package"
for f in "share/applications/$id.desktop" \
         "share/icons/hicolor/32x32/apps/$id.png" \
         "share/icons/hicolor/scalable/apps/$id.svg" \
         "share/metainfo/$id.metainfo.xml"; do
    grep -q " \./usr/$f\$" "$work/contents" || fail "no ./usr/$f in the package"
done

# --- start it from the menu entry
root=$work/root
"$dpkg_deb" -x "$deb" "$root"
desktop=$root/usr/share/applications/$id.desktop
exec_line=$(sed -n 's/^Exec=//p' "$desktop" | head -n 1)
[ -n "$exec_line" ] || fail "the desktop entry has no Exec="
read -r -a words <<<"$exec_line"
args=()
for w in "${words[@]:1}"; do
    case $w in %[fFuUick]) ;; *) args+=("$w") ;; esac # no files to open
done
program=${words[0]}
if [[ $program == /* ]]; then
    resolved=$root$program
else
    # A bare name is looked up on PATH; the package's share of PATH is /usr/bin.
    resolved=$root/usr/bin/$program
fi
[ -x "$resolved" ] || fail "Exec=$exec_line does not resolve to a program in the package"

mkdir -m 700 "$work/home" "$work/runtime"
HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_CACHE_HOME=$work/home/.cache \
XDG_DATA_HOME=$work/home/.local/share XDG_RUNTIME_DIR=$work/runtime \
QT_QPA_PLATFORM=offscreen "$resolved" "${args[@]}" >"$work/run.log" 2>&1 &
pid=$!
sleep 2
if ! kill -0 "$pid" 2>/dev/null; then
    status=0; wait "$pid" || status=$?
    pid=
    cat "$work/run.log" >&2
    fail "$program exited within 2 s (status $status)"
fi
kill "$pid"; wait "$pid" 2>/dev/null || true; pid=
echo "$(basename "$deb"): fields and contents as expected; $program started and kept running"
