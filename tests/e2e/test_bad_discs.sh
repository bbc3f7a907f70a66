#!/usr/bin/env bash
# Bad discs, by kind, each with its documented reaction:
# - a disc that is no DVD-Video disc (plain ISO 9660): "Please insert a valid Video DVD." with the
#   critical icon, titled "Lumadisc";
# - what is no disc at all on the command line (a text file, a wiped image, a folder without
#   VIDEO_TS): a line on standard error and no message;
# - a disc that never plays (encrypted without libdvdcss): told once, then left alone by the
#   disc watch, and the program stays responsive;
# - an image truncated and then deleted while its title plays: the idle state, no crash.
source "$(dirname "$0")/lib.sh"
start_display

start_lumadisc "$DISC_DIR/iso9660-only.iso"
wait_message_box Lumadisc
message_says "Please insert a valid Video DVD." || fail "the message does not ask for a valid DVD"
grab "MESSAGE_BOX 0 0 50 50" message-icon # the critical icon is a red one
(($(convert "$E2E_DIR/message-icon.png" -format '%[fx:mean.r - mean.g > 0.15]' info:))) ||
    fail "the message box has no critical icon"
dismiss_message_box
exit_lumadisc

echo "notes, not a disc" >"$E2E_DIR/notes.txt"
for thing in "$E2E_DIR/notes.txt" "$DISC_DIR/damaged.iso" "$DISC_DIR/no-video-folder"; do
    start_lumadisc "$thing"
    find_windows
    sleep 2
    ! dialog_titled Lumadisc || fail "$thing on the command line gets a message"
    grep -qF "$thing is neither a disc image nor a folder" "$E2E_DIR/lumadisc.log" ||
        fail "$thing on the command line: nothing said on standard error"
    exit_lumadisc
done

# A disc that never plays is told once; the program stays calm and the exit button ends it.
start_lumadisc "$DISC_DIR/encrypted.iso"
wait_message_box Lumadisc
message_says "This disc is encrypted." || fail "the message does not say the disc is encrypted"
dismiss_message_box
find_windows
sleep 5
! dialog_titled Lumadisc || fail "an encrypted disc was told again although nothing changed"
exit_lumadisc

# An image truncated, then deleted, while the engine is still reading its title.
cp "$DISC_DIR/long.iso" "$E2E_DIR/long.iso"
start_playing "$E2E_DIR/long.iso"
truncate -s 1M "$E2E_DIR/long.iso"
poll 30 "the truncated image did not end in the idle state" loading_frame_shown
# What is left of it is still a disc, which the watch may start again; once deleted, it is not.
rm "$E2E_DIR/long.iso"
poll 30 "the deleted image did not end in the idle state" loading_frame_shown
sleep 3
loading_frame_shown || fail "the program did not stay idle after its image was deleted"
! dialog_titled Lumadisc || dismiss_message_box
exit_lumadisc
echo "PASS"
