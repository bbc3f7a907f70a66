#!/usr/bin/env bash
# Bad discs, by kind, each with its documented reaction:
# - a disc that is no DVD-Video disc (plain ISO 9660): "Please insert a valid Video DVD." with the
#   critical icon, titled "Lumadisc";
# - what is no disc at all on the command line (a text file, a wiped image, a folder without
#   VIDEO_TS): a line on standard error and no message;
# - discs that never play (encrypted without libdvdcss, empty VIDEO_TS files): told once, then
#   left alone by the disc watch, and the program stays responsive;
# - an image truncated and then deleted while its title plays: the idle state, no crash.
source "$(dirname "$0")/lib.sh"
start_display

start_lumadisc "$DISC_DIR/iso9660-only.iso"
wait_message_box Lumadisc
message_says "Please insert a valid Video DVD." || fail "the message box does not ask for a valid Video DVD"
message_is_critical || fail "the message box has no critical icon"
shot not-udf-message
dismiss_message_box
find_windows
area_shows disc_name "<No DVD Drive is selected>" DejaVu-Sans-Bold 11 ||
    fail "the bar does not say that no drive is selected"
exit_lumadisc

echo "notes, not a disc" >"$E2E_DIR/notes.txt"
for thing in "$E2E_DIR/notes.txt" "$DISC_DIR/damaged.iso" "$DISC_DIR/no-video-folder"; do
    start_lumadisc "$thing"
    find_windows
    sleep 2
    [[ -z "$(message_boxes)" ]] || fail "$thing on the command line gets a message"
    grep -qF "$thing is neither a disc image nor a folder holding VIDEO_TS" "$E2E_DIR/lumadisc.log" ||
        fail "$thing on the command line: nothing said on standard error"
    exit_lumadisc
done

# Discs that never play are told once; the program stays calm and answers: the drive menu opens
# and closes, and the exit button ends it.
mkdir -p "$E2E_DIR/empty/VIDEO_TS"
touch "$E2E_DIR/empty/VIDEO_TS/"{VIDEO_TS.IFO,VTS_01_0.IFO,VTS_01_1.VOB}
for disc in "$DISC_DIR/encrypted.iso" "$E2E_DIR/empty"; do
    start_lumadisc "$disc"
    wait_message_box Lumadisc
    shot "never-plays-$(basename "$disc")"
    said="Please insert a valid Video DVD."
    [[ $disc == *encrypted* ]] && said="This disc is encrypted."
    message_says "$said" || fail "$disc: the message does not say '$said'"
    dismiss_message_box
    find_windows
    sleep 5
    [[ -z "$(message_boxes)" ]] || fail "$disc: told again although nothing changed"
    press_bar drivers
    wait_popup
    xdotool key Escape
    poll 5 "$disc: the drive menu stayed open" '[[ -z $(popups) ]]'
    exit_lumadisc
done

# An image truncated, then deleted, while the engine is still reading its title.
cp "$DISC_DIR/long.iso" "$E2E_DIR/long.iso"
start_playing "$E2E_DIR/long.iso"
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
exit_lumadisc
echo "PASS"
