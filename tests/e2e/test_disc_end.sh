#!/usr/bin/env bash
# A disc whose title ends: the loading frame comes back by itself and, as nobody stopped, the
# disc watch starts the disc again. A disc image or copied disc that went away while it played
# is started again only once it is back. The copied disc is handed over as a desktop hands over
# a mounted disc: its folder as a file:// URI.
source "$(dirname "$0")/lib.sh"
start_display

start_playing "$DISC_DIR/ending.iso"
shot playing
poll 20 "the end of the title did not bring back the loading frame" loading_frame_shown
shot ended
# The disc is still there: the watch starts it again.
poll 20 "the disc watch did not start the disc again" picture_shown
shot restarted
exit_lumadisc

# The same with a disc image and a copied disc that are away when the title ends.
mkdir -p "$E2E_DIR/discs"
cp "$DISC_DIR/ending.iso" "$E2E_DIR/discs/ending copy (1).iso"
cp -r "$DISC_DIR/ending" "$E2E_DIR/discs/My Disc (2)"
for disc in "$E2E_DIR/discs/ending copy (1).iso" "$E2E_DIR/discs/My Disc (2)"; do
    kind=image
    [[ -d "$disc" ]] && kind=folder
    if [[ $kind == image ]]; then start_playing "$disc"; else start_playing "file://${disc// /%20}/"; fi
    mv "$disc" "$disc.away"
    poll 20 "the $kind's title did not end" loading_frame_shown
    sleep 4
    loading_frame_shown || fail "something started while the $kind was away"
    [[ -z "$(message_boxes)" ]] || fail "a window appeared while the $kind was away"
    shot "$kind-away"
    mv "$disc.away" "$disc"
    poll 20 "the $kind did not start again when it came back" picture_shown
    shot "$kind-back"
    exit_lumadisc
done
echo "PASS"
