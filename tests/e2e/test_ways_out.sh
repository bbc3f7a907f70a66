#!/usr/bin/env bash
# Every way out ends the process: closing the main window or the control bar through the window
# manager, and the control bar's power button; a damaged settings file is replaced by defaults.
source "$(dirname "$0")/lib.sh"
start_display openbox

printf 'French.ini\r\n/tmp\r\n 1 \r\n' >"$APP/Config.cfg"
start_lumadisc
find_windows
expected=$(printf 'English.ini\r\n%s\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n' "$HOME/Desktop")
[[ "$(cat "$APP/Config.cfg")" == "$expected" ]] || fail "a short Config.cfg was not replaced"
wmctrl -i -c "$MAIN"
wait_exit "$LUMADISC_PID"

start_lumadisc
find_windows
wmctrl -i -c "$BAR"
wait_exit "$LUMADISC_PID"

start_lumadisc
find_windows
press_bar power
wait_exit "$LUMADISC_PID"

# Binary garbage as settings never stops the program from starting.
head -c 20000 /dev/urandom >"$APP/Config.cfg"
start_lumadisc
find_windows
press_bar exit
wait_exit "$LUMADISC_PID"
echo "PASS"
