"""Reads and drives the running program through AT-SPI as a screen reader
would: the window, its row of day numbers, its buttons, the about box that "?"
opens, and the actions of "M", "D" and a caption, each checked for what it
does. Exits non-zero naming everything it could not read or found wrong.

usage: screenreader.py DAY VERSION, the day the program was started on
(dd/mm/yyyy) and the version as the about box writes it ("1.00")."""

import datetime
import sys
import time

import pyatspi
from gi.repository import GLib

# Generous: a sanitizer build on a loaded machine starts and answers slowly.
WAIT_SECONDS = 20.0
STARTED_ON = datetime.datetime.strptime(sys.argv[1], "%d/%m/%Y").date()
CAPTIONS = ["Trimestre:", "Settimana:", "Giorno dell'anno:"]
# A button's description starts with its tooltip; those of M and D name their keys.
BUTTONS = {
    "?": "Mostra le informazioni sul programma",
    "M": "Impostazione della data, calcolo della Pasqua e delle principali festività",
    "D": "Differenza tra due date",
}
KEYS = "Maiusc+F10"
ABOUT_LINES = [
    f"Fastorio - Versione {sys.argv[2]}",
    "Calcolo trimestri, settimane, giorni dall'inizio dell'anno e festività",
]


class Unreadable(Exception):
    pass


def wait_for(what, probe):
    """Polls probe() until it returns something, for a few seconds at most."""
    deadline = time.monotonic() + WAIT_SECONDS
    while True:
        try:
            found = probe()
        except GLib.Error:  # a window that closed while it was being read
            found = None
        if found:
            return found
        if time.monotonic() > deadline:
            raise Unreadable(f"{what}: still not seen after {WAIT_SECONDS:.0f} s")
        time.sleep(0.05)


def descendants(accessible, role):
    return pyatspi.findAllDescendants(accessible, lambda a: a.getRole() == role)


def top_level(app, role, name):
    """The application's window with that title, of that role unless role is None."""
    return next((w for w in app if w is not None and w.name == name and role in (None, w.getRole())), None)


def named(window, role, name):
    return wait_for(repr(name), lambda: next((a for a in descendants(window, role) if a.name == name), None))


def act(accessible, what, name):
    """Runs the action whose name holds `name`."""
    action = accessible.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if not any(name in n and action.doAction(i) for i, n in enumerate(names)):
        raise Unreadable(f"{what}: no action {name!r} done (has {names})")


