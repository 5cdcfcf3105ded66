# Reads and drives the running program through AT-SPI as a screen reader
# would, and fails on the first thing it cannot read or finds wrong.
#
# usage: screenreader.py DAY: the day the program was started on (dd/mm/yyyy).

import datetime
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


# Polls probe() until it returns something, for a few seconds at most, taking
# in the events that came meanwhile.
def wait_for(what, probe):
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


# The application or window of that name, of that role unless role is None.
def top_level(parent, role, name):
    return next((w for w in parent if w is not None and w.name == name and role in (None, w.getRole())), None)


def named(window, role, name):
    return wait_for(repr(name), lambda: next((a for a in descendants(window, role) if a.name == name), None))


# Runs the action whose name holds `name`.
def act(accessible, name):
    action = accessible.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    assert any(name in n and action.doAction(i) for i, n in enumerate(names)), (accessible.name, name, names)


# Quarter, ISO week and day of the year, worked out apart from the program.
def day_numbers(day):
    return [str((day.month + 2) // 3), str(day.isocalendar()[1]), str(day.timetuple().tm_yday)]


def row(window):
    labels = descendants(window, pyatspi.ROLE_LABEL)
    return [next((b.name for b in labels if b.description.startswith(tip + ".")), None) for tip in BOX_TIPS]


def wait_for_row(window, day):
    wait_for(f"the row of {day}", lambda: row(window) == day_numbers(day))


# Runs the action that opens the prompt titled `title`, types `text` into it
# and presses OK.
def answer_prompt(accessible, action, title, text):
    act(accessible, action)
    prompt = wait_for(f"prompt {title!r}", lambda: top_level(app, None, title))
    field = wait_for(f"prompt {title!r}: its field", lambda: descendants(prompt, pyatspi.ROLE_TEXT))[0]
    field.queryEditableText().setTextContents(text)
    act(named(prompt, pyatspi.ROLE_PUSH_BUTTON, "OK"), "Press")


# The text of the message box titled `title`, closed with OK.
def close_message(title):
    box = wait_for(f"message box {title!r}", lambda: top_level(app, pyatspi.ROLE_ALERT, title))
    texts = [label.name for label in descendants(box, pyatspi.ROLE_LABEL) if label.name] + [""]
    act(named(box, pyatspi.ROLE_PUSH_BUTTON, "OK"), "Press")
    wait_for(f"message box {title!r} gone", lambda: top_level(app, pyatspi.ROLE_ALERT, title) is None)
    return texts[0]


app = wait_for("'fastorio' on AT-SPI", lambda: top_level(pyatspi.Registry.getDesktop(0), None, "fastorio"))
window = wait_for("window 'Fastorio'", lambda: top_level(app, pyatspi.ROLE_FRAME, "Fastorio"))

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

# Every day is found by its whole date, with its names as its description.
answer_prompt(oggi, "una data", "Ricerca di una data", "24/04/2038")
easter = wait_for("25 April 2038", lambda: [c.description for c in descendants(window, pyatspi.ROLE_TABLE_CELL) if c.name == "domenica 25 aprile 2038"])
assert easter == ["Pasqua di nostro Signore, Anniversario della liberazione"], easter
print("screen reader: all read as expected")
