#!/usr/bin/env bash
# check-commandline.sh PROGRAM VERSION CASES: runs every case of CASES (its head
# says how they read) with no display reachable, where a program that built its
# application object would fail; then the checks no case can hold.
set -uo pipefail
shopt -s extglob

program=$1
version=$2
cases=$3
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=none-such
ulimit -c 0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { failures=$((failures + 1)) && echo "FAIL: $*"; }

while IFS= read -r line; do
    [[ $line =~ ^[[:space:]]*(#|$) ]] && continue
    IFS='|' read -r -a fields <<<"$line|" # the extra "|" keeps a last empty field
    fields=("${fields[@]##+([[:space:]])}") && fields=("${fields[@]%%+([[:space:]])}")
    fields=("${fields[@]//'\n'/$'\n'}") && fields=("${fields[@]//<blank>/ }")
    text=${fields[2]//@VERSION@/$version}
    [[ $text =~ @(.*)$ ]] && text=${text%@*}$(<"$(dirname "$cases")/${BASH_REMATCH[1]}")
    case ${fields[1]} in
    answer) status=0 out=$text$'\n' err= ;;
    refused) status=2 out= err="fastorio: $text"$'\n' ;;
    misused) status=2 out= err="fastorio: $text"$'\n''Usare "fastorio --help" per ulteriori informazioni.'$'\n' ;;
    failed) status=1 out= err="fastorio: $text"$'\n' ;;
    esac
    "$program" "${fields[@]:3}" </dev/null >"$scratch/out" 2>"$scratch/err"
    got=$?
    if [ "$got" != "$status" ] || ! cmp -s "$scratch/out" <(printf %s "$out") ||
        ! cmp -s "$scratch/err" <(printf %s "$err"); then
        fail "${fields[0]}: status $got (expected $status)"
        diff -u <(printf %s "$out") "$scratch/out" | sed '1,2d; s/^/  stdout /'
        diff -u <(printf %s "$err") "$scratch/err" | sed '1,2d; s/^/  stderr /'
    fi
done <"$cases"

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

# Past the display check, Qt's own messages reach standard error at once, not
# at exit: here the warning of a missing XDG_RUNTIME_DIR, while the window is open.
env -u XDG_RUNTIME_DIR QT_QPA_PLATFORM=offscreen "$program" 2>"$scratch/qt" >/dev/null &
for _ in {1..100}; do grep -q XDG_RUNTIME_DIR "$scratch/qt" && break || sleep 0.2; done
kill $! && wait $!
grep -q XDG_RUNTIME_DIR "$scratch/qt" || fail "Qt's messages held back: '$(<"$scratch/qt")'"

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
