#!/usr/bin/env bash
# The desktop's remote control on a private session bus: playerctl sees the sample disc playing
# with its label, pauses and resumes it, sets the volume, seeks and stops it; change signals are
# sent when something changes, not on every tick; Raise brings the main window back and Quit
# ends the program.
source "$(dirname "$0")/lib.sh"

bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$bus")
E2E_PIDS+=("$(sed -n 2p <<<"$bus")")
start_display

NAME=org.mpris.MediaPlayer2.lumadisc
OBJECT=/org/mpris/MediaPlayer2
pc() { playerctl -p lumadisc "$@" 2>/dev/null || true; }
property() {
    gdbus call --session --dest "$NAME" --object-path "$OBJECT" \
        --method org.freedesktop.DBus.Properties.Get "$1" "$2"
}
# Waits up to 15 s until `playerctl ARGS` prints the first argument.
wait_for() {
    local expected=$1
    shift
    for _ in $(seq 150); do
        [[ "$(pc "$@")" == "$expected" ]] && return 0
        sleep 0.1
    done
    fail "playerctl $* says '$(pc "$@")', expected '$expected'"
}
# The position in whole seconds.
seconds() { pc position | awk '{ printf "%d", $1 }'; }

start_lumadisc "$DISC_DIR/lumadisc-sample.iso"
find_windows
gdbus monitor --session --dest "$NAME" >"$E2E_DIR/signals.log" 2>&1 &
E2E_PIDS+=($!)

wait_for Playing status
wait_for LUMADISC_SAMPLE metadata title
[[ $(pc metadata mpris:trackid) == "'/org/lumadisc/disc/1'" ]] || fail "track id $(pc metadata mpris:trackid)"
[[ $(property org.mpris.MediaPlayer2 Identity) == "(<'Lumadisc'>,)" ]] || fail "identity"
[[ $(property org.mpris.MediaPlayer2 DesktopEntry) == "(<'com.quorvane.Lumadisc'>,)" ]] || fail "desktop entry"

# The menu's button starts the 20 s title, which has a length to seek in. The press is repeated
# in case the menu was not ready for it yet.
for i in $(seq 150); do
    ((i % 30 == 1)) && press_bar enter
    length=$(pc metadata mpris:length)
    ((${length:-0} >= 15000000)) && break
    sleep 0.1
done
((${length:-0} >= 15000000)) || fail "the title's length is '$length'"
sleep 1
shot playing

pc pause
wait_for Paused status
first=$(pc position)
sleep 1.5
[[ $(pc position) == "$first" ]] || fail "the time went on while paused ($first, $(pc position))"
pc play
wait_for Playing status

pc volume 0.3
wait_for 0.300000 volume
pc volume 0.57
wait_for 0.570000 volume

# A disc seeks to whole units of its own, so the position may land a second before 12 s.
pc position 12
for _ in $(seq 50); do
    (($(seconds) >= 11)) && break
    sleep 0.1
done
(($(seconds) >= 11)) || fail "SetPosition to 12 s left the position at $(pc position)"
pc position 5-
for _ in $(seq 50); do
    (($(seconds) < 10)) && break
    sleep 0.1
done
(($(seconds) < 10)) || fail "seeking back 5 s left the position at $(pc position)"

pc stop
wait_for Stopped status
[[ -z $(pc metadata title) ]] || fail "a stopped player still names a title"

# Changes were announced once each: the 100 Hz tick sends nothing while nothing changes.
sleep 1
grep -q "'PlaybackStatus': <'Paused'>" "$E2E_DIR/signals.log" || fail "no signal for the pause"
grep -q "'Volume': <0.29999999999999999>\|'Volume': <0.3>" "$E2E_DIR/signals.log" ||
    fail "no signal for the volume"
grep -q "'xesam:title': <'LUMADISC_SAMPLE'>" "$E2E_DIR/signals.log" || fail "no signal for the title"
grep -q "Player.Seeked (int64 12000000" "$E2E_DIR/signals.log" || fail "no Seeked for SetPosition"
changes=$(grep -c PropertiesChanged "$E2E_DIR/signals.log" || true)
((changes <= 20)) || fail "$changes change signals: $(cat "$E2E_DIR/signals.log")"
grep -q "'Position'" "$E2E_DIR/signals.log" && fail "the position was sent as a change"

# Raise shows the main window that the control bar's minimise button hid.
press_bar mini
for _ in $(seq 100); do
    xwininfo -id "$MAIN" | grep -q IsViewable || break
    sleep 0.1
done
xwininfo -id "$MAIN" | grep -q IsViewable && fail "minimising did not hide the main window"
gdbus call --session --dest "$NAME" --object-path "$OBJECT" --method org.mpris.MediaPlayer2.Raise >/dev/null
for _ in $(seq 100); do
    xwininfo -id "$MAIN" | grep -q IsViewable && break
    sleep 0.1
done
xwininfo -id "$MAIN" | grep -q IsViewable || fail "Raise did not show the main window"

# Quit answers, then ends the program as the control bar's exit does.
[[ $(gdbus call --session --dest "$NAME" --object-path "$OBJECT" \
    --method org.mpris.MediaPlayer2.Quit 2>&1) == "()" ]] || fail "Quit got no answer"
wait_exit "$LUMADISC_PID" 15
echo "PASS"
