#!/usr/bin/env bash
# read-program.sh PROGRAM DAY READER ARGS...: inside a private D-Bus session on an X
# display, starts the accessibility bus and PROGRAM, then runs the pyatspi
# READER against it. Everything started here is ended on the way out.
set -euo pipefail

program=$1
day=$2
reader=$3
shift 3
# pyatspi comes from Debian's python3-pyatspi, which only the system
# interpreter sees; a python3 earlier on PATH may be another build.
python=/usr/bin/python3

"$python" -c 'import pyatspi' 2>/dev/null ||
    { echo "read-program.sh: pyatspi is not importable by $python (python3-pyatspi)" >&2; exit 1; }
[ -x /usr/libexec/at-spi-bus-launcher ] ||
    { echo "read-program.sh: at-spi-bus-launcher is not installed (at-spi2-core)" >&2; exit 1; }

launcher=
app=
cleanup() {
    set +e # whatever has already ended
    [ -n "$app" ] && kill "$app" 2>/dev/null
    [ -n "$launcher" ] && kill "$launcher" 2>/dev/null
    wait 2>/dev/null
}
trap cleanup EXIT

# A bus address from the caller's own desktop would lead elsewhere.
unset AT_SPI_BUS_ADDRESS

/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
has_a11y_bus() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
for _ in $(seq 100); do
    has_a11y_bus && break
    sleep 0.05
done
has_a11y_bus || { echo "read-program.sh: the accessibility bus did not start" >&2; exit 1; }

# Qt 6.4 joins the accessibility bus only when told to or when a screen
# reader has switched it on; nobody switches it on here.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" "$day" &
app=$!

"$python" "$reader" "$day" "$@"
