#!/usr/bin/env bash
# read-program.sh PROGRAM DAY READER ARGS...: inside a private D-Bus session on
# a display, starts the accessibility bus and PROGRAM on DAY, then runs the
# pyatspi READER against it. What it starts ends with it.
set -euo pipefail
program=$1 day=$2 reader=$3
shift 3

# A bus address from the caller's own desktop would lead elsewhere.
unset AT_SPI_BUS_ADDRESS
/usr/libexec/at-spi-bus-launcher --launch-immediately &
trap 'kill $(jobs -p) 2>/dev/null; wait' EXIT
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true' && break
    sleep 0.05
done

# Qt joins the accessibility bus only when told to or when a screen reader has
# switched it on; nobody switches it on here.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" "$day" &
# pyatspi comes from Debian's python3-pyatspi, which only the system
# interpreter sees; a python3 earlier on PATH may be another build.
/usr/bin/python3 "$reader" "$day" "$@"
