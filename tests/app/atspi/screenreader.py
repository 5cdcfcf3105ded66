"""Reads and drives the running program through AT-SPI as a screen reader
would, and fails on the first thing it cannot read or finds wrong.

usage: screenreader.py DAY VERSION: the day the program was started on
(dd/mm/yyyy) and the version as the about box writes it ("1.00")."""

import datetime
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

# Generous: a sanitizer build on a loaded machine starts and answers slowly.
WAIT_SECONDS = 20.0
# The value boxes, by the tooltip their description starts with.
BOX_TIPS = [
    "Numero del trimestre relativo al giorno selezionato",
    "Numero della settimana relativo al giorno selezionato",
    "Numero del giorno dall'inizio dell'anno",
]
KEYS = {"Left": 0xFF51, "Up": 0xFF52, "Right": 0xFF53}


def wait_for(what, probe):
    """Polls probe() until it returns something, for a few seconds at most,
    taking in the events that came meanwhile."""
    deadline = time.monotonic() + WAIT_SECONDS
    while time.monotonic() < deadline:
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            if found := probe():
                return found
        except GLib.Error:  # a window that closed while it was being read
            pass
        time.sleep(0.05)
    raise AssertionError(f"{what}: still not seen after {WAIT_SECONDS:.0f} s")


def descendants(accessible, role):
    return pyatspi.findAllDescendants(accessible, lambda a: a.getRole() == role)


def top_level(parent, role, name):
    """The application or window of that name, of that role unless role is None."""
    return next((w for w in parent if w is not None and w.name == name and role in (None, w.getRole())), None)


def named(window, role, name):
    return wait_for(repr(name), lambda: next((a for a in descendants(window, role) if a.name == name), None))


def act(accessible, name):
    """Runs the action whose name holds `name`."""
    action = accessible.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    assert any(name in n and action.doAction(i) for i, n in enumerate(names)), (accessible.name, name, names)


