#!/usr/bin/env bash
# The options window: the settings button opens it, its folder button shows the folder dialog,
# the keyboard changes the snapshot destination, OK writes Config.cfg byte for byte; Esc leaves
# the file alone; a new language shows at once on the control bar; with the sample title
# playing, the same change asks "037" and Yes starts the disc again.
source "$(dirname "$0")/lib.sh"

start_session_bus
start_display

# Opens the options window with the settings button; OPTIONS is its id.
open_options() {
    press_bar option
    wait_message_box Options
    OPTIONS=$MESSAGE_BOX
    xdotool windowfocus --sync "$OPTIONS" 2>/dev/null || true
    sleep 0.3
}
keys() { xdotool key --delay 120 "$@"; sleep 0.3; }
# Picks the next language: the list sits at the window's bottom, above OK and Cancel.
next_language() {
    local x y size
    read -r x y < <(origin_of "$OPTIONS")
    size=$(geometry_of "$OPTIONS")
    size=${size%%+*}
    xdotool mousemove $((x + ${size%x*} - 60)) $((y + ${size#*x} - 65)) click 1
    sleep 0.5
    keys Down Return
}
gone() { ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
closed() { gone "$OPTIONS"; }
ok_closes() {
    keys Return
    poll 5 "OK did not close the options window" closed
}
# Opens the folder dialog with the window's "&Browse..." button; PICKER is its id.
browse() {
    keys alt+b
    wait_message_box "Browse For Folder"
    PICKER=$MESSAGE_BOX
    xdotool windowfocus --sync "$PICKER" 2>/dev/null || true
    sleep 0.5
}
FOLDER=$HOME/Desktop
config_with() { # destination, language
    printf '%s\r\n%s\r\n 1 \r\n 0 \r\n %s \r\n 0 \r\n 0 \r\n' "$2" "$FOLDER" "$1"
}

start_lumadisc
find_windows
poll 10 "no settings file at start-up" test -f "$APP/Config.cfg"
cmp -s "$APP/Config.cfg" <(config_with 0 English.ini) || fail "unexpected start-up settings"
grab volume_text volume-english

# The folder button's dialog over the window: a folder picked in the tree (below its top, /)
# and confirmed goes into the window.
open_options
browse
shot folder-dialog
keys Right
sleep 1
xdotool type --delay 50 tmp
sleep 0.5
keys Return
poll 5 "Enter did not choose a folder" gone "$PICKER"
ok_closes
FOLDER=/tmp
cmp -s "$APP/Config.cfg" <(config_with 0 English.ini) || fail "picking /tmp: $(sed -n 2p "$APP/Config.cfg")"

# The focus starts on the checked destination; Down checks the next one, Enter is OK.
open_options
shot english
keys Down
ok_closes
cmp -s "$APP/Config.cfg" <(config_with 1 English.ini) ||
    fail "Config.cfg after OK: $(od -c "$APP/Config.cfg" | head -5)"

# Esc after a change leaves the file as it was.
open_options
keys Down
keys Escape
poll 5 "Esc did not close the options window" closed
cmp -s "$APP/Config.cfg" <(config_with 1 English.ini) || fail "Cancel changed Config.cfg"

# A new language (German, two below English) shows at once.
open_options
next_language
next_language
shot german
ok_closes
cmp -s "$APP/Config.cfg" <(config_with 1 German.ini) || fail "German was not saved: $(head -1 "$APP/Config.cfg")"
area_differs volume_text volume-english 20 || fail "the control bar kept 'Volume'"
shot german-bar

# With the sample title playing, changing the destination asks to restart; Yes restarts.
kill "$LUMADISC_PID"
wait_exit "$LUMADISC_PID"
config_with 0 English.ini >"$APP/Config.cfg"
start_lumadisc "$DISC_DIR/lumadisc-sample.iso"
find_windows
play_sample_title
open_options
keys Down
keys Return
wait_message_box Lumadisc
shot question
dismiss_message_box
cmp -s "$APP/Config.cfg" <(config_with 1 English.ini) || fail "Config.cfg before the restart"
poll 10 "Yes did not start the disc again" '(($(seconds) < 2))'