def day_numbers(day):
    """Quarter, ISO week and day of the year by their value boxes' tooltips,
    worked out apart from the program."""
    return {
        "Numero del trimestre relativo al giorno selezionato": str((day.month + 2) // 3),
        "Numero della settimana relativo al giorno selezionato": str(day.isocalendar()[1]),
        "Numero del giorno dall'inizio dell'anno": str(day.timetuple().tm_yday),
    }


def row(window):
    """The value boxes' numbers, by the tooltip their description starts with."""
    labels = descendants(window, pyatspi.ROLE_LABEL)
    return {
        tip: next((label.name for label in labels if label.description.startswith(tip + ".")), None)
        for tip in day_numbers(STARTED_ON)
    }


def answer_prompt(app, title, text):
    """Types `text` into the prompt titled `title` and presses OK."""
    prompt = wait_for(f"prompt {title!r}", lambda: top_level(app, None, title))
    field = wait_for(f"prompt {title!r}: its field", lambda: descendants(prompt, pyatspi.ROLE_TEXT))[0]
    field.queryEditableText().setTextContents(text)
    act(named(prompt, pyatspi.ROLE_PUSH_BUTTON, "OK"), f"prompt {title!r}: OK", "Press")


def close_message(app, title):
    """The text of the message box titled `title`, closed with OK."""
    box = wait_for(f"message box {title!r}", lambda: top_level(app, pyatspi.ROLE_ALERT, title))
    texts = [label.name for label in descendants(box, pyatspi.ROLE_LABEL) if label.name] + [""]
    act(named(box, pyatspi.ROLE_PUSH_BUTTON, "OK"), f"message box {title!r}: OK", "Press")
    wait_for(f"message box {title!r} gone", lambda: top_level(app, pyatspi.ROLE_ALERT, title) is None)
    return texts[0]


def check_window(app, window, problems):
    names = [label.name for label in descendants(window, pyatspi.ROLE_LABEL)]
    problems += [f"caption {c!r} not among the labels {names}" for c in CAPTIONS if c not in names]
    if row(window) != day_numbers(STARTED_ON):
        problems.append(f"day numbers {row(window)} are not those of {STARTED_ON}")
    buttons = {b.name: b.description for b in descendants(window, pyatspi.ROLE_PUSH_BUTTON)}
    for name, tip in BUTTONS.items():
        if not buttons.get(name, "").startswith(tip) or (name != "?" and KEYS not in buttons[name]):
            problems.append(f"button {name!r} described as {buttons.get(name)!r}, not {tip!r} and its keys")

    act(named(window, pyatspi.ROLE_PUSH_BUTTON, "?"), "button '?'", "Press")
    lines = close_message(app, "Informazioni su...").splitlines()
    if lines[:1] != ABOUT_LINES[:1] or ABOUT_LINES[1] not in lines:
        problems.append(f"the about box reads {lines}, not {ABOUT_LINES}")


def check_actions(app, window, problems):
    """Every action of M and D does what its gesture does; a caption's action
    opens its prompt. D counts from the day the program started on."""
    oggi = named(window, pyatspi.ROLE_PUSH_BUTTON, "M")
    diff = named(window, pyatspi.ROLE_PUSH_BUTTON, "D")

    # Armed, disarmed, armed again: only the second count is answered.
    act(diff, "button 'D'", "Primo giorno")
    act(diff, "button 'D'", "Deseleziona")
    act(oggi, "button 'M'", "una data")
    answer_prompt(app, "Ricerca di una data", "03/05/2001")
    wait_for("the row of 3 May 2001", lambda: row(window) == day_numbers(datetime.date(2001, 5, 3)))
    act(diff, "button 'D'", "Primo giorno")
    act(named(window, pyatspi.ROLE_LABEL, "Settimana:"), "caption 'Settimana:'", "settimana")
    answer_prompt(app, "Calcolo del primo giorno della settimana", "22/2010")
    message = close_message(app, "Calcolo del numero di giorni tra due date")
    if message != "Tra il 03/05/2001 ed il 31/05/2010 ci sono 3315 giorni":
        problems.append(f"the count after a week jump reads {message!r}")

    act(oggi, "button 'M'", "Pasqua")
    answer_prompt(app, "Calcolo della pasqua", "2010")
    wait_for("the row of Easter 2010", lambda: row(window) == day_numbers(datetime.date(2010, 4, 4)))
    act(oggi, "button 'M'", "Festività")
    answer_prompt(app, "Calcolo delle festività", "2010")
    if not close_message(app, "Festività anno 2010").startswith("01 Gennaio (Capodanno): Venerdì"):
        problems.append("the holiday list of 2010 does not start with New Year's Day, a Friday")
    for button, caption in ((oggi, "M"), (diff, "D")):
        act(button, f"button {caption!r}", "Spiega")
        close_message(app, f"Funzioni del tasto {caption}")
    act(oggi, "button 'M'", "oggi")
    wait_for("the row of today", lambda: row(window) == day_numbers(datetime.date.today()))


def main():
    problems = []
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        app = wait_for("'fastorio' on the accessibility bus", lambda: top_level(desktop, None, "fastorio"))
        window = wait_for("window 'Fastorio'", lambda: top_level(app, pyatspi.ROLE_FRAME, "Fastorio"))
        check_window(app, window, problems)
        check_actions(app, window, problems)
    except Unreadable as error:
        problems.append(str(error))
    for problem in problems:
        print(f"FAIL: {problem}", file=sys.stderr)
    print(f"screen reader: {'failed' if problems else 'all read as expected'}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
