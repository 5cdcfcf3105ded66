#!/usr/bin/env bash
# orca-run.sh PROGRAM DAY STEPS: inside a private D-Bus session on an X
# display, starts Orca with its speech going nowhere, then PROGRAM on DAY, and
# types each step of the STEPS table, checking what Orca says to it in its
# own debug log. Whatever it starts ends with it.
set -euo pipefail
program=$1 day=$2 steps=$3
work=$(mktemp -d) && log=$work/orca.log
unset AT_SPI_BUS_ADDRESS
stop() { kill -KILL $(jobs -p) "$(cat "$XDG_RUNTIME_DIR"/speech-dispatcher/pid/* 2>/dev/null)" 2>/dev/null || true; }
trap 'stop; wait; rm -rf "$work"' EXIT

# Orca in Italian, in a home of its own: a locale made here, speech-dispatcher's
# dummy output, no key echo, and a debug log of every utterance.
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/run
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_DATA_HOME/orca" "$work/locale"
localedef -i it_IT -f UTF-8 "$work/locale/it_IT.UTF-8"
export LOCPATH=$work/locale LANG=it_IT.UTF-8 LANGUAGE=it LC_ALL=it_IT.UTF-8
printf 'AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n' >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
printf 'import orca.debug as d, orca.settings as s\nd.debugLevel = d.LEVEL_INFO\ns.enableKeyEcho = False
d.debugFile = open("%s", "w", buffering=1)\n' "$log" >"$XDG_DATA_HOME/orca/orca-customizations.py"

# Until Orca's log has not grown for a second and a half (two minutes at most).
quiet() {
    local size=-1 deadline=$((SECONDS + 120))
    while [ "$(stat -c %s "$log")" != "$size" ] && ((SECONDS < deadline)); do size=$(stat -c %s "$log") && sleep 1.5; done
}

# Orca now and then hears nothing of a program started right after it: then
# both start again, once.
start() {
    stop && rm -f "$log"
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    orca --replace >"$work/orca.out" 2>&1 &
    until grep -qa "SPEECH OUTPUT" "$log" 2>/dev/null; do sleep 0.5; done
    quiet
    "$program" "$day" >"$work/program.out" 2>&1 &
    quiet
    grep -qa "SPEECH OUTPUT: 'Fastorio" "$log"
}
start || start || { echo "Orca heard nothing of the program" >&2 && exit 1; }

# Each step's keys, then what Orca said since, its utterances joined by " ~ ",
# held to the step's patterns.
# A step named "Orca N: ..." is Orca N's alone (Debian 12 has 43, Debian 13 48).
failed=0 mark=1 today=$(date +"%A %-d %B %Y") orca=$(orca --version | grep -o '[0-9]\+' | head -n 1)
while IFS='|' read -r name keys said unsaid; do
    [[ $name =~ ^[[:space:]]*(#|$) ]] && continue
    [[ $name =~ ^Orca\ ([0-9]+): && ${BASH_REMATCH[1]} != "$orca" ]] && continue
    read -r keys <<<"$keys" && read -r said <<<"${said//TODAY/$today}" && read -r unsaid <<<"$unsaid"
    if [ "$keys" != - ]; then
        mark=$(($(wc -l <"$log") + 1))
        case $keys in type:*) xdotool type --delay 150 "${keys#type:}" ;; *) xdotool key --delay 150 $keys ;; esac
        quiet
    fi
    speech=$(tail -n +"$mark" "$log" | awk '/SPEECH OUTPUT: \x27/ { sub(/.*SPEECH OUTPUT: \x27/, ""); on = 1 }
        on { done = sub(/\x27 ?\[?\{.*/, ""); printf "%s%s", $0, (done ? " ~ " : " "); if (done) on = 0 }')
    speech=${speech% ~ }
    if [[ $speech != $said || ($unsaid != - && $speech == $unsaid) ]]; then
        echo "FAIL $name: heard '$speech'; wanted $said, never $unsaid" >&2 && failed=1
    fi
    echo "$name: $speech"
done <"$steps"
exit $failed
