"""check-ics.py PROGRAM VERSION: the holidays of 2026-2027 as an iCalendar file,
read back by a real parser: the list's days and names, one all-day event each,
UIDs that stay with the run, the range asked for and the version (uids-2026.txt)."""
import datetime
import pathlib
import re
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

months = "Gennaio Febbraio Marzo Aprile Maggio Giugno Luglio Agosto Settembre Ottobre Novembre Dicembre".split()
listed = []
for line in run("--festivita", "2026-2027").decode().splitlines():
    if title := re.fullmatch(r"Festività anno (\d+)", line):
        year = int(title[1])
    elif entry := re.fullmatch(r"(\d\d) (\w+) \((.+)\): \w+", line):
        listed.append((datetime.date(year, months.index(entry[2]) + 1, int(entry[1])), entry[3]))

events = calendar.walk("VEVENT")
assert [(event.decoded("DTSTART"), str(event["SUMMARY"])) for event in events] == listed, events
for event in events:
    start = event.decoded("DTSTART")
    assert type(start) is datetime.date and event.decoded("DTEND") == start + datetime.timedelta(days=1), event
    assert event["DTSTART"].params["VALUE"] == event["DTEND"].params["VALUE"] == "DATE", event
    assert event["TRANSP"] == "TRANSPARENT" and event.decoded("DTSTAMP").tzinfo is not None, event
uids = [str(event["UID"]) for event in events]
golden = pathlib.Path(__file__).with_name("uids-2026.txt").read_text().split()
assert len(set(uids)) == len(uids) and uids[: len(golden)] == golden, uids
again = icalendar.Calendar.from_ical(run("--festivita", "2027", "--ics")).walk("VEVENT")
assert [str(event["UID"]) for event in again] == uids[-len(again):], again
milano = icalendar.Calendar.from_ical(run("--festivita", "2026", "--ics", "--comune", "milano")).walk("VEVENT")
assert [str(event["UID"]) for event in milano[:-1]] == golden, milano
assert (str(milano[-1]["UID"]), str(milano[-1]["SUMMARY"]), milano[-1].decoded("DTSTART")) == (
    "2026-comune-milano@fastorio.github.io", "Sant'Ambrogio, patrono di Milano", datetime.date(2026, 12, 7)), milano
