"""check-ics.py PROGRAM VERSION: the holidays of 2026-2027 as an iCalendar file,
read back by a real parser: one all-day event a holiday, with the day, UID and
name of events-2026-2027.txt, UIDs that stay with the run, and the version."""
import datetime
import pathlib
import subprocess
import sys

import icalendar

program, version = sys.argv[1:]


def run(*arguments):
    return subprocess.run([program, *arguments], check=True, capture_output=True).stdout


ics = run("--festivita", "2026-2027", "--ics")
lines = ics.split(b"\r\n")
assert lines.pop() == b"" and all(len(line) <= 75 and b"\n" not in line for line in lines), lines
calendar = icalendar.Calendar.from_ical(ics)
assert calendar["PRODID"] == f"-//Fastorio//Fastorio {version}//IT", calendar["PRODID"]

events = calendar.walk("VEVENT")
golden = pathlib.Path(__file__).with_name("events-2026-2027.txt").read_text("utf-8").splitlines()
golden = [line.split(" ", 2) for line in golden]
assert [[str(event.decoded("DTSTART")), str(event["UID"]), str(event["SUMMARY"])] for event in events] == golden, events
for event in events:
    start = event.decoded("DTSTART")
    assert type(start) is datetime.date and event.decoded("DTEND") == start + datetime.timedelta(days=1), event
    assert event["DTSTART"].params["VALUE"] == event["DTEND"].params["VALUE"] == "DATE", event
    assert event["TRANSP"] == "TRANSPARENT" and event.decoded("DTSTAMP").tzinfo is not None, event
again = icalendar.Calendar.from_ical(run("--festivita", "2027", "--ics")).walk("VEVENT")
assert [str(event["UID"]) for event in again] == [uid for _, uid, _ in golden[-len(again):]], again
milano = icalendar.Calendar.from_ical(run("--festivita", "2026", "--ics", "--comune", "milano")).walk("VEVENT")
assert [str(event["UID"]) for event in milano[:-1]] == [uid for _, uid, _ in golden[: len(milano) - 1]], milano
assert (str(milano[-1]["UID"]), str(milano[-1]["SUMMARY"]), milano[-1].decoded("DTSTART")) == (
    "2026-comune-milano@fastorio.github.io", "Sant'Ambrogio, patrono di Milano", datetime.date(2026, 12, 7)), milano
