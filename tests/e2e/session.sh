# The real program in a session of its own: a copy of the application folder, its own HOME,
# XDG_RUNTIME_DIR and Xvfb display. Sourced by the end-to-end tests (lib.sh) and the benchmarks
# (bench/lib.sh) with SESSION_NAME and SESSION_APP_SOURCE set.
set -euo pipefail

SESSION_DIR=$(mktemp -d "/tmp/lumadisc-$SESSION_NAME.XXXXXX")
APP="$SESSION_DIR/app"
cp -r "$SESSION_APP_SOURCE" "$APP"
# A run by hand in the build's own folder leaves its settings and log there.
rm -f "$APP/Config.cfg" "$APP/errorlog.txt"
export HOME="$SESSION_DIR/home" XDG_RUNTIME_DIR="$SESSION_DIR/runtime"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
mkdir -p "$HOME/Desktop" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export LUMADISC_ENGINE_ARGS="--aout=dummy"
unset QT_QPA_PLATFORM
SESSION_PIDS=()

session_cleanup() {
    for pid in "${SESSION_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$SESSION_DIR"
}
trap session_cleanup EXIT

# Starts Xvfb on a free display (1024 x 768), and a window manager when asked ("openbox").
# -noreset: a program started while the server resets after the last one left cannot connect.
start_display() {
    local fd_file="$SESSION_DIR/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fd_file" >/dev/null 2>&1 &
    SESSION_PIDS+=($!)
    for _ in $(seq 300); do [[ -s "$fd_file" ]] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$fd_file")"
    [[ "${1:-}" != openbox ]] || start_window_manager
}

start_window_manager() {
    openbox --sm-disable >/dev/null 2>&1 &
    SESSION_PIDS+=($!)
    sleep 1
}

# Geometry of a window as "WIDTHxHEIGHT+X+Y", and its upper-left corner as "X Y".
geometry_of() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /^  Width/ {w=$NF} /^  Height/ {h=$NF} END {print w "x" h "+" x "+" y}'
}
origin_of() { geometry_of "$1" | awk -F'[x+]' '{ print $3, $4 }'; }

# The program's visible window of size $1 ("800x100"), if any.
window_of_size() {
    local id
    for id in $(xdotool search --onlyvisible --class lumadisc 2>/dev/null || true); do
        [[ $(geometry_of "$id") == "$1"+* ]] && { echo "$id"; return 0; }
    done
    return 0
}

# Places of the control bar's buttons that the tests and benchmarks press, inside the bar movie.
declare -A BAR_BUTTON=(
    [drivers]="30 54" [pause]="208 54" [stop]="248 54" [vol-]="551 54" [mute]="588 54"
    [vol+]="625 54" [enter]="687 62" [snapshot]="747 43" [option]="747 71" [about]="775 71"
    [mini]="719 12" [exit]="747 12" [subtitles]="582 13"
)
press_bar() { click_bar ${BAR_BUTTON[$1]}; }

# Clicks at a place of the control bar (coordinates inside the 800 x 100 bar); $3 is the button.
# BAR is looked up again when the program that owned it has gone.
click_bar() {
    local x y
    if [[ -z "${BAR:-}" ]] || ! xwininfo -id "$BAR" >/dev/null 2>&1; then
        BAR=$(window_of_size 800x100)
    fi
    read -r x y < <(origin_of "$BAR")
    xdotool mousemove $((x + $1)) $((y + $2)) click "${3:-1}"
}
