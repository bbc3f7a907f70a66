#!/usr/bin/env bash
# Start-up and the ways out: both windows placed by the program, the default settings file in
# place of a short one, the second-copy warning (also where XDG_RUNTIME_DIR names a missing
# folder: both copies fall back to the same lock), and every way out ending the
# process: the control bar's exit and power buttons, and closing either window through the
# window manager. Nothing is written at shutdown. The ways out but power leave through main(),
# letting go of the engine even while a disc plays: status 0, not a crash while tidying up.
source "$(dirname "$0")/lib.sh"

ends_cleanly() {
    wait_exit "$LUMADISC_PID"
    local status=0
    wait "$LUMADISC_PID" || status=$?
    ((status == 0)) || fail "$1 ended the process with status $status"
}
start_display # no window manager: the windows sit where the program puts them

defaults=$(printf 'English.ini\r\n%s\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n' "$HOME/Desktop")
printf 'French.ini\r\n/tmp\r\n 1 \r\n' >"$APP/Config.cfg"
XDG_RUNTIME_DIR=/nonexistent/runtime start_lumadisc
find_windows
[[ $(geometry_of "$BAR") == "800x100+112+598" ]] || fail "control bar at $(geometry_of "$BAR")"
[[ $(geometry_of "$MAIN") == "385x400+319+198" ]] || fail "main window at $(geometry_of "$MAIN")"
[[ $(xdotool getwindowname "$MAIN") == "Lumadisc" ]] || fail "main window title"
[[ "$(cat "$APP/Config.cfg")" == "$defaults" ]] || fail "a short Config.cfg was not replaced"
sleep 0.5
shot windows

# A second copy warns and ends; the first stays.
first=$LUMADISC_PID
XDG_RUNTIME_DIR=/nonexistent/runtime start_lumadisc
wait_message_box Warning
shot second-copy
dismiss_message_box
wait_exit "$LUMADISC_PID"
LUMADISC_PID=$first
kill -0 "$LUMADISC_PID" || fail "the first copy ended with the second"

before=$(stat -c %Y.%s "$APP/Config.cfg")
press_bar exit
ends_cleanly "the control bar's exit"
[[ $(stat -c %Y.%s "$APP/Config.cfg") == "$before" ]] || fail "Config.cfg changed at shutdown"

start_window_manager
start_lumadisc
find_windows
wmctrl -i -c "$MAIN"
ends_cleanly "closing the main window"
start_playing "$DISC_DIR/lumadisc-sample.iso"
wmctrl -i -c "$BAR"
ends_cleanly "closing the control bar while a disc plays"
start_lumadisc
find_windows
press_bar power
wait_exit "$LUMADISC_PID"
echo "PASS"
