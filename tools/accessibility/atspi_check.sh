#!/usr/bin/env bash
# The screen-reader check by hand: runs the program under a virtual X server
# with its own session bus and accessibility bus, and walks it with
# atspi_check.py. A developer check, not part of the test command.
#
#   tools/accessibility/atspi_check.sh [PROGRAM]
#
# PROGRAM defaults to build/rvl92.
# Packages: at-spi2-core python3-pyatspi xdotool xvfb xauth dbus
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "${1:-build/rvl92}")
screen=${SCREEN:-1920x1200x24}

exec xvfb-run -a -s "-screen 0 $screen" dbus-run-session -- bash -c '
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
    "$1" & pid=$!
    shift
    status=0
    /usr/bin/python3 "$@" || status=$?
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    exit "$status"
' check "$program" "$here/atspi_check.py"
