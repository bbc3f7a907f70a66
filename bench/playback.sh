#!/usr/bin/env bash
# CPU and resident memory while the sample disc's title plays: Lumadisc against bare_libvlc (the
# engine alone, same libvlc arguments, same video output in a window of the stage's size), in
# alternating pairs on the same display.
#   bench/playback.sh BUILD_DIR [PAIRS] [x11|gl] [SCREENSHOT_DIR]
# BENCH_THREADS=1 adds each thread's CPU and wake-ups (voluntary context switches) a second.
# x11 (default): the "no overlay" setting, plain X11 output (--gl=none --gles2=none) and software
# decoding; gl: the default setting, libvlc's OpenGL output (Mesa under Xvfb).
# Each program plays the menu, gets "activate" (Lumadisc: the control bar's enter button), and
# is measured from 0.5 s to 19.5 s of the 20 s title: CPU as utime + stime from /proc/PID/stat
# and as the scheduler's run time of its threads, RSS at the end of the window.
source "$(dirname "$0")/lib.sh"
pairs=${2:-5}
output=${3:-x11}
shots=${4:-}
window_s=19
start_display

bare_arguments=(--aout=dummy --no-disable-screensaver)
overlay=1
if [[ $output == x11 ]]; then
    bare_arguments+=(--gl=none --gles2=none :avcodec-hw=none)
    overlay=0
fi

# The settings file of a first start, with the overlay setting of this run.
"$CLOCK" -- "$APP/lumadisc" >"$BENCH_DIR/first.out" 2>&1
pid=$(awk '/^pid / { print $2 }' "$BENCH_DIR/first.out")
sleep 1
stop_process "$pid"
sed -i "3s/[01]/$overlay/" "$APP/Config.cfg"

# One line per thread of process $1: id, name, run time (ns), voluntary context switches.
threads_of() {
    local task
    for task in /proc/"$1"/task/*; do
        echo "${task##*/} $(tr ' ' _ <"$task"/comm) $(cut -d' ' -f1 "$task"/schedstat)" \
            "$(awk '/^voluntary_ctxt_switches/ { print $2 }' "$task"/status)"
    done 2>/dev/null
}

# With BENCH_THREADS=1, each thread's share of a core and wake-ups a second over the window,
# on standard error (threads alive at both ends only).
thread_report() {
    awk -v s="$3" 'NR == FNR { ns[$1] = $3; wakes[$1] = $4; next }
        ($1 in ns) { printf "  thread %-8s %-16s %6.3f %%  %6.1f wake-ups/s\n", $1, $2,
                     100 * ($3 - ns[$1]) / 1e9 / s, ($4 - wakes[$1]) / s }' "$1" "$2" >&2
}

# Prints "CPU_PERCENT SCHED_CPU_PERCENT RSS_MB" of process $1 over the measuring window.
measure() {
    local pid=$1 stat0 stat1 ns0 ns1 t0 t1
    sleep 0.5
    [[ -n ${BENCH_THREADS:-} ]] && threads_of "$pid" >"$BENCH_DIR/threads0"
    t0=$(now_s) stat0=$(cpu_stat_s "$pid") ns0=$(cpu_ns "$pid")
    sleep "$window_s"
    t1=$(now_s) stat1=$(cpu_stat_s "$pid") ns1=$(cpu_ns "$pid")
    if [[ -n ${BENCH_THREADS:-} ]]; then
        threads_of "$pid" >"$BENCH_DIR/threads1"
        echo "$(tr '\0' ' ' <"/proc/$pid/cmdline" | cut -c1-60):" >&2
        thread_report "$BENCH_DIR/threads0" "$BENCH_DIR/threads1" \
            "$(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }')"
    fi
    awk -v s0="$stat0" -v s1="$stat1" -v n0="$ns0" -v n1="$ns1" -v t0="$t0" -v t1="$t1" \
        -v rss="$(rss_mb "$pid")" \
        'BEGIN { printf "%.2f %.2f %s\n", 100 * (s1 - s0) / (t1 - t0), 100 * (n1 - n0) / 1e9 / (t1 - t0), rss }'
}

bare_run() {
    local out="$BENCH_DIR/bare.out" pid result
    "$BARE" "$DISC" 30 2500 "${bare_arguments[@]}" >"$out" 2>&1 &
    pid=$!
    BENCH_PIDS+=("$pid")
    for _ in $(seq 1000); do grep -q '^activated' "$out" && break; sleep 0.01; done
    result=$(measure "$pid")
    [[ -n $shots ]] && import -window root "$shots/playback-$output-bare-$1.png"
    stop_process "$pid"
    echo "$result"
}

lumadisc_run() {
    local out="$BENCH_DIR/lumadisc.out" pid result
    # Waits for the menu's picture on the stage, then for its still.
    "$CLOCK" --picture -- "$APP/lumadisc" "$DISC" >"$out" 2>&1 || { cat "$out" >&2; return 1; }
    pid=$(awk '/^pid / { print $2 }' "$out")
    BENCH_PIDS+=("$pid")
    sleep 1.5
    BAR=""
    press_bar enter
    result=$(measure "$pid")
    [[ -n $shots ]] && import -window root "$shots/playback-$output-lumadisc-$1.png"
    stop_process "$pid"
    echo "$result"
}

echo "output $output, window ${window_s} s; columns: cpu% (stat) cpu% (sched) rss_MB"
rows=()
for pair in $(seq "$pairs"); do
    load=$(load_now)
    bare=$(bare_run "$pair")
    lumadisc=$(lumadisc_run "$pair")
    rows+=("$bare $lumadisc $load")
    echo "pair $pair: bare $bare | lumadisc $lumadisc | load $load"
done
printf '%s\n' "${rows[@]}" >"$BENCH_DIR/rows"
col() { awk -v c="$1" '{ print $c }' "$BENCH_DIR/rows" | median; }
ratios() { awk -v a="$1" -v b="$2" '{ printf "%.3f\n", $b / $a }' "$BENCH_DIR/rows" | median; }
echo "median bare: cpu $(col 1)% (sched $(col 2)%), rss $(col 3) MB"
echo "median lumadisc: cpu $(col 4)% (sched $(col 5)%), rss $(col 6) MB"
echo "median ratio lumadisc/bare: $(ratios 1 4) (sched $(ratios 2 5)); median load $(col 7)"
