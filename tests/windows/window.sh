#!/bin/bash
# The Windows program's window under Wine, in a Windows-like desktop (title
# bar and frame as Windows draws them) that leaves its client area the
# 1024 x 768 of the layout: a screenshot as it opens, and one after the
# keyboard has walked it to the fourth answer (Space presses the button
# with the focus, and the focus moves on to the next step's). Both are kept
# to be looked at. With the Debian program given, the same two of it,
# maximised under a window manager as scripts/run shows it; the panes and
# the logo must be the same, pixel for pixel (the buttons are each
# platform's own).
#
#   window.sh <Korvanel.exe> <screenshot dir> [<Debian korvanel>]
# The X server in DISPLAY must be at least 1024 x 800.
set -euo pipefail

exe=$1 shots=$2 debian=${3:-}
: "${DISPLAY:?run this under scripts/windows, with an X server of its own}"
export WINEDEBUG=-all
mkdir -p "$shots"

pid= wm=
cleanup() {
    for p in $pid $wm; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Pixels of a colour (within 8 %) in a part of a picture: <file> <geometry> <colour>
count() {
    convert "$1" -crop "$2" +repage -fill black -fuzz 8% +opaque "$3" -fill white \
        -opaque "$3" -format '%[fx:round(mean*w*h)]' info:
}
# The screen's <geometry> into <file>, once the logo's yellow shows in it
# and the screen has settled: the same a second later, so that a window
# that Wine shows for a moment (another check's, under load) is not taken.
shoot_when_open() {
    local before="$1.before.png"
    for _ in $(seq 60); do
        sleep 1
        import -window root -crop "$2" +repage "$1"
        if [ "$(count "$1" 250x250+774+0 'rgb(255,216,0)')" -gt 500 ] && [ -f "$before" ] &&
            [ "$(compare -metric AE "$1" "$before" /dev/null 2>&1)" = 0 ]; then
            rm -f "$before"
            return 0
        fi
        cp "$1" "$before"
    done
    fail "no window with the logo within a minute (last screen: $1)"
}
shoot() { import -window root -crop "$2" +repage "$1"; }
walk_to_answer4() {
    # See answer 1, Hide answer 1, ... See answer 4
    for _ in 1 2 3 4 5 6 7; do xdotool key space; sleep 0.7; done
    sleep 1
}
# The fourth answer in the answer pane's red: <file>
check_answer4() {
    local red
    red=$(count "$1" 800x250+0+550 'rgb(255,0,0)')
    [ "$red" -gt 1500 ] || fail "$1 does not show the fourth answer ($red red pixels)"
}

# --- Windows
desktop=1024x800
wine explorer /desktop=korvanel,$desktop "$exe" --subject M72-0.8-12.4 &
pid=$!
shoot_when_open "$shots/windows-start.png" "$desktop+0+0"
xdotool windowfocus --sync "$(xdotool search --name 'Wine desktop' | head -1)"
walk_to_answer4
shoot "$shots/windows-answer4.png" "$desktop+0+0"
check_answer4 "$shots/windows-answer4.png"
xdotool key alt+F4 # closes the window, and so the program and the desktop
for _ in $(seq 60); do kill -0 "$pid" 2>/dev/null || break; sleep 0.5; done
if kill -0 "$pid" 2>/dev/null; then
    shoot "$shots/windows-closing.png" "$desktop+0+0"
    fail "the program did not end within 30 s of Alt+F4 (screen: $shots/windows-closing.png)"
fi
wait "$pid" || true
pid=

if [ -z "$debian" ]; then
    echo "screenshots in $shots: the window as it opens and at the fourth answer"
    exit 0
fi

# --- Debian
matchbox-window-manager -use_titlebar no >/dev/null 2>&1 &
wm=$!
XDG_RUNTIME_DIR=$(mktemp -d) "$debian" --subject M72-0.8-12.4 >/dev/null 2>&1 &
pid=$!
shoot_when_open "$shots/debian-start.png" 1024x768+0+0
walk_to_answer4
shoot "$shots/debian-answer4.png" 1024x768+0+0
check_answer4 "$shots/debian-answer4.png"

# The client area starts below the title bar: the first white row.
top=$(for y in $(seq 0 60); do
    [ "$(convert "$shots/windows-start.png" -format '%[pixel:p{600,'$y'}]' info:)" = \
      'srgb(255,255,255)' ] && { echo "$y"; break; }
done)
[ -n "$top" ] || fail "no client area below a title bar in $shots/windows-start.png"
for state in start answer4; do
    convert "$shots/windows-$state.png" -crop 840x768+0+"$top" +repage "$shots/windows.png"
    convert "$shots/debian-$state.png" -crop 840x768+0+0 +repage "$shots/debian.png"
    differing=$(compare -metric AE "$shots/windows.png" "$shots/debian.png" \
        "$shots/difference-$state.png" 2>&1 || true)
    rm -f "$shots/windows.png" "$shots/debian.png"
    [ "$differing" = 0 ] || fail "at $state, $differing pixels of the panes and logo differ" \
        "from the Debian program's ($shots/difference-$state.png)"
    rm -f "$shots/difference-$state.png"
done
echo "screenshots in $shots: the window as it opens and at the fourth answer;" \
     "its panes and logo drawn as the Debian program's, pixel for pixel"
