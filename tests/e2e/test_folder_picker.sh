#!/usr/bin/env bash
# The options window's folder button shows the folder dialog over it: Esc keeps the folder,
# picking a folder in the tree and confirming puts it in the window, and the tree's top is the
# root: nothing above it can be reached.
source "$(dirname "$0")/lib.sh"
start_display

open_options() {
    press_bar option
    wait_message_box Options
    OPTIONS=$MESSAGE_BOX
    xdotool windowfocus --sync "$OPTIONS" 2>/dev/null || true
    sleep 0.3
}
keys() { xdotool key --delay 150 "$@"; sleep 0.4; }
# Opens the folder dialog with the window's "&Browse..." button; PICKER is its id.
browse() {
    keys alt+b
    wait_message_box "Browse For Folder"
    PICKER=$MESSAGE_BOX
    xdotool windowfocus --sync "$PICKER" 2>/dev/null || true
    sleep 0.5
}
gone() { ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
folder_line() { sed -n 2p "$APP/Config.cfg" | tr -d '\r'; }

start_lumadisc
find_windows
poll 10 "no settings file at start-up" test -f "$APP/Config.cfg"
[[ $(folder_line) == "$HOME/Desktop" ]] || fail "start-up folder $(folder_line)"

open_options
browse
shot dialog
keys Escape
poll 5 "Esc left the folder dialog open" gone "$PICKER"
keys Return
poll 5 "OK did not close the options window" gone "$OPTIONS"
[[ $(folder_line) == "$HOME/Desktop" ]] || fail "a cancelled dialog changed the folder: $(folder_line)"

# Moving left and up from the top stays on it; Enter chooses it.
open_options
browse
keys Left Up Up BackSpace Left
keys Return
poll 5 "Enter did not choose a folder" gone "$PICKER"
keys Return
poll 5 "OK did not close the options window" gone "$OPTIONS"
[[ $(folder_line) == "/" ]] || fail "the tree's top is not /: $(folder_line)"

# A folder picked below the top.
open_options
browse
keys Right
sleep 1
xdotool type --delay 50 tmp
sleep 0.5
shot picked
keys Return
poll 5 "Enter did not choose a folder" gone "$PICKER"
keys Return
poll 5 "OK did not close the options window" gone "$OPTIONS"
[[ $(folder_line) == "/tmp" ]] || fail "picking /tmp gave $(folder_line)"
