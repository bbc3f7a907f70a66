#!/usr/bin/env bash
# A disc whose title ends: the loading frame comes back by itself and, as nobody stopped, the
# disc watch starts the disc again. A disc image or copied disc that went away while it played
# is started again only once it is back.
source "$(dirname "$0")/lib.sh"
start_display

not_loading_frame() { ! loading_frame_shown; }

start_lumadisc "$DISC_DIR/ending.iso"
find_windows
poll 20 "the ending disc did not play" picture_shown
area_shows disc_name LUMADISC_ENDING DejaVu-Sans-Bold 11 || fail "bar does not name the disc"
shot playing
poll 20 "the end of the title did not bring back the loading frame" loading_frame_shown
shot ended
# The disc is still there: the watch starts it again.
poll 20 "the disc watch did not start the disc again" picture_shown
shot restarted
press_bar exit
wait_exit "$LUMADISC_PID"

# The same with a disc image and a copied disc that are away when the title ends.
mkdir -p "$E2E_DIR/discs"
cp "$DISC_DIR/ending.iso" "$E2E_DIR/discs/ending copy (1).iso"
cp -r "$DISC_DIR/ending" "$E2E_DIR/discs/ending copy"
for disc in "$E2E_DIR/discs/ending copy (1).iso" "$E2E_DIR/discs/ending copy"; do
    kind=$([[ -d "$disc" ]] && echo folder || echo image)
    start_lumadisc "$disc"
    find_windows
    poll 20 "the $kind did not play" picture_shown
    mv "$disc" "$disc.away"
    poll 20 "the $kind's title did not end" loading_frame_shown
    sleep 4
    loading_frame_shown || fail "something started while the $kind was away"
    [[ -z "$(xdotool search --onlyvisible --name '^Lumadisc$' | grep -vx -e "$BAR" -e "$MAIN")" ]] ||
        fail "a window appeared while the $kind was away"
    shot "$kind-away"
    mv "$disc.away" "$disc"
    poll 20 "the $kind did not start again when it came back" picture_shown
    shot "$kind-back"
    press_bar exit
    wait_exit "$LUMADISC_PID"
done
echo "PASS"
