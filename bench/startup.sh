#!/usr/bin/env bash
# Start-up with no disc: time from process start to both windows mapped (MapNotify, seen by
# window_clock), and resident memory 2 s after that.
#   bench/startup.sh BUILD_DIR [RUNS]   (default 10 runs; prints each run and the medians)
source "$(dirname "$0")/lib.sh"
runs=${2:-10}
start_display

# One start; prints "MAPPED_MS RSS_MB LOAD".
one_start() {
    local out="$BENCH_DIR/clock.out" pid mapped rss
    "$CLOCK" -- "$APP/lumadisc" >"$out" 2>&1 || { cat "$out" >&2; return 1; }
    pid=$(awk '/^pid / { print $2 }' "$out")
    BENCH_PIDS+=("$pid")
    mapped=$(awk '/^both mapped / { print $3 }' "$out")
    sleep 2
    rss=$(rss_mb "$pid")
    stop_process "$pid"
    echo "$mapped $rss $(load_now)"
}

# The first start writes the settings file; later starts read it, as every start after the
# first does for a user.
echo "first start (no settings file): $(one_start)"
results=()
for run in $(seq "$runs"); do
    results+=("$(one_start)")
    echo "run $run: ${results[-1]}"
done
printf '%s\n' "${results[@]}" >"$BENCH_DIR/results"
echo "median: both windows mapped $(awk '{print $1}' "$BENCH_DIR/results" | median) ms," \
    "RSS $(awk '{print $2}' "$BENCH_DIR/results" | median) MB," \
    "load $(awk '{print $3}' "$BENCH_DIR/results" | median)"