def day_numbers(day):
    """Quarter, ISO week and day of the year, worked out apart from the program."""
    return [str((day.month + 2) // 3), str(day.isocalendar()[1]), str(day.timetuple().tm_yday)]


def row(window):
    labels = descendants(window, pyatspi.ROLE_LABEL)
    return [next((b.name for b in labels if b.description.startswith(tip + ".")), None) for tip in BOX_TIPS]


def wait_for_row(window, day):
    wait_for(f"the row of {day}", lambda: row(window) == day_numbers(day))


def answer_prompt(accessible, action, title, text):
    """Runs the action that opens the prompt titled `title`, types `text` into it and presses OK."""
    act(accessible, action)
    prompt = wait_for(f"prompt {title!r}", lambda: top_level(app, None, title))
    field = wait_for(f"prompt {title!r}: its field", lambda: descendants(prompt, pyatspi.ROLE_TEXT))[0]
    field.queryEditableText().setTextContents(text)
    act(named(prompt, pyatspi.ROLE_PUSH_BUTTON, "OK"), "Press")


def close_message(title):
    """The text of the message box titled `title`, closed with OK."""
    box = wait_for(f"message box {title!r}", lambda: top_level(app, pyatspi.ROLE_ALERT, title))
    texts = [label.name for label in descendants(box, pyatspi.ROLE_LABEL) if label.name] + [""]
    act(named(box, pyatspi.ROLE_PUSH_BUTTON, "OK"), "Press")
    wait_for(f"message box {title!r} gone", lambda: top_level(app, pyatspi.ROLE_ALERT, title) is None)
    return texts[0]


def press_key(name):
    if "WAYLAND_DISPLAY" in os.environ:  # libatspi's own key events crash there: typed through the compositor
        subprocess.run(["xdotool", "key", name], check=True)
    else:
        pyatspi.Registry.generateKeyboardEvent(KEYS[name], None, pyatspi.KEY_SYM)


def walk(start, steps):
    """From the day `start` (dd/mm/yyyy), jumped to by M, each key gives the focus to the day named."""
    mark = len(focused)
    answer_prompt(oggi, "una data", "Ricerca di una data", start)
    wait_for_row(window, datetime.datetime.strptime(start, "%d/%m/%Y").date())
    # Keys reach the grid once it has the focus back in its window, active again.
    grid = (pyatspi.ROLE_PANEL, pyatspi.ROLE_TABLE_CELL)
    wait_for(f"the calendar focused on {start}", lambda: any(role in grid for *_, role in focused[mark:])
             and window.getState().contains(pyatspi.STATE_ACTIVE))
    for key, name, description in steps:
        # Late events of the day left may still come in.
        stale, mark = {"", *(f[0] for f in focused[mark:])}, len(focused)
        press_key(key)
        got = wait_for(f"focus after {key} from {start}", lambda: next((f[:2] for f in focused[mark:] if f[0] not in stale), None))
        assert got == (name, description), (key, got, name, description)


app = wait_for("'fastorio' on AT-SPI", lambda: top_level(pyatspi.Registry.getDesktop(0), None, "fastorio"))
# The focus events, as Orca gets them: the name, description and role of their
# source. Qt asks for the listeners when it joins the bus, and only then
# subscribes to later ones: a listener added between the two is never served,
# and one added once the program shows on the bus comes after both.
focused = []
pyatspi.Registry.registerEventListener(
    lambda event: event.detail1 and focused.append((event.source.name, event.source.description, event.source.getRole())),
    "object:state-changed:focused",
)
window = wait_for("window 'Fastorio'", lambda: top_level(app, pyatspi.ROLE_FRAME, "Fastorio"))
assert row(window) == day_numbers(datetime.datetime.strptime(sys.argv[1], "%d/%m/%Y").date()), row(window)

act(named(window, pyatspi.ROLE_PUSH_BUTTON, "?"), "Press")
about = close_message("Informazioni su...").splitlines()
assert about[0] == f"Fastorio - Versione {sys.argv[2]}", about
assert "Calcolo trimestri, settimane, giorni dall'inizio dell'anno e festività" in about, about

# The actions of M and D and a caption's, each checked in the window test, as
# a screen reader reaches them. Armed, disarmed, armed again: only the second
# count is answered, from the day the first prompt jumped to.
oggi = named(window, pyatspi.ROLE_PUSH_BUTTON, "M")
diff = named(window, pyatspi.ROLE_PUSH_BUTTON, "D")
act(diff, "Primo giorno")
act(diff, "Deseleziona")
answer_prompt(oggi, "una data", "Ricerca di una data", "03/05/2001")
wait_for_row(window, datetime.date(2001, 5, 3))
act(diff, "Primo giorno")
week = named(window, pyatspi.ROLE_LABEL, "Settimana:")
answer_prompt(week, "settimana", "Calcolo del primo giorno della settimana", "22/2010")
message = close_message("Calcolo del numero di giorni tra due date")
assert message == "Tra il 03/05/2001 ed il 31/05/2010 ci sono 3315 giorni", message

# A Press on "?" waits, as "M" and "D" do, while a prompt is open: one dialog
# stays. "oggi" runs after the presses that came before it, in a window left free.
act(oggi, "una data")
prompt = wait_for("prompt", lambda: top_level(app, None, "Ricerca di una data"))
for _ in range(200):
    act(named(window, pyatspi.ROLE_PUSH_BUTTON, "?"), "Press")
act(named(prompt, pyatspi.ROLE_PUSH_BUTTON, "Annulla"), "Press")
wait_for("prompt gone", lambda: top_level(app, None, "Ricerca di una data") is None)
act(oggi, "oggi")
wait_for_row(window, datetime.date.today())
assert top_level(app, pyatspi.ROLE_ALERT, "Informazioni su...") is None, [w.name for w in app]

# Arrow keys on the calendar: each day reached says its whole date and its
# holidays, across a page too; the headers read in full.
for start, steps in (
    ("24/04/2010", [("Right", "domenica 25 aprile 2010", "Anniversario della liberazione"),
                    ("Right", "lunedì 26 aprile 2010", ""), ("Up", "lunedì 19 aprile 2010", "")]),
    ("31/05/2010", [("Right", "martedì 1 giugno 2010", ""), ("Left", "lunedì 31 maggio 2010", "")]),
    ("24/04/2038", [("Right", "domenica 25 aprile 2038", "Pasqua di nostro Signore, Anniversario della liberazione")]),
    ("06/04/2010", [("Left", "lunedì 5 aprile 2010", "Lunedì dell'Angelo")]),
):
    walk(start, steps)
table = next(t for t in descendants(window, pyatspi.ROLE_PANEL) if t.childCount == 72).queryTable()
assert (table.nRows, table.nColumns) == (7, 8), (table.nRows, table.nColumns)
headers = [table.getAccessibleAt(0, 1).name, table.getAccessibleAt(1, 0).name, table.getAccessibleAt(6, 7).name]
assert headers == ["lunedì", "settimana 13", "domenica 9 maggio 2010"], headers
print("screen reader: all read as expected")
