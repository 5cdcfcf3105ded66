#!/usr/bin/env python3
# check-yearpage.py PROGRAM: the calendar of a year as poppler reads and draws it,
# written with no display reachable; its refusal on a terminal.
import os, pty, re, subprocess, sys, tempfile

program, failures = sys.argv[1], []
env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR")}


check = lambda ok, what: ok or failures.append(print("FAIL:", what))  # noqa: E731
run = lambda *args, **streams: subprocess.run([program, *args], env=env, capture_output=not streams, **streams)
tool = lambda *args: subprocess.run(args, capture_output=True, text=True, check=True).stdout


pdf = os.path.join(tempfile.mkdtemp(), "page.pdf")
page = run("--calendario", "2027", "--comune", "Milano")
check(page.returncode == 0 and page.stderr == b"", f"status {page.returncode}, messages {page.stderr[:300]!r}")
open(pdf, "wb").write(page.stdout)

# One A4 landscape page, every font embedded, the bold face among them.
info, fonts = tool("pdfinfo", pdf), [line.split() for line in tool("pdffonts", pdf).splitlines()[2:]]
check(re.search(r"^Pages: +1$", info, re.M) and "842 x 595 pts (A4)" in info, f"page: {info}")
check(fonts and all(font[-5] == "yes" for font in fonts) and any("-Bold" in f[0] for f in fonts), f"fonts: {fonts}")

# As text: the title, the comune's line as --festivita prints it, a worked
# Carnevale left out, each month's working days as --lavorativi counts them.
text = tool("pdftotext", "-layout", pdf, "-")
listed = run("--festivita", "2027", "--comune", "Milano").stdout.decode().splitlines()
check("2027 — Milano" in text and listed[-1] in text and "Carnevale" not in text, "title and days off")
counted = [re.search(r"(\d+) giorni", run("--lavorativi", f"01/{m:02}/2027", f"{d}/{m:02}/2027", "--comune",
                                          "Milano").stdout.decode()).group(1)
           for m, d in enumerate([31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31], 1)]
check(re.findall(r"(\d+) giorni lavorativi", text) == counted, f"working days, not {counted}")

# As drawn at 100 dpi: a day off red and bold, a working day neither.
words = re.findall(r'xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<',
                   tool("pdftotext", "-bbox", pdf, "-"))
subprocess.run(["pdftoppm", "-r", "100", "-singlefile", pdf, pdf[:-4]], check=True)
_, size, _, pixels = open(pdf[:-4] + ".ppm", "rb").read().split(b"\n", 3)
width = int(size.split()[0])


def day(month, number):
    # The (red, inked) pixels of day `number` of the month named `month`.
    left, top = next(map(float, w[:2]) for w in words if w[4] == month)
    box = next([round(float(v) * 100 / 72) for v in w[:4]] for w in words
               if w[4] == number and left - 4 <= float(w[0]) < left + 170 and top < float(w[1]) < top + 110)
    seen = [pixels[3 * (y * width + x):3 * (y * width + x) + 3]
            for y in range(box[1], box[3] + 1) for x in range(box[0], box[2] + 1)]
    return sum(r > 150 and g < 110 and b < 120 for r, g, b in seen), sum(min(p) < 200 for p in seen)


republic, worked, ambrogio, tuesday = day("Giugno", "2"), day("Giugno", "3"), day("Dicembre", "7"), day("Marzo", "2")
check(republic[0] > 5 and ambrogio[0] > 5, f"2 June {republic}, 7 December {ambrogio} not red")
check(worked[0] == 0 and worked[1] > 10, f"3 June {worked} red")
check(republic[1] > 1.25 * tuesday[1], f"2 June {republic} no bolder than 2 March {tuesday}")

# On a terminal nothing is written (a file written there would fill it and
# wait), and one line says how to redirect.
terminal, other = pty.openpty()
try:
    refused = run("--calendario", "2027", stdout=other, stderr=subprocess.PIPE, timeout=20)
except subprocess.TimeoutExpired as stopped:
    refused = stopped
os.close(other)
try:
    shown = os.read(terminal, 100)
except OSError:  # nothing was written: the terminal hung up
    shown = b""
check(getattr(refused, "returncode", None) == 2 and shown == b"" and refused.stderr.count(b"\n") == 1
      and b"fastorio --calendario 2027 > calendario-2027.pdf" in refused.stderr, f"terminal: {refused} {shown!r}")
sys.exit(print(f"{len(failures)} failed") or bool(failures))
