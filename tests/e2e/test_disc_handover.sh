#!/usr/bin/env bash
# A desktop starts a disc handler with the disc's mount point as a file:// URI: the program
# plays that disc.
source "$(dirname "$0")/lib.sh"
start_display

mount="$E2E_DIR/media/My Disc (1)"
mkdir -p "$E2E_DIR/media"
cp -r "$DISC_DIR/menu" "$mount"
start_lumadisc "file://${mount// /%20}/"
find_windows
poll 20 "the disc handed over as a file:// URI did not play" picture_shown
shot playing
press_bar exit
wait_exit "$LUMADISC_PID"
echo "PASS"
