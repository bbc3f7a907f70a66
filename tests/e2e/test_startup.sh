#!/usr/bin/env bash
# Start-up: both windows placed by the program, the default settings file, the second-copy
# warning, and the end through the control bar's exit button.
source "$(dirname "$0")/lib.sh"
start_display
start_lumadisc
find_windows

[[ $(geometry_of "$BAR") == "800x100+112+598" ]] || fail "control bar at $(geometry_of "$BAR")"
[[ $(geometry_of "$MAIN") == "385x400+319+198" ]] || fail "main window at $(geometry_of "$MAIN")"
[[ $(xdotool getwindowname "$MAIN") == "Lumadisc" ]] || fail "main window title"

expected=$(printf 'English.ini\r\n%s\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n' "$HOME/Desktop")
[[ "$(cat "$APP/Config.cfg")" == "$expected" ]] || fail "default Config.cfg: $(od -c "$APP/Config.cfg" | head)"
sleep 0.5
shot windows

# A second copy warns and ends; the first stays.
"$APP/lumadisc" >"$E2E_DIR/second.log" 2>&1 &
second=$!
E2E_PIDS+=("$second")
warning=$(wait_window '^Warning$') || fail "no warning from the second copy"
sleep 0.5
shot second-copy
xdotool windowfocus --sync "$warning" 2>/dev/null || true
xdotool key Return
wait_exit "$second"
kill -0 "$LUMADISC_PID" || fail "the first copy ended"
[[ $(geometry_of "$BAR") == "800x100+112+598" ]] || fail "the first copy changed"

# The control bar's exit ends the program; nothing is written at shutdown.
before=$(stat -c %Y.%s "$APP/Config.cfg")
press_bar exit
wait_exit "$LUMADISC_PID"
[[ $(stat -c %Y.%s "$APP/Config.cfg") == "$before" ]] || fail "Config.cfg changed at shutdown"
echo "PASS"
