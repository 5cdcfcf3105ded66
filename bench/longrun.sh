#!/usr/bin/env bash
# Memory over a long run: drives Fastorio as a screen reader and a keyboard
# user would, ROUNDS rounds of 33 steps, and prints its resident memory every
# ten rounds. Runs on the tests' private Xvfb with openbox and a session bus.
#
# usage: bench/longrun.sh [ROUNDS] [PROGRAM]   (defaults: 150, build/bench/src/app/fastorio)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
# The screen-reader test's steps end on today, where the next round starts.
version=$(sed -n 's/^ *VERSION \([0-9]*\)\.\([0-9]*\)\.\([0-9]*\)$/\1.\2\3/p' "$repo/CMakeLists.txt" | head -n 1)
exec bash "$repo/tests/support/with-xvfb.sh" dbus-run-session -- \
    bash "$repo/tests/app/atspi/read-program.sh" "${2:-$repo/build/bench/src/app/fastorio}" "$(date +%d/%m/%Y)" \
    "$repo/bench/longrun.py" "$version" "${1:-150}"
