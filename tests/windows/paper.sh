#!/bin/bash
# Paper from the Windows program under Wine against the Debian program's:
# the same text read back from both sheets, every word in the same box
# (the diagrams' labels too, in English and in German), the same pages,
# Liberation Sans embedded; the paper size from the locale's measurement
# system (Windows's own setting, as a Debian locale's); a sheet that cannot
# be written leaves nothing behind and the old files as they were.
#
#   paper.sh <Korvanel.exe> <Debian korvanel>
set -euo pipefail

exe=$1 debian=$2
export WINEDEBUG=-all

work=$(mktemp -d "${TMPDIR:-/tmp}/korvanel-paper.XXXXXX")
international='HKCU\Control Panel\International'
measure=$(wine reg query "$international" /v iMeasure | tr -d '\r' | awk '/iMeasure/ { print $3 }')
cleanup() {
    wine reg add "$international" /v iMeasure /t REG_SZ /d "$measure" /f >/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# <dir> <Debian locale> <iMeasure: 0 metric, 1 US> <arguments...>
both() {
    local dir=$1 locale=$2 imeasure=$3
    shift 3
    mkdir -p "$work/$dir/debian" "$work/$dir/windows"
    (cd "$work/$dir/debian" && LC_ALL= LC_MEASUREMENT= LANG=$locale "$debian" "$@") \
        2>/dev/null || fail "the Debian program failed: $*"
    wine reg add "$international" /v iMeasure /t REG_SZ /d "$imeasure" /f >/dev/null
    (cd "$work/$dir/windows" && wine "$exe" "$@") || fail "the Windows program failed: $*"
}

# What is read back from a sheet.
text() { pdftotext "$1" -; }
# Each word and its box: xMin yMin xMax yMax word.
boxes() {
    pdftotext -bbox "$1" - |
        sed -nE 's/.*xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">(.*)<\/word>/\1 \2 \3 \4 \5/p'
}
same_boxes() { # <dir> <sheet>: the same words in boxes a twentieth of a point apart at most
    paste -d '|' <(boxes "$work/$1/debian/$2") <(boxes "$work/$1/windows/$2") | awk -F'|' '
        { split($1, d, " "); split($2, w, " "); n++
          if (d[5] != w[5]) { print "word " n ": " $1 " | " $2; bad++; next }
          for (i = 1; i <= 4; ++i) if (d[i] - w[i] > 0.05 || w[i] - d[i] > 0.05) { print "box " n ": " $1 " | " $2; bad++; next } }
        END { exit bad > 0 }' >"$work/diff" || { head -5 "$work/diff" >&2; fail "$1/$2: word boxes differ (Debian | Windows)"; }
    [ "$(boxes "$work/$1/debian/$2" | wc -l)" = "$(boxes "$work/$1/windows/$2" | wc -l)" ] ||
        fail "$1/$2: a different number of words"
}
layout() { pdftotext -layout "$1" -; }
pages() { pdfinfo "$1" | grep -E '^(Pages|Page size):'; }
fonts() { pdffonts "$1" | tail -n +3 | cut -c1-58; } # names, types, embedded

same() { # <reading> <dir> <sheet>: of the Debian sheet and of the Windows one
    if ! diff <("$1" "$work/$2/debian/$3") <("$1" "$work/$2/windows/$3") >"$work/diff"; then
        head -20 "$work/diff" >&2
        fail "$2/$3: $1 differs (< Debian, > Windows)"
    fi
}

both a4 C 0 --subject M72-0.8-12.4 --subject W60-0.4-10.0 --worksheet w.pdf --key k.pdf
for sheet in w.pdf k.pdf; do
    for reading in text pages fonts; do same $reading a4 $sheet; done
    same_boxes a4 $sheet
    used=$(pdffonts "$work/a4/windows/$sheet" | tail -n +3)
    ! grep -v '^LiberationSans' <<<"$used" | grep -q . || fail "$sheet uses other fonts: $used"
    ! awk '$5 != "yes"' <<<"$used" | grep -q . || fail "$sheet does not embed its fonts: $used"
done
# The worksheet has no diagrams: its words stand where the Debian ones do.
same layout a4 w.pdf
pages "$work/a4/windows/w.pdf" | grep -q '(A4)' || fail "metric Windows wrote no A4"

both letter en_US.UTF-8 1 --subject M72-0.8-12.4 --worksheet w.pdf --key k.pdf
for sheet in w.pdf k.pdf; do same text letter $sheet; same_boxes letter $sheet; done
pages "$work/letter/windows/w.pdf" | grep -q '(letter)' || fail "US Windows wrote no Letter"

# In German, its labels longer than the English, the key stands the same.
both german C 0 --language de --subject W60-0.4-10.0 --key k.pdf
same text german k.pdf
same_boxes german k.pdf
text "$work/german/windows/k.pdf" | grep -q 'Lactat' || fail "the German key has no German words"

# A key that cannot be written: status 1, the message names it, nothing
# else is left and the worksheet that stood there is kept.
mkdir "$work/failing"
echo old >"$work/failing/w.pdf"
status=0
(cd "$work/failing" && wine "$exe" --worksheet w.pdf --key none/k.pdf) 2>"$work/failing.err" \
    || status=$?
[ "$status" = 1 ] || fail "a key that cannot be written: status $status, not 1"
grep -q 'Cannot write none\\k.pdf' "$work/failing.err" || fail "no clear message: $(cat "$work/failing.err")"
[ "$(ls "$work/failing")" = w.pdf ] && [ "$(cat "$work/failing/w.pdf")" = old ] \
    || fail "the failed run changed what stood: $(ls "$work/failing")"

echo "both sheets read back as the Debian program's on A4 and on Letter, each word in its box," \
     "in English and in German, in Liberation Sans; a sheet that cannot be written leaves all as it was"
