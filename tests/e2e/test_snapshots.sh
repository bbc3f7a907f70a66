#!/usr/bin/env bash
# The camera button while a title plays, for each destination: a JPEG of the video in the
# snapshot folder; the picture on the clipboard, its working folder empty again, another
# program's "IMG_" file in TEMP untouched; the wallpaper bitmap and its URI in GNOME's settings.
# A nearly full snapshot folder gets "Insufficient disk space.".
source "$(dirname "$0")/lib.sh"
start_display
SHOTS="$E2E_DIR/shots" TEMP="$E2E_DIR/shared-tmp"
export TEMP
mkdir -p "$SHOTS" "$TEMP"
echo "not ours" >"$TEMP/IMG_00001.jpg"

# Destination $1, style $2, snapshot folder $3: a snapshot once the ending disc's title plays.
snapshot_with() {
    write_config "${3:-$SHOTS}" "$1" "$2"
    start_playing "$DISC_DIR/ending.iso" "destination $1: the title"
    grab stage "stage-$1"
    press_bar snapshot
    sleep 1
}
no_jpeg_in() { [[ -z $(find "$@" -maxdepth 1 -name 'IMG_*.jpg') ]]; }
# Fails unless $1 is a 720 x 576 picture of format $2 that looks like the stage's grab $3.
check_picture() {
    [[ $(identify -format '%m %w %h' "$1" 2>&1) == "$2 720 576" ]] || fail "$1 is no $2 of 720x576"
    convert "$1" -resize '385x284!' "$E2E_DIR/shrunk.png"
    local error
    error=$(compare -metric RMSE "$E2E_DIR/shrunk.png" "$E2E_DIR/$3.png" null: 2>&1 || true)
    awk -F'[()]' '{ exit !($2 < 0.2) }' <<<"$error" || fail "$1 does not show the video ($error)"
}

snapshot_with 0 0
check_picture "$SHOTS/IMG_00001.jpg" JPEG stage-0
exit_lumadisc

snapshot_with 1 0
xclip -selection clipboard -t image/png -o >"$E2E_DIR/clipboard.png" || fail "no picture to paste"
check_picture "$E2E_DIR/clipboard.png" PNG stage-1
no_jpeg_in "$TEMP"/lumadisc-* || fail "the clipboard's working folder kept a JPEG"
[[ $(cat "$TEMP/IMG_00001.jpg") == "not ours" ]] || fail "another program's file in TEMP was lost"
exit_lumadisc

# GNOME only here (Qt draws its message boxes differently there), its settings in a keyfile.
export XDG_CURRENT_DESKTOP=GNOME GSETTINGS_BACKEND=keyfile
snapshot_with 2 2
bitmap="$XDG_DATA_HOME/lumadisc/Lumadisc-Wallpaper.bmp"
[[ $(head -c 2 "$bitmap") == BM ]] || fail "the wallpaper is no Windows bitmap"
check_picture "$bitmap" BMP3 stage-2 # ImageMagick's name of the Windows 3 bitmap
no_jpeg_in "$XDG_DATA_HOME/lumadisc" || fail "the wallpaper's JPEG was kept"
[[ $(gsettings get org.gnome.desktop.background picture-uri) == "'file://$bitmap'" &&
    $(gsettings get org.gnome.desktop.background picture-options) == "'stretched'" ]] ||
    fail "GNOME's wallpaper is not the stretched bitmap"
exit_lumadisc
unset XDG_CURRENT_DESKTOP
[[ $(ls "$SHOTS") == IMG_00001.jpg ]] || fail "destination 1 or 2 wrote into the snapshot folder"

full="$E2E_DIR/full"
mkdir -p "$full"
if ! mount -t tmpfs -o size=64k tmpfs "$full" 2>/dev/null; then
    echo "SKIP (test_snapshots): mounting a small tmpfs is not allowed, no full-disk case"
    exit 0
fi
trap 'umount -l "$full"; session_cleanup' EXIT
head -c $((60 * 1024)) /dev/zero >"$full/filler" # 4 KiB left
snapshot_with 0 0 "$full"
wait_message_box Error
message_says "Insufficient disk space." || fail "the message does not say the disk is full"
message_is_critical || fail "the disk-space message has no critical icon"
shot disk-full
dismiss_message_box
[[ $(ls "$full") == filler ]] || fail "a snapshot was written to the full folder"
exit_lumadisc
