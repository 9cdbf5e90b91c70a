#!/bin/bash
# The installer under Wine: a silent install (/S) puts the program, its
# licence texts and an uninstaller under Program Files, the two Start menu
# entries and the uninstall record in place, and /HANDIN= a lab's hand-in
# folder for every user; the installed program starts, and hands a practice
# attempt in there; the silent uninstall takes every one of them away again.
#
#   installer.sh <setup.exe> <project version>
set -euo pipefail

setup=$1 version=$2
: "${WINEPREFIX:?run this under scripts/windows, in a Wine prefix of its own}"
: "${DISPLAY:?Wine needs an X server: run this under scripts/windows}"
export WINEDEBUG=-all

drive=$WINEPREFIX/drive_c
folder="$drive/Program Files/Korvanel"
menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Korvanel"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Korvanel'
vendor='HKLM\Software\Korvanel developers'
settings='HKLM\Software\Korvanel'
handin="$drive/Lab hand-in"

pid=
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
registry() { wine reg query "$@" 2>/dev/null | tr -d '\r'; }

[ ! -e "$folder" ] || fail "Korvanel is installed already in $WINEPREFIX"
mkdir -p "$handin"
wine "$setup" /S '/HANDIN=C:\Lab hand-in' || fail "the silent install failed"

for file in Korvanel.exe README.txt LICENSE.txt Uninstall.exe licenses/Liberation-fonts-OFL.txt \
            licenses/Qt/LGPL-3.0-only.txt licenses/Qt/THIRD-PARTY.txt; do
    [ -f "$folder/$file" ] || fail "not installed: Program Files\\Korvanel\\$file"
done
for link in Korvanel Korvanel\ practice Korvanel\ for\ teachers Uninstall; do
    [ -f "$menu/$link.lnk" ] || fail "no Start menu entry $link"
done
# A shortcut holds its target and arguments as UTF-16.
strings -el "$menu/Korvanel.lnk" | grep -qx 'Korvanel.exe' || fail "Korvanel.lnk does not start Korvanel.exe"
strings -el "$menu/Korvanel practice.lnk" | grep -qx -- '--practice' \
    || fail "the practice entry does not start practice mode"
strings -el "$menu/Korvanel for teachers.lnk" | grep -qx -- '--teacher' \
    || fail "the teachers' entry does not open the teacher's window"
registry "$uninstall" /v DisplayVersion | grep -q "REG_SZ *$version\$" \
    || fail "no uninstall record for version $version"
registry "$uninstall" /v UninstallString | grep -qF 'C:\Program Files\Korvanel\Uninstall.exe' \
    || fail "the uninstall record does not name the uninstaller"

# The installed program: its version, and its window.
installed='C:\Program Files\Korvanel\Korvanel.exe'
[ "$(wine "$installed" --version | tr -d '\r')" = "Korvanel $version" ] \
    || fail "the installed program does not give its version"
wine "$installed" &
pid=$!
for _ in $(seq 60); do
    xdotool search --name '^Korvanel calculation$' >/dev/null 2>&1 && break
    kill -0 "$pid" 2>/dev/null || fail "the installed program ended at once"
    sleep 0.5
done
xdotool search --name '^Korvanel calculation$' >/dev/null 2>&1 \
    || fail "the installed program showed no window in 30 s"
kill "$pid"; wait "$pid" 2>/dev/null || true; pid=

# The lab's folder, set by the installer, is where a student's attempt goes.
registry "$settings\Korvanel\handIn" /v folder | grep -qF 'REG_SZ    C:\Lab hand-in' \
    || fail "/HANDIN= did not set the hand-in folder: $(registry "$settings\Korvanel\handIn")"
wine "$installed" --practice --student Ana --subject M72-0.6-12.3 &
pid=$!
for _ in $(seq 60); do
    ls "$handin" | grep -q '^Ana M72-0.6-12.3 .*Z\.json$' && break
    sleep 0.5
done
ls "$handin" | grep -q '^Ana M72-0.6-12.3 .*Z\.json$' \
    || fail "no attempt handed in to the lab's folder: $(ls "$handin")"
kill "$pid"; wait "$pid" 2>/dev/null || true; pid=

# The uninstaller copies itself away and returns at once; it is done when
# the folder has gone.
wine "$folder/Uninstall.exe" /S || fail "the silent uninstall failed"
for _ in $(seq 60); do [ -e "$folder" ] || break; sleep 0.5; done
[ ! -e "$folder" ] || fail "left behind: $(cd "$folder" && find . | head)"
[ ! -e "$menu" ] || fail "the Start menu entries are left"
! registry "$uninstall" | grep -q . || fail "the uninstall record is left"
! registry "$vendor" | grep -q . || fail "$vendor is left"
! registry "$settings" | grep -q . || fail "$settings is left"

echo "installed silently with a lab's hand-in folder, started, handed in, and uninstalled without a trace"
