#!/usr/bin/env bash
# check-commandline.sh PROGRAM VERSION: every option with good and bad input.
# An answer is exactly the expected standard output, with an empty standard
# error and status 0; a refusal is exactly the expected standard error, with
# nothing on standard output and status 2. No display can be reached: a
# program that built its application object would fail instead.
set -uo pipefail

program=$1
version=$2
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=none-such
ulimit -c 0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
checks=0

# check STATUS STDOUT STDERR ARGUMENT...: STDOUT and STDERR as printed, line
# feeds included.
check()
{
    local status=$1 out=$2 err=$3
    shift 3
    checks=$((checks + 1))
    "$program" "$@" >"$scratch/out" 2>"$scratch/err"
    local got=$?
    if [ "$got" != "$status" ] || ! cmp -s "$scratch/out" <(printf %s "$out") ||
        ! cmp -s "$scratch/err" <(printf %s "$err"); then
        failures=$((failures + 1))
        printf 'FAIL: fastorio%s\n  status %s (expected %s)\n' "$(printf ' [%s]' "$@")" "$got" "$status"
        diff -u <(printf %s "$out") "$scratch/out" | sed '1,2d; s/^/  stdout /'
        diff -u <(printf %s "$err") "$scratch/err" | sed '1,2d; s/^/  stderr /'
    fi
}
answer() { check 0 "$1"$'\n' "" "${@:2}"; }
refused() { check 2 "" "fastorio: $1"$'\n' "${@:2}"; }
misused() { refused "$1"$'\n''Usare "fastorio --help" per ulteriori informazioni.' "${@:2}"; }

bad_date="Attenzione: la data inserita non è valida."
bad_year="Attenzione: l'anno inserito non è valido."

answer 04/04/2010 --pasqua 2010
answer 04/04/2010 --pasqua=" +2010 "
answer 08/04/2012 --pasqua 2011.5
answer 15/04/1900 --pasqua 1900
answer 28/03/2100 --pasqua 2100
answer "$(cat <<'LIST'
01 Gennaio (Capodanno): Venerdì
06 Gennaio (Epifania di nostro Signore): Mercoledì
16 Febbraio (Carnevale): Martedì
04 Aprile (Pasqua di nostro Signore): Domenica
05 Aprile (Lunedì dell'Angelo): Lunedì
25 Aprile (Anniversario della liberazione): Domenica
01 Maggio (Festa del lavoro): Sabato
02 Giugno (Festa della Repubblica): Mercoledì
15 Agosto (Assunzione di Maria Vergine): Domenica
01 Novembre (Tutti i Santi): Lunedì
08 Dicembre (Immacolata concezione): Mercoledì
25 Dicembre (Natale di nostro Signore): Sabato
26 Dicembre (Santo Stefano): Domenica
LIST
)" --festivita 2010
answer "Trimestre: 2 Settimana: 22 Giorno dell'anno: 151" --info 31/05/2010
answer "Trimestre: 2 Settimana: 22 Giorno dell'anno: 151" --info " 31/5/10 "
answer "Trimestre: 1 Settimana: 53 Giorno dell'anno: 1" --info=01/01/2010
answer "Trimestre: 4 Settimana: 1 Giorno dell'anno: 366" --info 31/12/2024
answer "Tra il 01/03/2010 ed il 31/03/2010 ci sono 30 giorni" --differenza 01/03/2010 31/03/2010
answer "Tra il 31/03/2010 ed il 01/03/2010 ci sono 30 giorni" 31/03/2010 --differenza 1/3/10
answer "Tra il 28/02/2012 ed il 29/02/2012 c'è 1 giorno" --differenza 28/02/2012 29/02/2012

refused "$bad_date" 32/01/2010
refused "$bad_date" ""
refused "$bad_date" --info 29/02/2010
refused "$bad_date" --differenza 01/03/2010 31-03-2010
refused "$bad_date" --differenza xx 01/03/2010
refused "$bad_year" --pasqua 1899
refused "$bad_year" --festivita 2101
refused "$bad_year" --festivita -2010
# Where the window's prompt ends without a word, the command line still says why.
refused "$bad_year" --pasqua duemila
refused "$bad_year" --pasqua=

misused 'opzione "--pasqua2010" non riconosciuta' --pasqua2010
misused 'opzione "-h" non riconosciuta' --pasqua -2010 -h
misused "l'opzione \"--festivita\" richiede un argomento" --festivita
misused "l'opzione \"--version\" non accetta argomenti" --version=2
misused 'le opzioni "--pasqua" e "--info" si escludono a vicenda' --info 31/05/2010 --pasqua 2010
misused "l'opzione \"--differenza\" richiede DATA1 DATA2" --differenza 01/03/2010
misused 'operando in eccesso "2010"' --pasqua 2010 2010
misused 'operando in eccesso "02/03/2010"' 01/03/2010 02/03/2010

# --help and --version: whole texts are theirs to word; what they must say is checked.
checks=$((checks + 1))
help=$("$program" --help 2>"$scratch/err")
status=$?
missing=()
for option in pasqua=ANNO festivita=ANNO info=DATA "differenza DATA1 DATA2" help version; do
    grep -q "^  --$option  " <<<"$help" || missing+=("--$option")
done
for code in 0 1 2; do
    grep -q "^  $code  " <<<"$help" || missing+=("status $code")
done
if [ "$status" -ne 0 ] || [ -s "$scratch/err" ] || [ "$(head -n 1 <<<"$help")" != "Uso: fastorio [DATA]" ] ||
    [ ${#missing[@]} -ne 0 ]; then
    failures=$((failures + 1))
    echo "FAIL: --help (status $status, not listed: ${missing[*]})"
fi
checks=$((checks + 1))
first=$("$program" --version 2>"$scratch/err" | head -n 1) && [ ! -s "$scratch/err" ] &&
    [ "$first" = "fastorio (Fastorio) $version" ] || { failures=$((failures + 1)); echo "FAIL: --version says '$first'"; }

# What the machine fails at: an answer that cannot be written, a window with
# no screen to open on. One Italian line, status 1.
failed() # LINE REDIRECTION ARGUMENT...
{
    checks=$((checks + 1))
    local err status
    err=$(eval '"$program" "${@:3}" 2>&1 '"$2")
    status=$?
    [ "$status" = 1 ] && [ "$err" = "fastorio: $1" ] ||
        { failures=$((failures + 1)); echo "FAIL: fastorio ${*:3} $2: status $status, '$err'"; }
}
failed "impossibile scrivere la risposta" '>/dev/full' --pasqua 2010
failed "impossibile scrivere la risposta" '>&-' --help
no_display="impossibile aprire la finestra: nessuno schermo raggiungibile"
QT_QPA_PLATFORM= failed "$no_display" ''
failed "$no_display" '' 31/05/2010

# A Latin-1 terminal reads Latin-1.
checks=$((checks + 1))
localedef -i it_IT -f ISO-8859-1 "$scratch/it_IT.ISO-8859-1" 2>/dev/null
got=$(LOCPATH=$scratch LC_ALL=it_IT.ISO-8859-1 "$program" --festivita 2010 | head -n 1)
[ "$got" = $'01 Gennaio (Capodanno): Venerd\xec' ] || { failures=$((failures + 1)); echo "FAIL: Latin-1 '$got'"; }

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
