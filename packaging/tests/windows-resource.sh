#!/bin/bash
# Compiles the configured korvanel.rc with the MinGW resource compiler, reads
# the compiled resource back and checks the icon and version record in it.
#
#   windows-resource.sh <windres> <cpp> <korvanel.rc> <assets dir> <project version>
set -euo pipefail

windres=$1 cpp=$2 rc=$3 assets=$4 version=$5

work=$(mktemp -d "${TMPDIR:-/tmp}/korvanel-rc.XXXXXX")
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# FILEVERSION as the resource should carry it: 1.00 -> 1,0,0,0.
IFS=. read -r -a parts <<<"$version"
numbers=()
for i in 0 1 2 3; do numbers+=("$((10#${parts[i]:-0}))"); done
fileversion=$(IFS=,; echo "${numbers[*]}")

"$windres" --preprocessor="$cpp" --preprocessor-arg=-xc --include-dir="$assets" \
    --input="$rc" --output-format=res --output="$work/korvanel.res" \
    || fail "windres could not compile $rc"
"$windres" --input="$work/korvanel.res" --input-format=res --output-format=rc \
    --output="$work/readback.rc" \
    || fail "windres could not read back the compiled resource"

# Compare with whitespace squeezed, so the layout of windres's output does
# not matter.
tr -s ' \t' ' ' <"$work/readback.rc" | sed 's/^ //' >"$work/readback.txt"

expect() {
    grep -qxF -- "$1" "$work/readback.txt" || {
        echo "--- resource as read back:" >&2
        grep -v '^ *0x' "$work/readback.rc" >&2
        fail "missing: $1"
    }
}

expect "FILEVERSION ${fileversion//,/, }"
expect "PRODUCTVERSION ${fileversion//,/, }"
expect 'BLOCK "040904B0"'
expect 'VALUE "Translation", 0x409, 1200'
expect "VALUE \"FileVersion\", \"$version\""
expect "VALUE \"ProductVersion\", \"$version\""
expect 'VALUE "ProductName", "Korvanel"'
expect 'VALUE "InternalName", "Korvanel"'
expect 'VALUE "OriginalFilename", "Korvanel.exe"'
expect 'VALUE "FileDescription", "Korvanel calculation"'
grep -q '^VALUE "CompanyName", ".\+"$' "$work/readback.txt" || fail "no CompanyName"

# Explorer shows the icon group with the lowest id; it must hold at least one
# image of the program icon.
expect '1 14 /* RT_GROUP_ICON */ MOVEABLE DISCARDABLE'
grep -q '/\* RT_ICON \*/' "$work/readback.txt" || fail "no icon image in the resource"
grep -q 'Has [1-9][0-9]* elements\?\.' "$work/readback.txt" \
    || fail "the icon group holds no image"

echo "korvanel.rc compiles; version $version ($fileversion), icon present"
