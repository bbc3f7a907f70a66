#!/usr/bin/env bash
# The camera button while a title plays, for each destination: a JPEG of the video in the
# snapshot folder, and nothing else there; the picture on the clipboard; the wallpaper bitmap.
source "$(dirname "$0")/lib.sh"
start_display
SHOTS="$E2E_DIR/shots"
mkdir -p "$SHOTS"

# Destination $1, style $2: a snapshot once the ending disc's title plays.
snapshot_with() {
    settings English.ini "$SHOTS" "$1" "$2" >"$APP/Config.cfg"
    start_playing "$DISC_DIR/ending.iso" "destination $1: the title"
    grab stage "stage-$1"
    press_bar snapshot
    sleep 1
}
# Fails unless $1 is a 720 x 576 picture of format $2 that looks like the stage's grab $3.
check_picture() {
    [[ $(identify -format '%m %w %h' "$1" 2>&1) == "$2 720 576" ]] || fail "$1 is no $2 of 720x576"
    convert "$1" -resize '385x284!' "$E2E_DIR/shrunk.png"
    local error=$(compare -metric RMSE "$E2E_DIR/shrunk.png" "$E2E_DIR/$3.png" null: 2>&1 || true)
    awk -F'[()]' '{ exit !($2 < 0.2) }' <<<"$error" || fail "$1 does not show the video ($error)"
}

snapshot_with 0 0
check_picture "$SHOTS/IMG_00001.jpg" JPEG stage-0
exit_lumadisc

snapshot_with 1 0
xclip -selection clipboard -t image/png -o >"$E2E_DIR/clipboard.png" || fail "no picture to paste"
check_picture "$E2E_DIR/clipboard.png" PNG stage-1
exit_lumadisc

snapshot_with 2 2
# BMP3 is ImageMagick's name of the Windows 3 bitmap.
check_picture "$XDG_DATA_HOME/lumadisc/Lumadisc-Wallpaper.bmp" BMP3 stage-2
exit_lumadisc
[[ $(ls "$SHOTS") == IMG_00001.jpg ]] || fail "the snapshot folder holds more: $(ls -m "$SHOTS")"
echo "PASS"
