#!/usr/bin/env bash
# CPU of Lumadisc while nothing plays: open with no disc, and with the sample disc's title
# paused. CPU is the scheduler's run time of the process's threads (nanoseconds) and
# utime + stime from /proc/PID/stat (1/CLK_TCK steps), over the window.
#   bench/idle.sh BUILD_DIR [SECONDS] [RUNS]   (default 60 s, 3 runs)
source "$(dirname "$0")/lib.sh"
window_s=${2:-60}
runs=${3:-3}
start_display

# Prints "SCHED_CPU_PERCENT STAT_CPU_PERCENT" of process $1 over the window.
measure() {
    local pid=$1 stat0 stat1 ns0 ns1 t0 t1
    t0=$(now_s) stat0=$(cpu_stat_s "$pid") ns0=$(cpu_ns "$pid")
    sleep "$window_s"
    t1=$(now_s) stat1=$(cpu_stat_s "$pid") ns1=$(cpu_ns "$pid")
    awk -v s0="$stat0" -v s1="$stat1" -v n0="$ns0" -v n1="$ns1" -v t0="$t0" -v t1="$t1" \
        'BEGIN { printf "%.3f %.3f\n", 100 * (n1 - n0) / 1e9 / (t1 - t0), 100 * (s1 - s0) / (t1 - t0) }'
}

no_disc() {
    local out="$BENCH_DIR/idle.out" pid result
    "$CLOCK" -- "$APP/lumadisc" >"$out" 2>&1 || { cat "$out" >&2; return 1; }
    pid=$(awk '/^pid / { print $2 }' "$out")
    BENCH_PIDS+=("$pid")
    sleep 3
    result=$(measure "$pid")
    stop_process "$pid"
    echo "$result"
}

paused() {
    local out="$BENCH_DIR/paused.out" pid result
    "$CLOCK" --picture -- "$APP/lumadisc" "$DISC" >"$out" 2>&1 || { cat "$out" >&2; return 1; }
    pid=$(awk '/^pid / { print $2 }' "$out")
    BENCH_PIDS+=("$pid")
    sleep 1.5
    BAR=""
    press_bar enter # the title plays
    sleep 3
    press_bar pause
    sleep 1
    result=$(measure "$pid")
    stop_process "$pid"
    echo "$result"
}

"$CLOCK" -- "$APP/lumadisc" >"$BENCH_DIR/first.out" 2>&1 # writes the settings file
stop_process "$(awk '/^pid / { print $2 }' "$BENCH_DIR/first.out")"
idle=() pause=()
for run in $(seq "$runs"); do
    idle+=("$(no_disc)")
    pause+=("$(paused)")
    echo "run $run (${window_s} s): no disc ${idle[-1]}, paused ${pause[-1]} (% of a core: sched stat), load $(load_now)"
done
echo "median no disc: $(printf '%s\n' "${idle[@]}" | awk '{print $1}' | median)% (sched)," \
    "$(printf '%s\n' "${idle[@]}" | awk '{print $2}' | median)% (stat)"
echo "median paused: $(printf '%s\n' "${pause[@]}" | awk '{print $1}' | median)% (sched)," \
    "$(printf '%s\n' "${pause[@]}" | awk '{print $2}' | median)% (stat)"
