# Shared set-up of the whole-program benchmarks: the real program in a session of its own, as
# the end-to-end tests run it (tests/e2e/session.sh). Source it with the build folder as $1.
set -euo pipefail
BUILD=$(cd "${1:?usage: $0 BUILD_DIR [...]}" && pwd)
SESSION_NAME=bench SESSION_APP_SOURCE="$BUILD/app"
source "$(dirname "${BASH_SOURCE[0]}")/../tests/e2e/session.sh"
BENCH_DIR=$SESSION_DIR
declare -n BENCH_PIDS=SESSION_PIDS
DISC="$BUILD/sample-disc/lumadisc-sample.iso"
CLOCK="$BUILD/bench/window_clock"
BARE="$BUILD/bench/bare_libvlc"
for needed in "$BUILD/app/lumadisc" "$CLOCK" "$BARE" "$DISC"; do
    [[ -e $needed ]] || { echo "$needed is missing: build the tree first" >&2; exit 1; }
done
CLK_TCK=$(getconf CLK_TCK)

# Ends a process this script started and waits for it.
stop_process() {
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# CPU time of a process in nanoseconds: the scheduler's run time summed over its live threads
# (nanosecond resolution, where utime + stime counts in 1/CLK_TCK steps).
cpu_ns() {
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ sum += $1 } END { printf "%d\n", sum }'
}

# utime + stime of a process in seconds (whole process, finished threads included).
cpu_stat_s() {
    awk -v tck="$CLK_TCK" '{ print ($14 + $15) / tck }' /proc/"$1"/stat
}

# Resident memory of a process in MB.
rss_mb() {
    awk '/^VmRSS/ { printf "%.1f\n", $2 / 1024 }' /proc/"$1"/status
}

# The 1-minute load average.
load_now() {
    cut -d' ' -f1 /proc/loadavg
}

now_s() {
    date +%s.%N
}

# The median of the numbers on standard input.
median() {
    sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2];
        else printf "%.4g\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
