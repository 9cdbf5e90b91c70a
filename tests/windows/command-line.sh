#!/bin/bash
# The Windows program's command line under Wine against the Debian
# program's: the same text on standard output and on standard error, and
# the same exit status. Each is started as typed at a prompt, "korvanel
# ...", the Windows one through cmd, so that both name themselves alike.
# Windows ends its lines with CR LF; they are compared without the CR.
#
#   command-line.sh <Korvanel.exe> <Debian korvanel>
set -euo pipefail

exe=$1 debian=$2
export WINEDEBUG=-all

work=$(mktemp -d "${TMPDIR:-/tmp}/korvanel-cli.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/debian" "$work/windows"
ln -s "$(realpath "$debian")" "$work/debian/korvanel"
cp "$exe" "$work/windows/Korvanel.exe"

cases=(
    "--help"
    "--version"
    "-h"
    "--frobnicate"
    "--subject"
    "--subject X72-0.8-12.4 --worksheet w.pdf"
    "--count 10001 --key k.pdf"
    "--count ten --key k.pdf"
    "--count 2"
    "--practice --worksheet w.pdf"
    "--worksheet a.pdf --worksheet b.pdf"
    "--key="
    "w.pdf"
)
failed=0
for arguments in "${cases[@]}"; do
    status=0
    (cd "$work/debian" && PATH=.:$PATH korvanel $arguments) \
        >"$work/debian.out" 2>"$work/debian.err" || status=$?
    debian_status=$status
    status=0
    (cd "$work/windows" && wine cmd /c "korvanel $arguments") \
        >"$work/windows.out" 2>"$work/windows.err" || status=$?
    windows_status=$status
    for stream in out err; do
        tr -d '\r' <"$work/windows.$stream" >"$work/windows.$stream.lf"
        if ! cmp -s "$work/debian.$stream" "$work/windows.$stream.lf"; then
            echo "FAIL: korvanel $arguments: standard $stream differs (< Debian, > Windows)" >&2
            diff "$work/debian.$stream" "$work/windows.$stream.lf" >&2 || true
            failed=1
        fi
    done
    if [ "$debian_status" != "$windows_status" ]; then
        echo "FAIL: korvanel $arguments: exit status $windows_status on Windows," \
             "$debian_status on Debian" >&2
        failed=1
    fi
    if [ -n "$(ls "$work/windows" | grep -vx Korvanel.exe)" ]; then
        echo "FAIL: korvanel $arguments left files behind: $(ls "$work/windows")" >&2
        failed=1
    fi
    echo "korvanel $arguments: status $windows_status"
done

# Started from cmd in a console (a terminal here), the messages show there;
# Wine's console draws a space as a step to the right.
version=$("$debian" --version)
console=$(cd "$work/windows" && script -qec "wine cmd /c korvanel --version" /dev/null \
    | sed 's/\x1b\[1C/ /g; s/\x1b\[[0-9;?]*[a-zA-Z]//g' | tr -d '\r')
if ! grep -qxF "$version" <<<"$console"; then
    echo "FAIL: korvanel --version in a console showed: $console" >&2
    failed=1
fi

[ "$failed" = 0 ] || exit 1
echo "the Windows program answers ${#cases[@]} command lines as the Debian one does," \
     "in a console too"
