#!/usr/bin/env bash
# read-program.sh PROGRAM DAY READER ARGS...: inside a private D-Bus session on
# a display, starts PROGRAM on DAY on the accessibility bus, then runs the
# pyatspi READER against it. What it starts ends with it.
set -euo pipefail
program=$1 day=$2 reader=$3
shift 3

# A bus address from the caller's own desktop would lead elsewhere; the
# private session bus starts the accessibility bus when it is first asked for.
unset AT_SPI_BUS_ADDRESS
trap 'kill $(jobs -p) 2>/dev/null; wait' EXIT

# Qt joins the accessibility bus only when told to or when a screen reader has
# switched it on; nobody switches it on here.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" "$day" &
# pyatspi comes from Debian's python3-pyatspi, which only the system
# interpreter sees; a python3 earlier on PATH may be another build.
/usr/bin/python3 "$reader" "$day" "$@"
