# Shared set-up of the end-to-end tests: each test runs the real program in its own copy of the
# application folder, with its own HOME, XDG_RUNTIME_DIR and X display.
: "${LUMADISC_APP_DIR:?run through ctest}"
: "${LUMADISC_BUILD_DIR:?run through ctest}"
E2E_NAME=$(basename "$0" .sh)
SESSION_NAME="e2e-$E2E_NAME" SESSION_APP_SOURCE="$LUMADISC_APP_DIR"
source "$(dirname "${BASH_SOURCE[0]}")/session.sh"
E2E_DIR=$SESSION_DIR
declare -n E2E_PIDS=SESSION_PIDS
E2E_SHOTS="$LUMADISC_BUILD_DIR/e2e-screenshots"
mkdir -p "$E2E_SHOTS"
DISC_DIR="${LUMADISC_SAMPLE_DISC_DIR:-$LUMADISC_BUILD_DIR/sample-disc}"

fail() {
    echo "FAIL ($E2E_NAME): $*" >&2
    [[ -n "${DISPLAY:-}" ]] && shot failure 2>/dev/null || true
    [[ -f "$E2E_DIR/lumadisc.log" ]] && tail -20 "$E2E_DIR/lumadisc.log" >&2
    exit 1
}

# Starts Lumadisc with the given arguments; LUMADISC_PID is its process.
start_lumadisc() {
    "$APP/lumadisc" "$@" >>"$E2E_DIR/lumadisc.log" 2>&1 &
    LUMADISC_PID=$!
    E2E_PIDS+=("$LUMADISC_PID")
}

# The two windows of the running program, by class and size: BAR and MAIN ids.
find_windows() {
    poll 15 "the two windows did not appear" \
        'BAR=$(window_of_size 800x100) MAIN=$(window_of_size 385x400); [[ -n $BAR && -n $MAIN ]]'
}


shot() { import -window root "$E2E_SHOTS/$E2E_NAME-$1.png"; }

# Waits until the process $1 ends; fails after $2 seconds (default 10).
wait_exit() { poll "${2:-10}" "process $1 did not end" "! kill -0 $1 2>/dev/null"; }
# Waits until the program ends; fails unless it ended with status 0, for $1 ("the bar's exit").
ended_cleanly() {
    wait_exit "$LUMADISC_PID"
    wait "$LUMADISC_PID" || fail "$1 ended the process with status $?"
}
exit_lumadisc() { press_bar exit; ended_cleanly "the control bar's exit"; }
# Starts the program on the disc $1 and waits until its picture shows.
start_playing() {
    start_lumadisc "$1"
    find_windows
    poll 20 "${2:-$1} did not play" picture_shown
}

# Areas of the two windows that the tests read: "WINDOW X Y WIDTH HEIGHT" inside the window.
declare -A AREA=(
    [stage]="MAIN 0 0 385 284" [title]="MAIN 30 287 343 18" [knob]="MAIN 12 308 361 18"
    [status]="MAIN 8 334 200 18" [mute]="MAIN 224 356 30 26" [slider]="MAIN 260 360 117 20"
    [disc_name]="BAR 330 37 184 15" [time]="BAR 330 53 184 22" [volume_text]="BAR 330 74 90 13"
    [meter]="BAR 436 76 78 8"
)

# Saves an area of the screen as $E2E_DIR/$2.png: a name of AREA, or "WINDOW X Y WIDTH HEIGHT".
grab() {
    local window x y w h ox oy
    read -r window x y w h <<<"${AREA[$1]:-$1}"
    read -r ox oy < <(origin_of "${!window}")
    import -window root png:- | convert - -crop "${w}x${h}+$((ox + x))+$((oy + y))" +repage \
        "$E2E_DIR/$2.png"
}

# Whether area $1 differs now from the grab $2 by more than $3 pixels (by a very large number
# when they cannot be compared).
area_differs() {
    grab "$1" "$1-now"
    (($({ compare -metric AE -fuzz 4% "$E2E_DIR/$1-now.png" "$E2E_DIR/$2.png" null: 2>&1 ||
        true; } | awk '{ print ($1 ~ /^[0-9.e+]+$/) ? int($1) : 999999999 }') > ${3:-0}))
}

# Whether the share of area $1's pixels that are not dark passes the test $2 ("> 0.3").
area_lit() {
    grab "$1" "$1-now"
    (($(convert "$E2E_DIR/$1-now.png" -colorspace gray -threshold 15% -format "%[fx:mean $2]" \
        info:)))
}
# The stage shows the loading frame (the program's name on a dark ground), or the disc.
loading_frame_shown() {
    area_lit stage '< 0.05' && shows_text stage-now Lumadisc DejaVu-Sans-Bold 28
}
picture_shown() { area_lit stage '> 0.3'; }

