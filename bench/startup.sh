#!/usr/bin/env bash
# Start-up time, processor time and peak memory of Fastorio next to a bare
# QCalendarWidget program, measured from outside both by firstpaint under the
# tests' private Xvfb with openbox. The programs are started in turn, RUNS
# times each, after one discarded warm-up start each.
#
# usage: bench/startup.sh [-n RUNS] [-b BUILD_DIR] [LABEL=PROGRAM ...]
#   -n RUNS       starts per program (default 20)
#   -b BUILD_DIR  build tree configured with -DFASTORIO_BENCH=ON (default build/bench)
#   LABEL=PROGRAM programs to compare instead of the default pair; the first
#                 one is the reference the ratios are taken against.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
# On the tests' own Xvfb with openbox, in a session bus of its own.
[ -n "${FASTORIO_BENCH_SESSION:-}" ] ||
    FASTORIO_BENCH_SESSION=1 exec bash "$repo/tests/support/with-xvfb.sh" dbus-run-session -- bash "$0" "$@"
runs=20
build_dir=build/bench
while getopts "n:b:h" option; do
    case $option in
    n) runs=$OPTARG ;;
    b) build_dir=$OPTARG ;;
    *)
        sed -n '2,11p' "$0" | sed 's/^# \{0,1\}//'
        exit 2
        ;;
    esac
done
shift $((OPTIND - 1))
case $build_dir in /*) ;; *) build_dir=$repo/$build_dir ;; esac

labels=()
programs=()
if [ $# -eq 0 ]; then
    set -- "QCalendarWidget=$build_dir/bench/baseline/fastorio_baseline" "Fastorio=$build_dir/src/app/fastorio"
fi
for pair in "$@"; do
    labels+=("${pair%%=*}")
    programs+=("${pair#*=}")
done

firstpaint=$build_dir/bench/firstpaint/firstpaint
for tool in "$firstpaint" "${programs[@]}"; do
    [ -x "$tool" ] || { echo "startup.sh: $tool is missing; build it first (bench/run does)" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The programs see a plain desktop session: no test platform, a private
# runtime dir and the session bus. Without a bus address Qt's D-Bus thread
# forks to autolaunch one on every start, which no desktop does.
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

measure() {
    "$firstpaint" -- "$1" 2>>"$work/programs.log"
}
failures=0

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
for program in "${programs[@]}"; do
    measure "$program" >/dev/null || { cat "$work/programs.log" >&2; exit 1; }
done

# One line per start: label, map ms, first paint ms, last paint ms, VmHWM KiB, CPU ms.
results=$work/results.tsv
touch "$results"
for run in $(seq "$runs"); do
    for index in "${!programs[@]}"; do
        if figures=$(measure "${programs[$index]}"); then
            printf '%s\t%s\n' "${labels[$index]}" "${figures// /$'\t'}" >>"$results"
        else
            failures=$((failures + 1))
        fi
    done
    if [ -t 2 ]; then printf '\rrun %d/%d' "$run" "$runs" >&2; fi
done
if [ -t 2 ]; then printf '\n' >&2; fi

# column of results.tsv for one label, sorted numerically
values() {
    awk -F'\t' -v label="$1" -v column="$2" '$1 == label { print $column }' "$results" | sort -g
}
median() {
    awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# The sources BUILD_DIR was configured from; "-dirty" when they differ from their commit.
source_dir=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build_dir/CMakeCache.txt" 2>/dev/null || true)
commit=$(git -C "${source_dir:-$repo}" describe --always --dirty 2>/dev/null || echo "unknown")
echo "Start-up under Xvfb + openbox: $runs starts each, sources $commit, $(nproc) cores," \
    "Debian $(cat /etc/debian_version 2>/dev/null || echo '?')"
echo "Load average before the runs: $load_before; after: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-18s %6s %9s %9s %9s %11s %8s %13s\n' \
    program starts "map ms" "paint ms" "paint min" "settled ms" "CPU ms" "peak RSS MiB"
declare -A paint rss settled cpu
for label in "${labels[@]}"; do
    count=$(values "$label" 3 | wc -l)
    if [ "$count" -eq 0 ]; then
        printf '%-18s %6d  (no start measured)\n' "$label" 0
        continue
    fi
    map=$(values "$label" 2 | median)
    paint[$label]=$(values "$label" 3 | median)
    paint_min=$(values "$label" 3 | head -n1)
    settled[$label]=$(values "$label" 4 | median)
    rss[$label]=$(values "$label" 5 | median | awk '{ print $1 / 1024 }')
    cpu[$label]=$(values "$label" 6 | median)
    printf '%-18s %6d %9.1f %9.1f %9.1f %11.1f %8.1f %13.1f\n' "$label" "$count" "$map" "${paint[$label]}" \
        "$paint_min" "${settled[$label]}" "${cpu[$label]}" "${rss[$label]}"
done

reference=${labels[0]}
for label in "${labels[@]:1}"; do
    [ -n "${paint[$label]:-}" ] && [ -n "${paint[$reference]:-}" ] || continue
    awk -v who="$label" -v ref="$reference" -v p="${paint[$label]}" -v p0="${paint[$reference]}" \
        -v s="${settled[$label]}" -v s0="${settled[$reference]}" -v r="${rss[$label]}" -v r0="${rss[$reference]}" \
        -v c="${cpu[$label]}" -v c0="${cpu[$reference]}" '
        function verdict(x, target) { return x <= target ? "within" : "OVER" }
        BEGIN {
            printf "%s / %s: paint x%.3f, settled x%.3f, CPU x%.3f, peak RSS x%.3f", \
                who, ref, p / p0, s / s0, c / c0, r / r0
            printf "  (targets: paint and CPU x1.05 %s, %s; RSS x1.10 %s)\n", \
                verdict(p / p0, 1.05), verdict(c / c0, 1.05), verdict(r / r0, 1.10)
        }'
done

if [ -n "${BENCH_RAW:-}" ]; then
    cp "$results" "$BENCH_RAW"
fi
if [ "$failures" -gt 0 ]; then
    echo "$failures starts failed and are left out:" >&2
    grep '^firstpaint:' "$work/programs.log" | sort | uniq -c >&2
fi
for label in "${labels[@]}"; do
    [ -n "${paint[$label]:-}" ] || exit 1
done
