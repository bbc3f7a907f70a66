#!/usr/bin/env bash
# Playing the sample disc: its label in both windows, Enter starting chapter 1, the time advancing
# in both windows and the knob moving; stop brings back the loading frame, "Lumadisc" as title and
# no time, and nothing restarts the disc. Without a window manager the control bar still follows a
# drag.
source "$(dirname "$0")/lib.sh"
start_display

start_playing "$DISC_DIR/lumadisc-sample.iso"
sleep 1
grab stage menu
area_shows title LUMADISC_SAMPLE DejaVu-Sans-Bold 12 || fail "the title is not the disc's label"
area_shows disc_name LUMADISC_SAMPLE DejaVu-Sans-Bold 11 || fail "the bar does not name the disc"

# Enter on the keyboard chooses the highlighted "Chapter 1".
xdotool windowfocus --sync "$MAIN" key Return
poll 15 "Enter did not start the chapter" area_differs stage menu 20000
for area in time status knob; do grab $area $area-1; done
for area in time status knob; do
    poll 15 "the $area does not advance" area_differs $area $area-1
done
shot playing

press_bar stop
poll 15 "stop did not bring back the loading frame" loading_frame_shown
area_shows disc_name "The dvd is stopped" DejaVu-Sans-Bold 11 || fail "the bar does not say stopped"
area_shows title Lumadisc DejaVu-Sans-Bold 12 || fail "the title is not Lumadisc after stop"
poll 5 "the bar still shows a time after stop" area_lit time '< 0.02'
# The disc watch stays off: nothing restarts the disc.
sleep 5
loading_frame_shown || fail "the disc restarted after a stop"

# No window manager: the bar follows the pointer by itself while its background is held.
drag "$BAR" 450 14 -100 -50
exit_lumadisc
echo "PASS"
