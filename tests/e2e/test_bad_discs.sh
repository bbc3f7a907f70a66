#!/usr/bin/env bash
# Bad discs, by kind, each with its documented reaction:
# - a disc that is no DVD-Video disc (plain ISO 9660): "Please insert a valid Video DVD." with the
#   critical icon, titled "Lumadisc", from the command line and from the drive menu;
# - what is no disc at all on the command line (a text file, a wiped image, a folder without
#   VIDEO_TS): a line on standard error, no message, nothing in the drive menu;
# - discs that never play (encrypted without libdvdcss, empty VIDEO_TS files): told once, then
#   left alone by the disc watch, and the program stays responsive;
# - folders named with "#" and "%": they play;
# - an image truncated and then deleted while its title plays: the idle state, no crash.
source "$(dirname "$0")/lib.sh"
start_display

# The message box says the documented text next to a red icon.
check_message() {
    message_says "Please insert a valid Video DVD." ||
        fail "$1: the message box does not ask for a valid Video DVD"
    message_is_critical || fail "$1: the message box has no critical icon"
}

message_boxes() { xdotool search --onlyvisible --name '^Lumadisc$' 2>/dev/null | grep -vx -e "$BAR" -e "$MAIN" || true; }

# No second message comes while nothing changes, and the program still answers: the drive menu
# opens and closes, and the exit button ends it.
still_calm_and_responsive() {
    sleep 5
    [[ -z "$(message_boxes)" ]] || fail "$1: told again although nothing changed"
    press_bar drivers
    wait_popup
    xdotool key Escape
    poll 5 "$1: the drive menu stayed open" '[[ -z $(popups) ]]'
    press_bar exit
    wait_exit "$LUMADISC_PID"
}

start_lumadisc "$DISC_DIR/iso9660-only.iso"
wait_message_box Lumadisc
check_message "iso9660-only.iso on the command line"
shot not-udf-message
dismiss_message_box
find_windows
area_shows disc_name "<No DVD Drive is selected>" DejaVu-Sans-Bold 11 ||
    fail "the bar does not say that no drive is selected"
press_bar drivers
wait_popup
click_popup 11
wait_message_box Lumadisc
check_message "iso9660-only.iso from the drive menu"
dismiss_message_box
press_bar exit
wait_exit "$LUMADISC_PID"

echo "notes, not a disc" >"$E2E_DIR/notes.txt"
for thing in "$E2E_DIR/notes.txt" "$DISC_DIR/damaged.iso" "$DISC_DIR/no-video-folder"; do
    start_lumadisc "$thing"
    find_windows
    sleep 2
    [[ -z "$(message_boxes)" ]] || fail "$thing on the command line gets a message"
    grep -qF "$thing is neither a disc image nor a folder holding VIDEO_TS" "$E2E_DIR/lumadisc.log" ||
        fail "$thing on the command line: nothing said on standard error"
    press_bar drivers
    wait_popup
    sleep 0.3
    shot "menu-$(basename "$thing")"
    height=$(geometry_of "$POPUP" | sed 's/^[0-9]*x\([0-9]*\)+.*/\1/')
    grab "POPUP 4 2 $(($(geometry_of "$POPUP" | cut -dx -f1) - 8)) $((height - 4))" menu-item
    shows_text menu-item "<No DVD drives were found>" DejaVu-Sans 12 dark ||
        fail "$thing is in the drive menu"
    xdotool key Escape
    press_bar exit
    wait_exit "$LUMADISC_PID"
done

# Discs that never play.
mkdir -p "$E2E_DIR/empty/VIDEO_TS"
touch "$E2E_DIR/empty/VIDEO_TS/"{VIDEO_TS.IFO,VTS_01_0.IFO,VTS_01_1.VOB}
for disc in "$DISC_DIR/encrypted.iso" "$E2E_DIR/empty"; do
    start_lumadisc "$disc"
    wait_message_box Lumadisc
    shot "never-plays-$(basename "$disc")"
    if [[ $disc == *encrypted* ]]; then
        width=$(geometry_of "$MESSAGE_BOX")
        grab "MESSAGE_BOX 50 0 $((${width%%x*} - 50)) 30" message-text
        shows_text message-text "This disc is encrypted." DejaVu-Sans 12 dark ||
            fail "the encrypted disc's message does not say it is encrypted"
    else
        check_message "a folder of empty files"
    fi
    dismiss_message_box
    find_windows
    still_calm_and_responsive "$disc"
done

# Folders whose names mean something in engine addresses.
for folder in "Film #1" "a%20b"; do
    mkdir -p "$E2E_DIR/$folder"
    cp "$DISC_DIR/ending.iso" "$E2E_DIR/$folder/disc.iso"
    start_lumadisc "$E2E_DIR/$folder/disc.iso"
    find_windows
    poll 20 "the disc in \"$folder\" did not play" picture_shown
    press_bar exit
    wait_exit "$LUMADISC_PID"
done

# An image truncated, then deleted, while the engine is still reading its title.
cp "$DISC_DIR/long.iso" "$E2E_DIR/long.iso"
start_lumadisc "$E2E_DIR/long.iso"
find_windows
poll 20 "the long disc did not play" picture_shown
truncate -s 1M "$E2E_DIR/long.iso"
poll 30 "the truncated image did not end in the idle state" loading_frame_shown
shot truncated
# What is left of it is still a disc, which the watch may start again; once deleted, it is not.
rm "$E2E_DIR/long.iso"
poll 30 "the deleted image did not end in the idle state" loading_frame_shown
sleep 3
kill -0 "$LUMADISC_PID" || fail "the program ended when its image went away"
loading_frame_shown || fail "something started after the image was deleted"
[[ -z "$(message_boxes)" ]] || dismiss_message_box
press_bar exit
wait_exit "$LUMADISC_PID"
echo "PASS"
