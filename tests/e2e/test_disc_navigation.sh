#!/usr/bin/env bash
# The sample disc's title with chapters (at 0, 10 and 16 s): MPRIS Next moves to chapter 2;
# stopped at 12 s and started again from the drive menu, the disc offers to resume, and Y
# continues at 12 s (± 1 s).
source "$(dirname "$0")/lib.sh"

start_session_bus
start_display
start_playing "$DISC_DIR/lumadisc-sample.iso" "the disc's menu"
play_sample_title
pc next
poll 4 "Next did not move to chapter 2 (10 to 16 s)" '(($(seconds) >= 10 && $(seconds) < 16))'

# Stopped as soon as the time shows 12 s, so that it is still 12 s when the place is taken.
for _ in $(seq 150); do (($(seconds) >= 12)) && break; sleep 0.1; done
pc stop
press_bar drivers
wait_popup
click_popup 11
poll 20 "the disc did not start again from the drive menu" '[[ $(pc status) == Playing ]]'
grab "MAIN 13 247 359 24" notice
shows_text notice "Resume at 0:12? Press Y or click here." DejaVu-Sans 13 || fail "no resume notice"
xdotool windowfocus --sync "$MAIN" key y
poll 10 "accepting did not continue at 12 s" '(($(seconds) >= 11 && $(seconds) <= 13))'
echo "PASS"
