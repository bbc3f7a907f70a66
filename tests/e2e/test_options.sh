#!/usr/bin/env bash
# The options window: the settings button opens it, its folder button shows the folder dialog,
# the keyboard changes the snapshot destination, OK writes Config.cfg byte for byte and asks nothing without a disc; Cancel leaves
# file and settings alone; a new language shows at once in the menus and on the control bar;
# with the sample title playing, the same change asks "037" and Yes starts the disc again.
source "$(dirname "$0")/lib.sh"

bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$bus")
E2E_PIDS+=("$(sed -n 2p <<<"$bus")")
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
# Opens the folder dialog with the window's "&Browse..." button; PICKER is its id.
browse() {
    keys alt+b
    wait_message_box "Browse For Folder"
    PICKER=$MESSAGE_BOX
    xdotool windowfocus --sync "$PICKER" 2>/dev/null || true
    sleep 0.5
}
# The program's visible dialog windows other than the options window.
other_dialogs() {
    local id
    for id in $(xdotool search --onlyvisible --class lumadisc 2>/dev/null || true); do
        [[ $id == "$OPTIONS" ]] && continue
        xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _WINDOW_TYPE_DIALOG && echo "$id"
    done
    return 0
}
FOLDER=$HOME/Desktop
config_with() { # destination, language
    printf '%s\r\n%s\r\n 1 \r\n 0 \r\n %s \r\n 0 \r\n 0 \r\n' "$2" "$FOLDER" "$1"
}
help_menu_width() {
    press_bar about
    wait_popup
    geometry_of "$POPUP" | cut -dx -f1
    xdotool key Escape
    poll 5 "the help menu stayed open" '[[ -z $(popups) ]]'
}

start_lumadisc
find_windows
poll 10 "no settings file at start-up" test -f "$APP/Config.cfg"
cmp -s "$APP/Config.cfg" <(config_with 0 English.ini) || fail "unexpected start-up settings"
english_help=$(help_menu_width)
grab volume_text volume-english

# The folder button's dialog over the window: Esc keeps the folder; a folder picked in the tree
# (below its top, /) and confirmed goes into the window.
open_options
browse
shot folder-dialog
keys Escape
poll 5 "Esc left the folder dialog open" gone "$PICKER"
browse
keys Right
sleep 1
xdotool type --delay 50 tmp
sleep 0.5
keys Return
poll 5 "Enter did not choose a folder" gone "$PICKER"
keys Return
poll 5 "OK did not close the options window" closed
FOLDER=/tmp
cmp -s "$APP/Config.cfg" <(config_with 0 English.ini) || fail "picking /tmp: $(sed -n 2p "$APP/Config.cfg")"

# The focus starts on the checked destination; Down checks the next one, Enter is OK.
open_options
shot english
keys Down
keys Return
poll 5 "OK did not close the options window" closed
cmp -s "$APP/Config.cfg" <(config_with 1 English.ini) ||
    fail "Config.cfg after OK: $(od -c "$APP/Config.cfg" | head -5)"
sleep 1
[[ -z $(other_dialogs) ]] || fail "a question was asked without a disc"

# Cancel after a change: file and settings stay (the window shows the clipboard again).
open_options
keys Down
keys Escape
poll 5 "Esc did not close the options window" closed
cmp -s "$APP/Config.cfg" <(config_with 1 English.ini) || fail "Cancel changed Config.cfg"
open_options
keys Return
poll 5 "OK did not close the options window" closed
cmp -s "$APP/Config.cfg" <(config_with 1 English.ini) || fail "Cancel changed the settings"

# A new language shows at once.
open_options
next_language
keys Return
poll 5 "OK did not close the options window" closed
cmp -s "$APP/Config.cfg" <(config_with 1 French.ini) || fail "French was not saved"
french_help=$(help_menu_width)
((french_help > english_help)) || fail "the help menu kept its English texts ($french_help px)"
open_options
shot french
next_language
keys Return
poll 5 "OK did not close the options window" closed
cmp -s "$APP/Config.cfg" <(config_with 1 German.ini) || fail "German was not saved: $(head -1 "$APP/Config.cfg")"
area_differs volume_text volume-english 20 || fail "the control bar kept 'Volume'"
shot german-bar

# With the sample title playing, changing the destination asks to restart; Yes restarts.
kill "$LUMADISC_PID"
wait_exit "$LUMADISC_PID"
config_with 0 English.ini >"$APP/Config.cfg"
start_lumadisc "$DISC_DIR/lumadisc-sample.iso"
find_windows
pc() { playerctl -p lumadisc "$@" 2>/dev/null || true; }
seconds() { pc position | awk '{ printf "%d", $1 }'; }
for i in $(seq 150); do
    ((i % 30 == 1)) && press_bar enter
    (($(seconds) >= 3)) && break
    sleep 0.1
done
(($(seconds) >= 3)) || fail "the sample title did not play"
open_options
keys Down
keys Return
wait_message_box Lumadisc
shot question
dismiss_message_box
cmp -s "$APP/Config.cfg" <(config_with 1 English.ini) || fail "Config.cfg before the restart"
poll 10 "Yes did not start the disc again" '(($(seconds) < 2))'
