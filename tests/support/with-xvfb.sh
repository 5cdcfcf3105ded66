#!/usr/bin/env bash
# with-xvfb.sh COMMAND...: runs COMMAND on a private Xvfb display with a small
# window manager (without one, no window becomes active again after a modal
# dialog closes), and tears both down afterwards.
set -euo pipefail

for tool in Xvfb openbox xprop; do
    command -v "$tool" >/dev/null || { echo "with-xvfb.sh: $tool is not installed" >&2; exit 1; }
done

# Waits of up to 20 s each: a loaded machine starts the servers slowly.
fdfile=$(mktemp)
# Neither server keeps the caller's output open: a test runner waits for that.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
xvfb=$!
wm=
command=
cleanup() {
    set +e # whatever has already ended
    [ -n "$command" ] && kill "$command" 2>/dev/null
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -f "$fdfile"
}
trap 'status=$?; cleanup; exit $status' EXIT
# A test runner that gives up on the command stops this script: the servers go too.
trap 'exit 143' TERM INT HUP

for _ in $(seq 400); do
    [ -s "$fdfile" ] && break
    sleep 0.05
done
[ -s "$fdfile" ] || { echo "with-xvfb.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$fdfile")"

openbox >/dev/null 2>&1 &
wm=$!
for _ in $(seq 400); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done

# In the background, so that a signal is handled at once rather than after the command.
QT_QPA_PLATFORM=xcb "$@" &
command=$!
wait "$command"
