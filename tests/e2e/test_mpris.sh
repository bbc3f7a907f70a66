#!/usr/bin/env bash
# The desktop's remote control on a private session bus: playerctl sees the sample disc playing with
# its label and length, sets its volume, seeks, pauses, resumes and stops it; change signals are
# sent when something changes, not on every tick; Raise brings the main window back and Quit ends
# the program.
source "$(dirname "$0")/lib.sh"
start_session_bus
start_display

NAME=org.mpris.MediaPlayer2.lumadisc
says() { [[ "$(pc "${@:2}")" == "$1" ]]; }
# Waits until `playerctl ARGS` prints the first argument.
wait_for() { poll 15 "playerctl ${*:2} does not say '$1'" says "$@"; }

start_lumadisc "$DISC_DIR/lumadisc-sample.iso"
find_windows
gdbus monitor --session --dest "$NAME" >"$E2E_DIR/signals.log" 2>&1 &
E2E_PIDS+=($!)
wait_for LUMADISC_SAMPLE metadata title

# The menu's button starts the 20 s title, which has a length to seek in.
play_sample_title
length=$(pc metadata mpris:length)
((${length:-0} >= 15000000)) || fail "the title's length is '$length'"
pc volume 0.3 # read back by the Volume signal below
# A disc seeks to whole units of its own, so the position may land a second before 12 s.
pc position 12
poll 5 "SetPosition to 12 s did not reach 11 s" '(($(seconds) >= 11))'
pc pause
wait_for Paused status
pc play
wait_for Playing status
pc stop
wait_for Stopped status
[[ -z $(pc metadata) ]] || fail "a stopped player still has a track: $(pc metadata)"

# Changes were announced once each: the 100 Hz tick sends nothing while nothing changes.
sleep 1
for signal in "'PlaybackStatus': <'Paused'>" "'Volume': <0\.(3|29+)>" \
    "'xesam:title': <'LUMADISC_SAMPLE'>" "Player\.Seeked \(int64 12000000"; do
    grep -qE "$signal" "$E2E_DIR/signals.log" || fail "no signal with $signal"
done
changes=$(grep -c PropertiesChanged "$E2E_DIR/signals.log" || true)
((changes <= 20)) || fail "$changes change signals: $(cat "$E2E_DIR/signals.log")"

# Raise shows the main window that the control bar's minimise button hid.
viewable() { xwininfo -id "$MAIN" | grep -q IsViewable; }
press_bar mini
poll 10 "minimising did not hide the main window" '! viewable'
call() { gdbus call --session --dest "$NAME" --object-path /org/mpris/MediaPlayer2 --method "$@"; }
call org.mpris.MediaPlayer2.Raise >/dev/null
poll 10 "Raise did not show the main window" viewable

# Quit answers, then ends the program as the control bar's exit does.
[[ $(call org.mpris.MediaPlayer2.Quit 2>&1) == "()" ]] || fail "Quit got no answer"
wait_exit "$LUMADISC_PID" 15
echo "PASS"
