#!/usr/bin/env python3
"""check-yearpage.py PROGRAM: the calendar of a year as poppler reads and draws it,
written with no display reachable; its refusal on a terminal; a file not written."""
import os
import pty
import re
import subprocess
import sys
import tempfile

program = sys.argv[1]
env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR")}
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what)


def run(*args, **streams):
    return subprocess.run([program, *args], env=env, capture_output=not streams, **streams)


def tool(*args):
    return subprocess.run(args, capture_output=True, text=True, check=True).stdout


scratch = tempfile.mkdtemp()
pdf = os.path.join(scratch, "page.pdf")
page = run("--calendario", "2027", "--comune", "Milano")
check(page.returncode == 0 and page.stderr == b"", f"status {page.returncode}, messages {page.stderr[:300]!r}")
with open(pdf, "wb") as file:
    file.write(page.stdout)

# One A4 landscape page, every font embedded, the bold face among them.
info = tool("pdfinfo", pdf)
check(re.search(r"^Pages: +1$", info, re.M) and "842 x 595 pts (A4)" in info, f"page: {info}")
fonts = [line.split() for line in tool("pdffonts", pdf).splitlines()[2:]]
check(fonts and all(font[-5] == "yes" for font in fonts), f"fonts not embedded: {fonts}")
check(any(font[0].endswith("-Bold") for font in fonts), f"no bold face: {fonts}")

# As text: the title, the comune's line as --festivita prints it, a worked
# Carnevale left out, each month's working days as --lavorativi counts them.
text = tool("pdftotext", "-layout", pdf, "-")
listed = run("--festivita", "2027", "--comune", "Milano").stdout.decode().splitlines()
check("2027 — Milano" in text, "title")
check(listed[-1] in text and not any("Carnevale" in line for line in text.splitlines()), "days off at the foot")
counted = []
for month in range(1, 13):
    last = 31 if month in (1, 3, 5, 7, 8, 10, 12) else 30 if month != 2 else 28
    answer = run("--lavorativi", f"01/{month:02}/2027", f"{last}/{month:02}/2027", "--comune", "Milano")
    counted.append(re.search(r"(\d+) giorni lavorativi", answer.stdout.decode()).group(1))
check(re.findall(r"(\d+) giorni lavorativi", text) == counted, f"working days, not {counted}")

# As drawn at 100 dpi: a day off red and bold, a working day neither.
words = re.findall(r'xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<',
                   tool("pdftotext", "-bbox", pdf, "-"))
subprocess.run(["pdftoppm", "-r", "100", "-singlefile", pdf, os.path.join(scratch, "page")], check=True)
with open(os.path.join(scratch, "page.ppm"), "rb") as file:
    _, size, _, pixels = file.read().split(b"\n", 3)
width = int(size.split()[0])


def day(month, number):
    """The (red, ink) pixels of a day of the month named `month`."""
    name = next(map(float, w[:2]) for w in words if w[4] == month)
    left, top = name
    box = next(w for w in words if w[4] == number and left - 4 <= float(w[0]) < left + 170
               and top < float(w[1]) < top + 110)
    red = ink = 0
    x0, y0, x1, y1 = (round(float(v) * 100 / 72) for v in box[:4])
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            r, g, b = pixels[3 * (y * width + x):3 * (y * width + x) + 3]
            red += r > 150 and g < 110 and b < 120
            ink += min(r, g, b) < 200
    return red, ink


republic, worked, ambrogio, tuesday = day("Giugno", "2"), day("Giugno", "3"), day("Dicembre", "7"), day("Marzo", "2")
check(republic[0] > 5 and ambrogio[0] > 5, f"2 June {republic}, 7 December {ambrogio} not red")
check(worked[0] == 0 and worked[1] > 10, f"3 June {worked} red")
check(republic[1] > 1.25 * tuesday[1], f"2 June {republic} no bolder than 2 March {tuesday}")

# On a terminal nothing is written, and one line says how to redirect.
terminal, other = pty.openpty()
try:  # a file written to the terminal fills it and waits
    refused = run("--calendario", "2027", stdout=other, stderr=subprocess.PIPE, timeout=20)
except subprocess.TimeoutExpired as stopped:
    refused = stopped
os.close(other)
try:
    shown = os.read(terminal, 100)
except OSError:  # nothing was written: the terminal has hung up
    shown = b""
check(getattr(refused, "returncode", None) == 2 and shown == b"" and refused.stderr.count(b"\n") == 1
      and b"fastorio --calendario 2027 > calendario-2027.pdf" in refused.stderr, f"terminal: {refused} {shown!r}")

# A file not written whole: one line, status 1.
with open("/dev/full", "wb") as full:
    unwritten = run("--calendario", "2027", stdout=full, stderr=subprocess.PIPE)
check(unwritten.returncode == 1 and unwritten.stderr == b"fastorio: impossibile scrivere la risposta\n",
      f"not written: {unwritten}")

print(f"{len(failures)} failed")
sys.exit(1 if failures else 0)
