#!/bin/sh
# The channel monitor's CPU share, which the shared machine makes vary from
# run to run: bench_program run several times offscreen and under a fresh
# Xvfb each time, every figure listed, then the median of each.
#
#   bench/monitor-cpu.sh [runs=5] [seconds per sample=10] [bench_program path]
set -eu
runs=${1:-5}
seconds=${2:-10}
program=${3:-build/bench_program}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# No sys.ini beside the working directory: the program's defaults.
program=$(readlink -f "$program")
cd "$dir"

monitor() {
    "$@" "$program" "$seconds" 2>/dev/null | sed -n 's/^| CPU while connected, monitor live | \([0-9.]*\) %.*/\1/p'
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

i=0
while [ "$i" -lt "$runs" ]; do
    QT_QPA_PLATFORM=offscreen monitor env >>offscreen
    if command -v xvfb-run >/dev/null; then
        QT_QPA_PLATFORM=xcb monitor xvfb-run -a -s "-screen 0 1280x1024x24" >>xvfb
    fi
    i=$((i + 1))
done
echo "offscreen: $(tr '\n' ' ' <offscreen)% -> median $(median <offscreen) %"
[ -s xvfb ] && echo "Xvfb:      $(tr '\n' ' ' <xvfb)% -> median $(median <xvfb) %"
exit 0
