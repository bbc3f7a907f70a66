#!/usr/bin/env bash
# Time from choosing the disc to its first picture on the stage (the menu's still), measured
# by window_clock from the X server's events and screen:
#  - drive menu: the sample disc is playing, Stop is pressed, then the disc is chosen again in
#    the control bar's drive menu; the clock starts when the menu closes with the choice.
#  - command line: Lumadisc is started with the disc image; the clock starts with the process.
#   bench/first_picture.sh BUILD_DIR [RUNS]
source "$(dirname "$0")/lib.sh"
runs=${2:-5}
start_display

# Prints the milliseconds from choosing the disc in the drive menu to its picture.
from_menu() {
    local out="$BENCH_DIR/start.out" watch="$BENCH_DIR/menu.out" pid watcher
    "$CLOCK" --picture -- "$APP/lumadisc" "$DISC" >"$out" 2>&1 || { cat "$out" >&2; return 1; }
    pid=$(awk '/^pid / { print $2 }' "$out")
    BENCH_PIDS+=("$pid")
    sleep 1
    BAR=""
    press_bar stop
    sleep 1.5
    "$CLOCK" --menu --picture >"$watch" 2>&1 &
    watcher=$!
    sleep 0.3
    press_bar drivers
    sleep 0.5
    xdotool key Down Return
    wait "$watcher" || { cat "$watch" >&2; stop_process "$pid"; return 1; }
    stop_process "$pid"
    awk '/^picture / { print $2 }' "$watch"
}

# Prints the milliseconds from the start of Lumadisc with the disc image to its picture.
from_command_line() {
    local out="$BENCH_DIR/start.out" pid
    "$CLOCK" --picture -- "$APP/lumadisc" "$DISC" >"$out" 2>&1 || { cat "$out" >&2; return 1; }
    pid=$(awk '/^pid / { print $2 }' "$out")
    BENCH_PIDS+=("$pid")
    stop_process "$pid"
    awk '/^picture / { print $2 }' "$out"
}

"$CLOCK" -- "$APP/lumadisc" >"$BENCH_DIR/first.out" 2>&1 # writes the settings file
stop_process "$(awk '/^pid / { print $2 }' "$BENCH_DIR/first.out")"
menu=() line=()
for run in $(seq "$runs"); do
    menu+=("$(from_menu)")
    line+=("$(from_command_line)")
    echo "run $run: drive menu ${menu[-1]} ms, command line ${line[-1]} ms, load $(load_now)"
done
echo "median: drive menu $(printf '%s\n' "${menu[@]}" | median) ms," \
    "command line $(printf '%s\n' "${line[@]}" | median) ms (fixed waits on both paths: 1500 ms)"
grep -h 'polled every' "$BENCH_DIR"/*.out | tail -1
