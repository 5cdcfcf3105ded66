#!/usr/bin/env bash
# with-xvfb.sh [--wayland] COMMAND...: runs COMMAND on a private Xvfb display
# with a small window manager (without one, no window becomes active again
# after a modal dialog closes). With --wayland, COMMAND is a Wayland client of
# weston, which draws into that display and takes its keyboard and pointer as
# its seat. Whatever was started here ends with COMMAND, or with a stop signal.
set -euo pipefail

work=$(mktemp -d)
servers=()
# Each server goes before the one it draws into: a weston whose X server has
# already gone spins in its renderer for up to a minute before it notices.
cleanup() {
    set +e # whatever has already ended
    [ -n "${command:-}" ] && kill "$command" 2>/dev/null && wait "$command"
    for ((i = ${#servers[@]} - 1; i >= 0; i--)); do
        kill "${servers[i]}" 2>/dev/null
        wait "${servers[i]}" 2>/dev/null
    done
    rm -rf "$work"
}
trap 'status=$?; cleanup; exit $status' EXIT
trap 'exit 143' TERM INT HUP

# started WHAT CONDITION...: waits up to 20 s, for a loaded machine; by the
# clock, since one probe alone can take a second there.
started() {
    local what=$1 deadline=$((SECONDS + 20))
    shift
    while ((SECONDS < deadline)); do
        "$@" 2>/dev/null && return 0
        sleep 0.05
    done
    echo "with-xvfb.sh: $what did not start:" >&2
    cat "$work/$what.log" >&2
    return 1
}

# No server keeps the caller's output open: a test runner waits for that.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/Xvfb.log" 2>&1 &
servers+=($!)
started Xvfb test -s "$work/display"
export DISPLAY=":$(head -n 1 "$work/display")"

openbox >"$work/openbox.log" 2>&1 &
servers+=($!)
# A command that needs no window manager can still run without one.
started openbox sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || true

export QT_QPA_PLATFORM=xcb
if [ "${1:-}" = --wayland ]; then
    shift
    export XDG_RUNTIME_DIR=$work/runtime WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    weston --backend=x11-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 \
        --config="$(realpath "$(dirname "$0")")/weston.ini" >"$work/weston.log" 2>&1 &
    servers+=($!)
    started weston test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY"
fi

# In the background, so that a signal is handled at once rather than after the command.
"$@" &
command=$!
wait "$command"
