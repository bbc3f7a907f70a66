# Shared set-up of the end-to-end tests: each test runs the real program in its own copy of the
# application folder, with its own HOME, XDG_RUNTIME_DIR and X display.
set -euo pipefail

: "${LUMADISC_APP_DIR:?run through ctest}"
: "${LUMADISC_BUILD_DIR:?run through ctest}"
E2E_NAME=$(basename "$0" .sh)
E2E_DIR=$(mktemp -d "/tmp/lumadisc-e2e-$E2E_NAME.XXXXXX")
E2E_SHOTS="$LUMADISC_BUILD_DIR/e2e-screenshots"
mkdir -p "$E2E_SHOTS"
APP="$E2E_DIR/app"
cp -r "$LUMADISC_APP_DIR" "$APP"
export HOME="$E2E_DIR/home" XDG_RUNTIME_DIR="$E2E_DIR/runtime"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
mkdir -p "$HOME/Desktop" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export LUMADISC_ENGINE_ARGS="--aout=dummy"
unset QT_QPA_PLATFORM
DISC_DIR="${LUMADISC_SAMPLE_DISC_DIR:-$LUMADISC_BUILD_DIR/sample-disc}"
E2E_PIDS=()

cleanup() {
    for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$E2E_DIR"
}
trap cleanup EXIT

fail() {
    echo "FAIL ($E2E_NAME): $*" >&2
    [[ -n "${DISPLAY:-}" ]] && import -window root "$E2E_SHOTS/$E2E_NAME-failure.png" 2>/dev/null || true
    [[ -f "$E2E_DIR/lumadisc.log" ]] && tail -20 "$E2E_DIR/lumadisc.log" >&2
    exit 1
}

# Starts Xvfb on a free display (1024 x 768), and a window manager when asked ("openbox").
start_display() {
    local fd_file="$E2E_DIR/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    for _ in $(seq 50); do [[ -s "$fd_file" ]] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$fd_file")"
    if [[ "${1:-}" == openbox ]]; then
        openbox --sm-disable >/dev/null 2>&1 &
        E2E_PIDS+=($!)
        sleep 1
    fi
}

# Starts Lumadisc with the given arguments; LUMADISC_PID is its process.
start_lumadisc() {
    "$APP/lumadisc" "$@" >>"$E2E_DIR/lumadisc.log" 2>&1 &
    LUMADISC_PID=$!
    E2E_PIDS+=("$LUMADISC_PID")
}

# Waits (up to $2 seconds, default 15) until a visible window's name matches $1; prints its id.
wait_window() {
    local id
    for _ in $(seq $((${2:-15} * 10))); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# Geometry of a window as "WIDTHxHEIGHT+X+Y".
geometry_of() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /^  Width/ {w=$NF} /^  Height/ {h=$NF} END {print w "x" h "+" x "+" y}'
}

# The two windows of the running program, by class and size: BAR and MAIN ids.
find_windows() {
    BAR="" MAIN=""
    for _ in $(seq 150); do
        for id in $(xdotool search --onlyvisible --class lumadisc 2>/dev/null || true); do
            case $(geometry_of "$id") in
            800x100+*) BAR=$id ;;
            385x400+*) MAIN=$id ;;
            esac
        done
        [[ -n "$BAR" && -n "$MAIN" ]] && return 0
        sleep 0.1
    done
    fail "the two windows did not appear"
}

# Clicks at a place of the control bar movie (coordinates inside the bar).
click_bar() {
    local x y
    read -r x y < <(xwininfo -id "$BAR" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}')
    xdotool mousemove $((x + $1)) $((y + $2)) click "${3:-1}"
}

# Places of the control bar's buttons inside the bar movie.
declare -A BAR_BUTTON=(
    [drivers]="30 54" [open]="70 54" [rewind]="118 54" [play]="164 54" [pause]="208 54"
    [stop]="248 54" [ff]="288 54" [vol-]="551 54" [mute]="588 54" [vol+]="625 54"
    [navup]="687 41" [navdown]="687 83" [navleft]="666 62" [navright]="709 62" [enter]="687 62"
    [snapshot]="747 43" [fullscreen]="775 43" [option]="747 71" [about]="775 71"
    [mini]="719 12" [exit]="747 12" [power]="775 12"
)

press_bar() { click_bar ${BAR_BUTTON[$1]}; }

shot() { import -window root "$E2E_SHOTS/$E2E_NAME-$1.png"; }

# Waits until the process ends; fails after $2 seconds (default 10).
wait_exit() {
    for _ in $(seq $((${2:-10} * 10))); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    fail "process $1 did not end"
}
