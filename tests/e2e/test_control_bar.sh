#!/usr/bin/env bash
# The control bar's buttons, clicked like a user under a window manager: the DVD menu key,
# volume and mute, the drive menu and choosing a disc from it, the help menu and the
# About window, minimising and restoring, dragging both windows; a right press never reaches
# either skin.
source "$(dirname "$0")/lib.sh"
start_display openbox

start_playing "$DISC_DIR/lumadisc-sample.iso"
sleep 1
grab stage menu
shot bar

# "OK" of the bar's DVD menu pad chooses "Chapter 1".
press_bar enter
poll 15 "the bar's enter did not start the chapter" area_differs stage menu 20000

# The level meter shows the volume's tens: ten segments, lit while volume > 10 x index.
lit_segments() {
    grab meter meter-now
    convert "$E2E_DIR/meter-now.png" -format \
        "$(for i in $(seq 0 9); do printf '%%[fx:p{%d,4}.intensity > 0.3] ' $((i * 8 + 3)); done)" \
        info: | tr ' ' '\n' | grep -c 1
}
# Left edge of the main window's volume slider handle.
handle_x() {
    grab slider slider-now
    convert "$E2E_DIR/slider-now.png" -colorspace gray -threshold 80% -trim -format '%X' info: |
        tr -d +
}
[[ $(lit_segments) == 5 ]] || fail "the meter does not show volume 50"
grab volume_text volume-50
grab mute mute-on
handle50=$(handle_x)
for _ in $(seq 9); do press_bar vol-; done
poll 5 "nine vol- did not reach 41" '[[ $(lit_segments) == 5 ]]'
area_differs volume_text volume-50 || fail "the volume text did not change"
press_bar vol-
poll 5 "ten vol- did not reach 40" '[[ $(lit_segments) == 4 ]]'
moved=$((handle50 - $(handle_x)))
((moved >= 8 && moved <= 13)) || fail "the volume slider moved by $moved pixels for 10 steps"
# Mute changes the main window's mute button; a volume step ends the mute.
press_bar mute
poll 5 "mute did not change the mute button" area_differs mute mute-on
shot muted
press_bar vol+
poll 5 "vol+ did not end the mute" area_matches mute mute-on

# The disc button opens the drive menu, whose first item is the disc of the command line.
press_bar stop
poll 15 "stop did not bring back the loading frame" loading_frame_shown
press_bar drivers
wait_popup
sleep 0.3
shot drive-menu
click_popup 11
poll 20 "choosing the disc from the drive menu did not start it" picture_shown
area_shows disc_name LUMADISC_SAMPLE DejaVu-Sans-Bold 11 || fail "bar does not name the disc"

# The help button's menu: "How To Use?", a separator, "About"; About opens the About window.
press_bar about
wait_popup
sleep 0.3
shot help-menu
popup_shows "How To Use?" 2 || fail "the help menu's first item"
click_popup $(($(geometry_of "$POPUP" | cut -d'x' -f2 | cut -d+ -f1) - 12))
wait_message_box "About Lumadisc"
sleep 0.5
shot about
dismiss_message_box

# Minimise hides the main window and minimises the bar; restoring the bar brings both back.
map_state() { xwininfo -id "$1" | awk '/Map State/ {print $NF}'; }
press_bar mini
poll 10 "the bar was not minimised" sh -c "xprop -id $BAR WM_STATE | grep -q Iconic"
poll 10 "the main window stayed" '[[ $(map_state "$MAIN") != IsViewable ]]'
shot minimised
wmctrl -i -a "$BAR"
poll 10 "the bar was not restored" '[[ $(map_state "$BAR") == IsViewable ]]'
poll 10 "the main window did not come back" '[[ $(map_state "$MAIN") == IsViewable ]]'
shot restored

# Dragging the skins' backgrounds moves the windows through the window manager.
drag "$BAR" 450 14 80 -40
drag "$MAIN" 200 294 80 -40
sleep 1
shot dragged
exit_lumadisc

# Skins that turn magenta when a right or middle button press reaches them: the right button
# never does, the middle button does (so the probe works).
for skin in GUI Player; do
    sed -i '$d' "$APP/Resources/$skin.qml"
    cat >>"$APP/Resources/$skin.qml" <<'QML'
    Rectangle { id: probe; anchors.fill: parent; z: 1000; visible: false; color: "#ff00ff" }
    MouseArea {
        anchors.fill: parent
        z: 999
        acceptedButtons: Qt.RightButton | Qt.MiddleButton
        onPressed: probe.visible = true
    }
}
QML
done
magenta() {
    grab "$1" probe-now
    (($(convert "$E2E_DIR/probe-now.png" -format '%[fx:mean.r > 0.9 && mean.b > 0.9]' info:)))
}
start_lumadisc
find_windows
bar_skin="BAR 0 0 800 100"
title_bar="MAIN 0 284 385 46"
click_bar 450 14 3
read -r mx my < <(origin_of "$MAIN")
xdotool mousemove $((mx + 200)) $((my + 294)) click 3
sleep 1.5
[[ -z "$(popups)" ]] || fail "a right click opened a menu"
! magenta "$bar_skin" || fail "a right press reached the control bar's skin"
! magenta "$title_bar" || fail "a right press reached the player's skin"
click_bar 450 14 2
xdotool mousemove $((mx + 200)) $((my + 294)) click 2
poll 5 "a middle press did not reach the control bar's skin" magenta "$bar_skin"
poll 5 "a middle press did not reach the player's skin" magenta "$title_bar"
shot probe
echo "PASS"
