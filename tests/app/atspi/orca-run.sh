#!/usr/bin/env bash
# orca-run.sh PROGRAM DAY STEPS: inside a private D-Bus session on an X
# display, starts Orca with its speech going nowhere, then PROGRAM on DAY, and
# types each step of the STEPS table, checking what Orca says to it in its
# own debug log. Whatever it starts ends with it.
set -euo pipefail
program=$1 day=$2 steps=$3

work=$(mktemp -d)
log=$work/orca.log
unset AT_SPI_BUS_ADDRESS
stop() {
    kill -KILL $(jobs -p) 2>/dev/null || true
    pkill -KILL -F "$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid" 2>/dev/null || true
}
trap 'stop; wait; rm -rf "$work"' EXIT

# Orca in Italian, in a home of its own: its settings, a locale made here,
# speech-dispatcher's dummy output, and a debug log of what it would say.
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/run
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_DATA_HOME/orca" "$work/locale"
localedef -i it_IT -f UTF-8 "$work/locale/it_IT.UTF-8"
export LOCPATH=$work/locale LANG=it_IT.UTF-8 LANGUAGE=it LC_ALL=it_IT.UTF-8
printf 'AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n' >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
cat >"$XDG_DATA_HOME/orca/orca-customizations.py" <<PY
import orca.debug, orca.settings
orca.debug.debugLevel = orca.debug.LEVEL_INFO
orca.debug.debugFile = open("$log", "w", buffering=1)
orca.settings.enableKeyEcho = False
PY

# Until Orca's log has not grown for a second and a half (two minutes at most).
quiet() {
    local size=-1 now deadline=$((SECONDS + 120))
    while now=$(stat -c %s "$log" 2>/dev/null || echo 0); [ "$now" != "$size" ] && ((SECONDS < deadline)); do
        size=$now
        sleep 1.5
    done
}

# Orca now and then hears nothing of a program started right after it: then
# both start again, once.
start() {
    stop
    rm -f "$log"
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    orca --replace >"$work/orca.out" 2>&1 &
    until grep -qa "SPEECH OUTPUT" "$log" 2>/dev/null; do sleep 0.5; done
    quiet
    "$program" "$day" >"$work/program.out" 2>&1 &
    quiet
    grep -qa "SPEECH OUTPUT: 'Fastorio" "$log"
}
start || start || { echo "Orca heard nothing of the program" >&2; exit 1; }

# What Orca said since line $1 of its log, one utterance after another, " ~ " between them.
heard() {
    tail -n +"$1" "$log" | awk '/SPEECH OUTPUT: \x27/ { sub(/.*SPEECH OUTPUT: \x27/, ""); on = 1 }
        on { done = sub(/\x27\[?\{.*/, ""); printf "%s%s", $0, (done ? " ~ " : " "); if (done) on = 0 }'
}

today=$(date +"%A %-d %B %Y")
failed=0
mark=1
while IFS='|' read -r name keys said unsaid; do
    [[ $name =~ ^[[:space:]]*(#|$) ]] && continue
    read -r keys <<<"$keys"
    if [ "$keys" != - ]; then
        mark=$(($(wc -l <"$log") + 1))
        case $keys in
        type:*) xdotool type --delay 150 "${keys#type:}" ;;
        *) xdotool key --delay 150 $keys ;;
        esac
        quiet
    fi
    speech=$(heard "$mark")
    rest=$speech
    IFS=';' read -ra phrases <<<"${said//TODAY/$today}"
    for phrase in "${phrases[@]}"; do
        read -r phrase <<<"$phrase"
        if [ "$phrase" = - ]; then
            continue
        elif [[ $phrase == ^* ]] && [[ $speech != "${phrase#^}"* ]]; then
            echo "FAIL $name: not first: '${phrase#^}'" >&2 && failed=1
        elif [[ $rest != *"${phrase#^}"* ]]; then
            echo "FAIL $name: not heard, or out of order: '${phrase#^}'" >&2 && failed=1
        else
            rest=${rest#*"${phrase#^}"}
        fi
    done
    IFS=';' read -ra phrases <<<"$unsaid"
    for phrase in "${phrases[@]}"; do
        read -r phrase <<<"$phrase"
        [[ $phrase != - && $speech == *"$phrase"* ]] && echo "FAIL $name: heard '$phrase'" >&2 && failed=1
    done
    echo "$name: $speech"
done <"$steps"
exit $failed
