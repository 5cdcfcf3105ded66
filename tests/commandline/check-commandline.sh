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
failed "impossibile scrivere la risposta" '>&-' --help
QT_QPA_PLATFORM= failed "impossibile aprire la finestra: nessuno schermo raggiungibile" ''

# A Latin-1 terminal reads Latin-1; an iCalendar file stays UTF-8 there.
localedef -i it_IT -f ISO-8859-1 "$scratch/it_IT.ISO-8859-1" 2>/dev/null
latin1() { LOCPATH=$scratch LC_ALL=it_IT.ISO-8859-1 "$program" "$@"; }
got=$(latin1 --festivita 2010 | head -n 1)
[ "$got" = $'01 Gennaio (Capodanno): Venerd\xec' ] || fail "Latin-1 '$got'"
got=$(latin1 --festivita 2010 --ics | grep -a '^SUMMARY:Luned')
[ "$got" = $'SUMMARY:Luned\xc3\xac dell\'Angelo\r' ] || fail "iCalendar on Latin-1 '$got'"

echo "$failures failed"
[ "$failures" -eq 0 ]
