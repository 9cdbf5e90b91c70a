#!/bin/bash
# The zip and the installer as built: the zip holds the program and its
# licence texts and nothing else; the program is a 64-bit window program
# that needs no DLL beyond Windows's own; the installer's version record
# says what the program's does.
#
#   packages.sh <zip> <setup.exe> <project version> <objdump> <windres>
set -euo pipefail

zip=$1 setup=$2 version=$3 objdump=$4 windres=$5

work=$(mktemp -d "${TMPDIR:-/tmp}/korvanel-packages.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

for file in "$zip" "$setup"; do
    [ -f "$file" ] || fail "$file is missing: build the package target first"
done

top=korvanel-$version-windows-x64
expected="$top/Korvanel.exe
$top/LICENSE.txt
$top/README.txt
$top/licenses/Liberation-fonts-OFL.txt
$top/licenses/Qt/LGPL-3.0-only.txt
$top/licenses/Qt/THIRD-PARTY.txt
$top/licenses/gcc-mingw-w64-base.txt
$top/licenses/mingw-w64-x86-64-dev.txt"
actual=$(unzip -Z1 "$zip" | grep -v '/$' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || {
    diff <(echo "$expected") <(echo "$actual") >&2 || true
    fail "the zip holds other files than these (< expected, > in the zip)"
}
unzip -q "$zip" -d "$work"
exe=$work/$top/Korvanel.exe

header=$("$objdump" -p "$exe")
grep -q '^Magic[[:space:]]*020b' <<<"$header" || fail "Korvanel.exe is not a 64-bit (PE32+) program"
grep -q '(Windows GUI)' <<<"$header" || fail "Korvanel.exe is not a window program"
# Qt and the MinGW runtime are linked in: only Windows's own DLLs are named.
foreign=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$header" \
    | grep -iv -e '^api-ms-win-' -e '^[a-z0-9_]*32\.dll$' -e '^msvcrt\.dll$' \
        -e '^\(authz\|d3d11\|d3d9\|dwmapi\|dwrite\|dxgi\|imm32\|ole32\|oleaut32\|shcore\|shlwapi\|userenv\|uxtheme\|version\|winmm\|winspool\.drv\|wtsapi32\|ws2_32\)\(\.dll\)\?$' \
    || true)
[ -z "$foreign" ] || fail "Korvanel.exe needs DLLs that Windows does not have: $foreign"
grep -q 'DYNAMIC_BASE' <<<"$header" && grep -q 'NX_COMPAT' <<<"$header" \
    || fail "Korvanel.exe lacks ASLR or DEP"

# The version records, read back; the installer's must agree with the
# program's on every field both carry.
record() { "$windres" --input="$1" --output-format=rc | tr -s ' \t' ' ' | sed 's/^ //'; }
record "$exe" >"$work/program.rc" || fail "no version record in Korvanel.exe"
record "$setup" >"$work/setup.rc" || fail "no version record in the installer"
for field in FILEVERSION PRODUCTVERSION; do
    line=$(grep "^$field " "$work/program.rc") || fail "Korvanel.exe has no $field"
    grep -qxF "$line" "$work/setup.rc" || fail "the installer's $field is not the program's: $line"
done
for key in ProductName ProductVersion FileVersion CompanyName LegalCopyright; do
    line=$(grep "^VALUE \"$key\"," "$work/program.rc") || fail "Korvanel.exe has no $key"
    grep -qxF "$line" "$work/setup.rc" || fail "the installer's $key is not the program's: $line"
done
grep -qxF "VALUE \"ProductVersion\", \"$version\"" "$work/program.rc" \
    || fail "the program's ProductVersion is not $version"

echo "zip: $(wc -l <<<"$actual") files as listed; Korvanel.exe a 64-bit window program" \
     "needing Windows's DLLs alone; installer and program both version $version"
