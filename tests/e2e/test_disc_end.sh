#!/usr/bin/env bash
# A disc image or copied disc whose title ends: the loading frame comes back by itself, and as
# nobody stopped, the disc watch starts the disc again, but only once it is back if it went away
# while it played. The copied disc is handed over as a desktop hands over a mounted disc: its
# folder as a file:// URI.
source "$(dirname "$0")/lib.sh"
start_display

mkdir -p "$E2E_DIR/discs"
cp "$DISC_DIR/ending.iso" "$E2E_DIR/discs/ending copy (1).iso"
cp -r "$DISC_DIR/ending" "$E2E_DIR/discs/My Disc (2)"
for disc in "$E2E_DIR/discs/ending copy (1).iso" "$E2E_DIR/discs/My Disc (2)"; do
    kind=image uri=$disc
    [[ -d "$disc" ]] && kind=folder uri="file://${disc// /%20}/"
    start_playing "$uri"
    mv "$disc" "$disc.away"
    poll 20 "the $kind's title did not end" loading_frame_shown
    area_lit status '< 0.02' || fail "the main window still shows a time after the $kind's end"
    sleep 4
    loading_frame_shown || fail "something started while the $kind was away"
    ! dialog_titled Lumadisc || fail "a window appeared while the $kind was away"
    mv "$disc.away" "$disc"
    poll 20 "the $kind did not start again when it came back" picture_shown
    exit_lumadisc
done
echo "PASS"