# Whether a grab shows the text $2, drawn in the font $3 (an ImageMagick font name) at $4
# pixels, light on dark ("dark" as $5 for dark text on light). The text's ink is compared with
# the same text drawn by ImageMagick, scaled to the same box: the renderers differ in detail,
# but other texts correlate far less.
shows_text() {
    local ink="$E2E_DIR/$1-ink.png" model="$E2E_DIR/$1-model.png" negate=() w h mw mh
    [[ "${5:-}" == dark ]] && negate=(-negate)
    convert "$E2E_DIR/$1.png" -colorspace gray "${negate[@]}" -threshold 40% -trim +repage "$ink"
    convert -background black -fill white -font "$3" -pointsize "$4" label:"$2" -threshold 40% \
        -trim +repage "$model"
    read -r w h mw mh < <(identify -format '%w %h ' "$ink" "$model")
    ((w > 3 && w * 100 > mw * 85 && w * 100 < mw * 115)) || return 1
    convert "$model" -resize "${w}x${h}!" -threshold 50% "$model"
    awk -v ncc="$(compare -metric NCC "$ink" "$model" null: 2>&1 || true)" \
        'BEGIN { exit !(ncc + 0 >= 0.5) }'
}

# Whether area $1 shows the text $2 now (font and size as for shows_text).
area_shows() { grab "$1" "$1-now" && shows_text "$1-now" "${@:2}"; }

# Runs a check until it succeeds, for up to $1 seconds; fails with the message $2. A check given
# as one string is evaluated anew each time, so the values it reads are read again.
poll() {
    local poll_seconds=$1 poll_message=$2
    shift 2
    for _ in $(seq $((poll_seconds * 4))); do
        if (($# == 1)); then eval "$1" && return 0; else "$@" && return 0; fi
        sleep 0.25
    done
    fail "$poll_message"
}

# Waits for a visible pop-up window (a menu) of the program; POPUP is its id.
popups() {
    local id
    for id in $(xdotool search --onlyvisible --class lumadisc 2>/dev/null || true); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'Override Redirect State: yes' && echo "$id"
    done
    return 0
}
wait_popup() { poll 15 "no pop-up menu appeared" 'POPUP=$(popups | head -1); [[ -n $POPUP ]]'; }

# Clicks the pop-up's item at $1 pixels from its top (from its bottom when negative).
click_popup() {
    local w h x y
    IFS='x+' read -r w h x y <<<"$(geometry_of "$POPUP")"
    xdotool mousemove $((x + w / 2)) $((y + ($1 < 0 ? h : 0) + $1)) click 1
}

# Drags window $1 by the point ($2, $3) inside it, by ($4, $5) in two steps, and waits until
# the window has followed.
drag() {
    local x y
    read -r x y < <(origin_of "$1")
    xdotool mousemove $((x + $2)) $((y + $3)) mousedown 1 sleep 0.2 \
        mousemove $((x + $2 + $4 / 2)) $((y + $3 + $5 / 2)) sleep 0.2 \
        mousemove $((x + $2 + $4)) $((y + $3 + $5)) sleep 0.3 mouseup 1
    poll 5 "a drag did not move the window by $4, $5" \
        '[[ $(origin_of '"$1"') == "'"$((x + $4)) $((y + $5))"'" ]]'
}

# Waits for a message box (a dialog window) titled $1; MESSAGE_BOX is its id.
dialog_titled() {
    for MESSAGE_BOX in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true); do
        xprop -id "$MESSAGE_BOX" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q DIALOG && return 0
    done
    return 1
}
wait_message_box() { poll 15 "no message box titled $1" dialog_titled "$1"; }

# Whether the message box says $1 beside its icon.
message_says() {
    grab "MESSAGE_BOX 50 0 $(($(geometry_of "$MESSAGE_BOX" | cut -dx -f1) - 50)) 30" message-text
    shows_text message-text "$1" DejaVu-Sans 12 dark
}

# Answers the message box, once one titled $1 shows if given, with its default button and waits
# until it is gone.
dismiss_message_box() {
    [[ -z ${1:-} ]] || wait_message_box "$1"
    xdotool windowfocus --sync "$MESSAGE_BOX" 2>/dev/null || true
    xdotool key Return
    poll 10 "the message box stayed" gone "$MESSAGE_BOX"
}
gone() { ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }

# The settings file's text: language file, snapshot folder, destination and wallpaper style.
settings() { printf '%s\r\n%s\r\n 1 \r\n 0 \r\n %s \r\n %s \r\n 0 \r\n' "$1" "$2" "$3" "${4:-0}"; }

# A session bus of the test's own, for the remote control.
start_session_bus() {
    local bus
    bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
    export DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$bus")
    E2E_PIDS+=("$(sed -n 2p <<<"$bus")")
}
pc() { playerctl -p lumadisc "$@" 2>/dev/null || true; }
# The position in whole seconds, as the remote control reports it.
seconds() { pc position | awk '{ printf "%d", $1 }'; }
# Presses the bar's enter until the sample disc's title has played 3 s (the menu may not be
# ready for the first press, and the title ignores the key).
play_sample_title() {
    for _ in 1 2 3 4 5 6; do press_bar enter; sleep 3; (($(seconds) >= 3)) && return 0; done
    fail "the sample title did not play"
}
