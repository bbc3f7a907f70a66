#!/usr/bin/env bash
# The options window over the playing sample title: the settings button opens it, the keyboard
# changes the snapshot destination, the language list picks German; Esc leaves the file alone;
# OK asks "037" to restart, Yes writes Config.cfg byte for byte, starts the disc again and shows
# the language at once on the control bar.
source "$(dirname "$0")/lib.sh"

start_session_bus
start_display

# Opens the options window with the settings button; MESSAGE_BOX is its id.
open_options() {
    press_bar option
    wait_message_box Options
    xdotool windowfocus --sync "$MESSAGE_BOX" 2>/dev/null || true
    sleep 0.3
}
keys() { xdotool key --delay 120 "$@"; sleep 0.3; }
# Picks the next language: the list sits at the window's bottom, above OK and Cancel.
next_language() {
    local w h x y
    IFS='x+' read -r w h x y <<<"$(geometry_of "$MESSAGE_BOX")"
    xdotool mousemove $((x + w - 60)) $((y + h - 65)) click 1
    sleep 0.5
    keys Down Return
}

start_lumadisc "$DISC_DIR/lumadisc-sample.iso"
find_windows

# Esc after a change leaves the file as start-up wrote it.
open_options
keys Down Escape
poll 5 "Esc did not close the options window" gone "$MESSAGE_BOX"
cmp -s "$APP/Config.cfg" <(settings English.ini "$HOME/Desktop" 0) || fail "Esc changed Config.cfg"

grab volume_text volume-english
play_sample_title
# The focus starts on the checked destination: Down checks the next one. German is two below
# English.
open_options
keys Down
next_language
next_language
shot german
keys Return
poll 5 "OK did not close the options window" gone "$MESSAGE_BOX"
dismiss_message_box Lumadisc
cmp -s "$APP/Config.cfg" <(settings German.ini "$HOME/Desktop" 1) ||
    fail "Config.cfg after OK: $(od -c "$APP/Config.cfg" | head -5)"
poll 10 "Yes did not start the disc again" '(($(seconds) < 2))'
area_differs volume_text volume-english 20 || fail "the control bar kept 'Volume'"

echo "PASS"
