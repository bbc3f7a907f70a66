# Shared set-up of the whole-program benchmarks: the real program in its own copy of the
# application folder, with its own HOME, XDG_RUNTIME_DIR and Xvfb display, as the end-to-end
# tests run it. Source it with the build folder as $1.
set -euo pipefail

BUILD=$(cd "${1:?usage: $0 BUILD_DIR [...]}" && pwd)
BENCH_DIR=$(mktemp -d "/tmp/lumadisc-bench.XXXXXX")
APP="$BENCH_DIR/app"
DISC="$BUILD/sample-disc/lumadisc-sample.iso"
CLOCK="$BUILD/bench/window_clock"
BARE="$BUILD/bench/bare_libvlc"
for needed in "$BUILD/app/lumadisc" "$CLOCK" "$BARE" "$DISC"; do
    [[ -e $needed ]] || { echo "$needed is missing: build the tree first" >&2; exit 1; }
done
cp -r "$BUILD/app" "$APP"
export HOME="$BENCH_DIR/home" XDG_RUNTIME_DIR="$BENCH_DIR/runtime"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
mkdir -p "$HOME/Desktop" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export LUMADISC_ENGINE_ARGS="--aout=dummy"
unset QT_QPA_PLATFORM
BENCH_PIDS=()
CLK_TCK=$(getconf CLK_TCK)

bench_cleanup() {
    for pid in "${BENCH_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$BENCH_DIR"
}
trap bench_cleanup EXIT

# Starts Xvfb on a free display, 1024 x 768 x 24, as the end-to-end tests do.
start_display() {
    local fd_file="$BENCH_DIR/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
    BENCH_PIDS+=($!)
    for _ in $(seq 50); do [[ -s "$fd_file" ]] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$fd_file")"
}

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

# Clicks a place of the control bar (coordinates inside the 800 x 100 bar).
BAR_WINDOW=""
click_bar() {
    if [[ -z $BAR_WINDOW ]]; then
        for id in $(xdotool search --onlyvisible --class lumadisc 2>/dev/null); do
            [[ $(xwininfo -id "$id" | awk '/^  Width/ {w=$NF} /^  Height/ {h=$NF} END {print w "x" h}') == 800x100 ]] &&
                BAR_WINDOW=$id
        done
    fi
    local x y
    read -r x y < <(xwininfo -id "$BAR_WINDOW" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}')
    xdotool mousemove $((x + $1)) $((y + $2)) click 1
}
