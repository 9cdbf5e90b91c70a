#!/usr/bin/env bash
# Runs bridge.py against the program on a real X server with a window
# manager and the AT-SPI accessibility bus, in a D-Bus session of its own.
#   run.sh <korvanel>
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "python3-pyatspi is not installed"; exit 77
fi
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
exec xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- bash -c '
    matchbox-window-manager -use_titlebar no >/dev/null 2>&1 &
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    sleep 1.5
    /usr/bin/python3 "$1" "$2"
' _ "$here/bridge.py" "$1"
