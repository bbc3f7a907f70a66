#!/usr/bin/env bash
# Playing the sample disc: the menu's picture in the stage, Enter starting chapter 1, the time
# advancing in both windows and the knob moving; pause freezes, play resumes; stop brings back
# the loading frame and nothing restarts the disc. Without a window manager the control bar
# still follows a drag.
source "$(dirname "$0")/lib.sh"
start_display

# Before any disc: the loading frame, "Lumadisc" as title, no status and no time.
start_lumadisc
find_windows
poll 15 "no loading frame before playing" loading_frame_shown
grab stage frame
grab status no-status
grab time no-time
grab title idle-title
shows_text idle-title Lumadisc DejaVu-Sans-Bold 12 || fail "the title is not Lumadisc"
shot idle
exit_lumadisc

start_playing "$DISC_DIR/lumadisc-sample.iso"
sleep 1
grab stage menu
area_shows title LUMADISC_SAMPLE DejaVu-Sans-Bold 12 || fail "title is not the disc's label"
area_shows disc_name LUMADISC_SAMPLE DejaVu-Sans-Bold 11 || fail "bar does not name the disc"
shot menu

# Enter on the keyboard chooses the highlighted "Chapter 1".
xdotool windowfocus --sync "$MAIN"
xdotool key Return
poll 15 "Enter did not start the chapter" area_differs stage menu 20000
picture_shown || fail "no picture while the chapter plays"
grab time time-1
grab status status-1
grab knob knob-1
poll 15 "the control bar's time does not advance" area_differs time time-1
poll 15 "the status line does not advance" area_differs status status-1
poll 15 "the knob does not move" area_differs knob knob-1
area_differs status no-status || fail "no status line while playing"
shot playing

# Pause freezes picture, time, status and knob.
press_bar pause
sleep 1
for area in stage time status knob; do grab "$area" "$area-paused"; done
shot paused
sleep 2
for area in stage time status knob; do
    area_matches "$area" "$area-paused" || fail "$area changes while paused"
done

# Play resumes.
press_bar play
poll 15 "play did not resume the time" area_differs time time-paused
poll 15 "play did not resume the picture" area_differs stage stage-paused

# Stop: the loading frame as before playing, no time, "The dvd is stopped", "Lumadisc".
press_bar stop
poll 15 "stop did not bring back the loading frame" area_matches stage frame
poll 5 "the time stays after stop" area_matches time no-time
area_matches status no-status || fail "the status line stays after stop"
area_matches title idle-title || fail "the title is not Lumadisc after stop"
area_shows disc_name "The dvd is stopped" DejaVu-Sans-Bold 11 || fail "bar not stopped"
shot stopped
# The disc watch stays off: nothing restarts the disc.
sleep 5
area_matches stage frame || fail "the disc restarted after a stop"
area_shows disc_name "The dvd is stopped" DejaVu-Sans-Bold 11 || fail "bar changed after stop"

# No window manager: the bar follows the pointer by itself while its background is held.
drag "$BAR" 450 14 -100 -50

exit_lumadisc
echo "PASS"
