#!/usr/bin/env bash
# check-commandline.sh PROGRAM VERSION CASES: runs every case of CASES (its head
# says how they read) with no display reachable, where a program that built its
# application object would abort; then the two checks no case can hold.
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
checks=0
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
    esac
    checks=$((checks + 1))
    "$program" "${fields[@]:3}" </dev/null >"$scratch/out" 2>"$scratch/err"
    got=$?
    if [ "$got" != "$status" ] || ! cmp -s "$scratch/out" <(printf %s "$out") ||
        ! cmp -s "$scratch/err" <(printf %s "$err"); then
        fail "${fields[0]}: status $got (expected $status)"
        diff -u <(printf %s "$out") "$scratch/out" | sed '1,2d; s/^/  stdout /'
        diff -u <(printf %s "$err") "$scratch/err" | sed '1,2d; s/^/  stderr /'
    fi
done <"$cases"

# An answer that cannot be written is a failure.
checks=$((checks + 2))
"$program" --pasqua 2010 >/dev/full 2>/dev/null && fail "/dev/full accepted"
# A named day goes on to the window, which Qt cannot open here.
{ "$program" 31/05/2010 >/dev/null 2>"$scratch/err"; } 2>/dev/null
status=$?
if [ "$status" -eq 0 ] || [ "$status" -eq 2 ] || ! grep -q none-such "$scratch/err"; then
    fail "a named day did not try to open the window (status $status)"
fi

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
