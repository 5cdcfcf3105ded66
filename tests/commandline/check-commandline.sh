#!/usr/bin/env bash
# check-commandline.sh PROGRAM: what only the program itself can show (the
# answers are tst_commandline's), with no display reachable, where a program
# that built its application object would fail.
set -uo pipefail

program=$1
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=none-such
ulimit -c 0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { failures=$((failures + 1)) && echo "FAIL: $*"; }

# A refusal on standard error alone, with status 2 (an answer's 0 is check-ics.py's).
[ "$("$program" --pasqua 1899 2>&1 >/dev/null; echo $?)" = "fastorio: Attenzione: l'anno inserito non è valido."$'\n'2 ] || fail "refusal"

# What the machine fails at, where a case cannot say it: an answer that cannot
# be written, a window with no X display to open on. One Italian line, status 1.
failed() { # LINE REDIRECTION ARGUMENT...
    err=$(eval '"$program" "${@:3}" 2>&1 '"$2")
    status=$?
    [ "$status" = 1 ] && [ "$err" = "fastorio: $1" ] || fail "fastorio ${*:3} $2: status $status, '$err'"
}
failed "impossibile scrivere la risposta" '>/dev/full' --pasqua 2010
failed "impossibile scrivere la risposta" '>/dev/full' --calendario 2027
failed "impossibile scrivere la risposta" '>&-' --help
QT_QPA_PLATFORM= failed "impossibile aprire la finestra: nessuno schermo raggiungibile" ''

# Past the display check, Qt's own messages reach standard error at once, not
# at exit: here what its plugin loader logs while building the application
# object, seen while the window is open.
QT_DEBUG_PLUGINS=1 QT_QPA_PLATFORM=offscreen "$program" 2>"$scratch/qt" >/dev/null &
for _ in {1..100}; do grep -q factoryloader "$scratch/qt" && break || sleep 0.2; done
kill $! && wait $!
grep -q factoryloader "$scratch/qt" || fail "Qt's messages held back: '$(head -c 300 "$scratch/qt")'"

# The terminal's encoding: Latin-1 reads Latin-1; what KOI8-R lacks becomes "?"
# and the rest follows; the C locale names no encoding and gets UTF-8; an
# iCalendar file stays UTF-8. The status counts: a leak report ends in another.
localedef -i it_IT -f ISO-8859-1 "$scratch/it_IT.ISO-8859-1" 2>/dev/null
localedef -i ru_RU -f KOI8-R "$scratch/ru_RU.KOI8-R" 2>/dev/null
in_locale() { # LOCALE ARGUMENT...: the answer in $got
    got=$(LOCPATH=$scratch LC_ALL=$1 "$program" "${@:2}")
    status=$?
    [ "$status" = 0 ] || fail "$1 fastorio ${*:2}: status $status"
}
utf8=$("$program" --festivita 2010)
in_locale it_IT.ISO-8859-1 --festivita 2010
[ "$got" = "$(iconv -f UTF-8 -t ISO-8859-1 <<<"$utf8")" ] || fail "Latin-1 '${got%%$'\n'*}'"
in_locale ru_RU.KOI8-R --festivita 2010
[ "$got" = "$(LC_ALL=C.UTF-8 sed 's/[^ -~]/?/g' <<<"$utf8")" ] || fail "KOI8-R '${got##*$'\n'}'"
in_locale C --festivita 2010
[ "$got" = "$utf8" ] || fail "C '${got%%$'\n'*}'"
in_locale it_IT.ISO-8859-1 --festivita 2010 --ics
grep -aqx $'SUMMARY:Luned\xc3\xac dell\'Angelo\r' <<<"$got" || fail "iCalendar on Latin-1"

echo "$failures failed"
[ "$failures" -eq 0 ]
