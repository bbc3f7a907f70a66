#!/usr/bin/env bash
# Resident memory while the About window is opened and closed many times in the real program,
# no disc: the bar's help button, "About" from its menu (Up, Return), then Return closes the
# window. An unloaded window is freed after its handler, so memory should level off.
#   bench/about_cycles.sh BUILD_DIR [CYCLES]   (default 1000; prints RSS at checkpoints)
source "$(dirname "$0")/lib.sh"
cycles=${2:-1000}
start_display

"$CLOCK" -- "$APP/lumadisc" >"$BENCH_DIR/first.out" 2>&1 # writes the settings file
stop_process "$(awk '/^pid / { print $2 }' "$BENCH_DIR/first.out")"
"$CLOCK" -- "$APP/lumadisc" >"$BENCH_DIR/clock.out" 2>&1 || { cat "$BENCH_DIR/clock.out" >&2; exit 1; }
pid=$(awk '/^pid / { print $2 }' "$BENCH_DIR/clock.out")
BENCH_PIDS+=("$pid")
sleep 2
BAR=$(window_of_size 800x100)
read -r bar_x bar_y < <(origin_of "$BAR")

about_shown() { xdotool search --onlyvisible --name '^About Lumadisc$' 2>/dev/null || true; }

# One cycle: the help menu, its last item, then Return in the About window.
one_cycle() {
    xdotool mousemove $((bar_x + 775)) $((bar_y + 71)) click 1 sleep 0.08 key Up Return
    timeout 5 xdotool search --sync --onlyvisible --name '^About Lumadisc$' windowfocus --sync %1 ||
        { echo "cycle $1: no About window" >&2; return 1; }
    xdotool key Return
    for _ in $(seq 100); do [[ -z $(about_shown) ]] && return 0; sleep 0.01; done
    echo "cycle $1: the About window stayed" >&2
    return 1
}

report() { echo "after $1 cycles: RSS $(rss_mb "$pid") MB, $(($(date +%s) - start)) s, load $(load_now)"; }

start=$(date +%s)
report 0
for cycle in $(seq "$cycles"); do
    one_cycle "$cycle"
    case $cycle in 1 | 10 | 100 | 250 | 500 | 750 | "$cycles") sleep 1; report "$cycle" ;; esac
done
sleep 3
echo "3 s after the last cycle: RSS $(rss_mb "$pid") MB"
stop_process "$pid"
