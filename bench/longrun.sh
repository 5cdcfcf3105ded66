#!/usr/bin/env bash
# Memory over a long run: drives Fastorio as a screen reader and a keyboard
# user would, ROUNDS rounds of 32 steps, and prints its resident memory every
# ten rounds. Runs on the tests' private Xvfb with openbox and a session bus.
#
# usage: bench/longrun.sh [ROUNDS] [PROGRAM]   (defaults: 150, build/bench/src/app/fastorio)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
exec bash "$repo/tests/support/with-xvfb.sh" dbus-run-session -- \
    bash "$repo/tests/app/atspi/read-program.sh" "${2:-$repo/build/bench/src/app/fastorio}" 01/03/2010 \
    "$repo/bench/longrun.py" "${1:-150}"
