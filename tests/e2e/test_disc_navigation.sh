#!/usr/bin/env bash
# The sample disc's title with chapters: MPRIS Next moves to chapter 2; the subtitle pop-up lists
# both streams and "Off"; stopped at 12 s and started again, the disc offers to resume, and Y
# continues at 12 s (± 1 s).
source "$(dirname "$0")/lib.sh"

start_session_bus
start_display
start_playing "$DISC_DIR/lumadisc-sample.iso" "the disc's menu"
# The menu's first button starts title 1 (chapters at 0, 10 and 16 s) at its start.
xdotool windowfocus --sync "$MAIN" key Return
poll 15 "CanGoNext is not true while the title with chapters plays" '[[ $(gdbus call --session \
    --dest org.mpris.MediaPlayer2.lumadisc --object-path /org/mpris/MediaPlayer2 --method \
    org.freedesktop.DBus.Properties.Get org.mpris.MediaPlayer2.Player CanGoNext) == "(<true>,)" ]]'
pc next
poll 4 "Next did not move to chapter 2 (10 to 16 s)" '(($(seconds) >= 10 && $(seconds) < 16))'

# The pop-up's three rows, each read right of the column of the tick.
press_bar subtitles
wait_popup
read -r width height < <(geometry_of "$POPUP" | awk -F'[x+]' '{ print $1, $2 }')
items=("1. English" "2. French" "Off")
for row in 0 1 2; do
    grab "POPUP 28 $((4 + row * (height - 8) / 3)) $((width - 32)) $(((height - 8) / 3))" item
    shows_text item "${items[row]}" DejaVu-Sans 12 dark || fail "row $row of the subtitle pop-up is not ${items[row]}"
done
xdotool key Escape

# Stopped as soon as the time shows 12 s, so that it is still 12 s when the place is taken.
for _ in $(seq 150); do (($(seconds) >= 12)) && break; sleep 0.1; done
pc stop
press_bar drivers
wait_popup
click_popup 11
poll 20 "the disc did not start again" '[[ $(pc status) == Playing ]]'
grab "MAIN 13 247 359 24" notice
shows_text notice "Resume at 0:12? Press Y or click here." DejaVu-Sans 13 || fail "no resume notice"
xdotool windowfocus --sync "$MAIN" key y
poll 10 "accepting did not continue at 12 s" '(($(seconds) >= 11 && $(seconds) <= 13))'
echo "PASS"
