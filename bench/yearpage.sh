#!/usr/bin/env bash
# The time to write a year's PDF page (--calendario) beside the time to print
# the same year's holidays (--festivita), each a whole run of the program from
# outside, with no display, RUNS times each after a discarded warm-up run.
#
# usage: bench/yearpage.sh [-n RUNS] [-b BUILD_DIR] [YEAR]   (defaults: 20, build/bench, 2027)
set -euo pipefail

runs=20
build_dir=build/bench
while getopts "n:b:h" option; do
    case $option in
    n) runs=$OPTARG ;;
    b) build_dir=$OPTARG ;;
    *)
        sed -n '6p' "$0" | sed 's/^# //'
        exit 2
        ;;
    esac
done
shift $((OPTIND - 1))
year=${1:-2027}
program=$build_dir/src/app/fastorio
unset DISPLAY WAYLAND_DISPLAY

# median ARGUMENT...: the median wall time of RUNS runs, in milliseconds.
median() {
    "$program" "$@" >/dev/null
    for ((run = 0; run < runs; run++)); do
        start=$(date +%s%N)
        "$program" "$@" >/dev/null
        echo $((($(date +%s%N) - start) / 1000))
    done | sort -n | awk '{ t[NR] = $1 } END { printf "%.1f", t[int((NR + 1) / 2)] / 1000 }'
}

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
page=$(median --calendario "$year" --comune Milano)
list=$(median --festivita "$year" --comune Milano)
printf '%-40s %8s ms  %s\n' "--calendario $year --comune Milano" "$page" \
    "$(awk -v t="$page" 'BEGIN { print (t < 100 ? "within 100 ms" : "OVER 100 ms") }')"
printf '%-40s %8s ms\n' "--festivita $year --comune Milano" "$list"
