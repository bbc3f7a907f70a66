#!/usr/bin/env bash
# Discs that are no DVD-Video disc (a plain ISO 9660 image, a folder without VIDEO_TS, a damaged
# image), named on the command line or chosen from the drive menu: each gets "Please insert a
# valid Video DVD." with the critical icon, titled "Lumadisc", and the program goes on working.
source "$(dirname "$0")/lib.sh"
start_display

# The message box says the documented text next to a red icon.
check_message() {
    message_says "Please insert a valid Video DVD." ||
        fail "$1: the message box does not ask for a valid Video DVD"
    message_is_critical || fail "$1: the message box has no critical icon"
}

for disc in iso9660-only.iso no-video-folder damaged.iso; do
    name=${disc%.iso}
    start_lumadisc "$DISC_DIR/$disc"
    wait_message_box Lumadisc
    check_message "$disc on the command line"
    shot "$name-message"
    dismiss_message_box

    find_windows
    poll 10 "$disc: no loading frame" loading_frame_shown
    area_shows disc_name "<No DVD Drive is selected>" DejaVu-Sans-Bold 11 ||
        fail "$disc: the bar does not say that no drive is selected"
    area_shows title Lumadisc DejaVu-Sans-Bold 12 || fail "$disc: the title is not Lumadisc"

    # The drive menu lists the disc; choosing it gets the same message.
    press_bar drivers
    wait_popup
    shot "$name-drive-menu"
    click_popup 11
    wait_message_box Lumadisc
    check_message "$disc from the drive menu"
    dismiss_message_box

    # Still working: the menu opens again, Escape closes it, and the exit button ends the program.
    press_bar drivers
    wait_popup
    xdotool key Escape
    poll 5 "$disc: the drive menu stayed open" test -z "$(popups)"
    kill -0 "$LUMADISC_PID" || fail "$disc: the program ended"
    press_bar exit
    wait_exit "$LUMADISC_PID"
done
echo "PASS"
