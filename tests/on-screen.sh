#!/usr/bin/env bash
# Runs a test binary on a real X server (Xvfb) under a small window
# manager, as a desktop user would see the program.
set -euo pipefail
test_binary=$1
exec xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    matchbox-window-manager -use_titlebar no >/dev/null 2>&1 &
    wm=$!
    sleep 1
    QT_QPA_PLATFORM=xcb "$1"
    status=$?
    kill "$wm" 2>/dev/null || true
    exit $status
' _ "$test_binary"
