"""Drives the running program round after round: every screen-reader action of
"M" and "D" and a caption's, with their prompts and messages answered (the
screen-reader test's own sequence, 20 steps), then keys: Alt+S answered, Alt+T
cancelled, arrows and Page Up/Down on the calendar (12 steps). Prints the
program's resident memory every ten rounds.

usage: longrun.py DAY ROUNDS, DAY the day the program was started on."""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "app", "atspi"))
import pyatspi  # noqa: E402
import screenreader as reader  # noqa: E402

WEEK = "Calcolo del primo giorno della settimana"
QUARTER = "Calcolo del primo giorno del trimestre"


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        return next(int(line.split()[1]) for line in status if line.startswith("VmRSS"))


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
    raise reader.Unreadable(f"{key}: nothing opened")


def main():
    rounds = int(sys.argv[2])
    app = reader.wait_for("fastorio", lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "fastorio"), None))
    window = reader.wait_for("its window", lambda: reader.top_level(app, pyatspi.ROLE_FRAME, "Fastorio"))
    pid = app.get_process_id()
    window_id = subprocess.run(
        ["xdotool", "search", "--pid", str(pid), "--name", "^Fastorio$"], capture_output=True, text=True, check=True
    ).stdout.split()[0]
    start = time.monotonic()
    print("round  steps  RSS KiB  seconds")
    for done in range(rounds + 1):
        if done % 10 == 0 or done == rounds:
            print(f"{done:5}  {32 * done:5}  {resident_kib(pid):7}  {time.monotonic() - start:7.0f}", flush=True)
        if done == rounds:
            break
        problems = []
        reader.check_actions(app, window, problems)
        if problems:
            raise reader.Unreadable("; ".join(problems))
        key_until(window_id, "alt+s", lambda: reader.top_level(app, None, WEEK))
        reader.answer_prompt(app, WEEK, "10/2011")
        key_until(window_id, "alt+t", lambda: reader.top_level(app, None, QUARTER))
        subprocess.run(["xdotool", "key", "Escape"], check=True)
        reader.wait_for("the quarter's prompt closed", lambda: reader.top_level(app, None, QUARTER) is None)
        subprocess.run(["xdotool", "key", "--delay", "20", "Right", "Right", "Down", "Next", "Prior", "Left"], check=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
