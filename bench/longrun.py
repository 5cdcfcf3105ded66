"""Drives the running program round after round: the screen-reader test's
whole run (every action of "M", "D" and a caption, prompts and messages
answered, 22 steps), then keys: Alt+S answered, Alt+T cancelled, arrows and
Page Up/Down on the calendar, and "M"'s action back to today (11 steps). Prints the program's resident memory
every ten rounds.

usage: longrun.py DAY VERSION ROUNDS, DAY today, the day the program started on."""

import contextlib
import datetime
import io
import os
import runpy
import subprocess
import sys
import time

import pyatspi

READER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "app", "atspi", "screenreader.py")
WEEK = "Calcolo del primo giorno della settimana"
QUARTER = "Calcolo del primo giorno del trimestre"


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        return next(int(line.split()[1]) for line in status if line.startswith("VmRSS"))


def prompt(app, title):
    return next((w for w in app if w is not None and w.name == title), None)


def key_until(window_id, key, seen):
    """Presses `key` on the activated window until seen() holds: a window
    manager may give the focus back a little after a dialog closes."""
    for _ in range(10):
        subprocess.run(["xdotool", "windowactivate", window_id], stderr=subprocess.DEVNULL, timeout=5)
        time.sleep(0.1)
        subprocess.run(["xdotool", "key", key], check=True)
        deadline = time.monotonic() + 2
        while time.monotonic() < deadline:
            if seen():
                return
            time.sleep(0.05)
    raise AssertionError(f"{key}: nothing opened")


def main():
    day, version, rounds = sys.argv[1], sys.argv[2], int(sys.argv[3])
    sys.argv = [READER, day, version]
    run = runpy.run_path(READER)  # round 0, which also finds the program
    app = run["app"]
    pid = app.get_process_id()
    window_id = subprocess.run(
        ["xdotool", "search", "--pid", str(pid), "--name", "^Fastorio$"], capture_output=True, text=True, check=True
    ).stdout.split()[0]
    start = time.monotonic()
    print("round  steps  RSS KiB  seconds")
    for done in range(1, rounds + 1):
        if done == 1 or done % 10 == 0 or done == rounds:
            print(f"{done:5}  {33 * done:5}  {resident_kib(pid):7}  {time.monotonic() - start:7.0f}", flush=True)
        key_until(window_id, "alt+s", lambda: prompt(app, WEEK))
        field = run["wait_for"]("the week's field", lambda: run["descendants"](prompt(app, WEEK), pyatspi.ROLE_TEXT))[0]
        field.queryEditableText().setTextContents("10/2011")
        subprocess.run(["xdotool", "key", "Return"], check=True)
        run["wait_for"]("the week's prompt closed", lambda: prompt(app, WEEK) is None)
        key_until(window_id, "alt+t", lambda: prompt(app, QUARTER))
        subprocess.run(["xdotool", "key", "Escape"], check=True)
        run["wait_for"]("the quarter's prompt closed", lambda: prompt(app, QUARTER) is None)
        subprocess.run(["xdotool", "key", "--delay", "20", "Right", "Right", "Down", "Next", "Prior", "Left"], check=True)
        # Back to today, where the screen-reader run starts and ends.
        run["act"](run["named"](run["window"], pyatspi.ROLE_PUSH_BUTTON, "M"), "oggi")
        run["wait_for_row"](run["window"], datetime.date.today())
        with contextlib.redirect_stdout(io.StringIO()):
            runpy.run_path(READER)
    return 0


if __name__ == "__main__":
    sys.exit(main())
