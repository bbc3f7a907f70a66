#!/usr/bin/env bash
# The control bar's buttons, clicked like a user under a window manager: volume on the bar's meter
# and the main window's slider, mute on its button and ended by vol+, About from the help menu,
# minimising and restoring, dragging both windows; a right press never reaches either skin.
source "$(dirname "$0")/lib.sh"
start_display openbox

# Skins that turn magenta when a right or middle button press reaches them.
for skin in GUI Player; do
    sed -i '$d' "$APP/Resources/$skin.qml"
    cat >>"$APP/Resources/$skin.qml" <<'QML'
    Rectangle { id: probe; anchors.fill: parent; z: 1000; visible: false; color: "#ff00ff" }
    MouseArea { anchors.fill: parent; z: 999; acceptedButtons: Qt.RightButton | Qt.MiddleButton
                onPressed: probe.visible = true }
}
QML
done
start_playing "$DISC_DIR/lumadisc-sample.iso"

# The level meter lights its segment i while the volume is above 10 x i.
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
handle50=$(handle_x)
grab mute mute-off
for _ in $(seq 10); do press_bar vol-; done
poll 5 "ten vol- from 50 did not leave 4 segments of the meter lit" '[[ $(lit_segments) == 4 ]]'
moved=$((handle50 - $(handle_x)))
((moved >= 8 && moved <= 13)) || fail "the volume slider moved by $moved pixels for 10 steps"
# Mute changes the main window's mute button; a volume step ends the mute.
press_bar mute
poll 5 "mute did not change the main window's mute button" area_differs mute mute-off
press_bar vol+
poll 5 "vol+ did not end the mute" '! area_differs mute mute-off'

# The help button's menu ends with About, which opens the About window.
press_bar about
wait_popup
sleep 0.3
click_popup -12
wait_message_box "About Lumadisc"
shot about
dismiss_message_box

# Minimise hides the main window and minimises the bar; restoring the bar brings both back.
press_bar mini
poll 10 "the bar was not minimised" sh -c "xprop -id $BAR WM_STATE | grep -q Iconic"
poll 10 "the main window stayed" '! xwininfo -id "$MAIN" | grep -q IsViewable'
wmctrl -i -a "$BAR"
poll 10 "the main window did not come back" 'xwininfo -id "$MAIN" | grep -q IsViewable'

# Dragging the player's title bar moves it through the window manager (the bar's drag is
# e2e.test_playback's, without one).
drag "$MAIN" 200 294 80 -40

# A right press reaches neither skin and opens no menu; a middle press reaches both, so the
# probes work.
declare -A SKIN=([control bar]="BAR 0 0 800 100" [player]="MAIN 0 284 385 46")
magenta() {
    grab "${SKIN[$1]}" probe-now
    (($(convert "$E2E_DIR/probe-now.png" -format '%[fx:mean.r > 0.9 && mean.b > 0.9]' info:)))
}
press_skins() {
    local x y
    read -r x y < <(origin_of "$MAIN")
    click_bar 450 14 "$1"
    xdotool mousemove $((x + 200)) $((y + 294)) click "$1"
}
press_skins 3
sleep 1.5
[[ -z "$(popups)" ]] || fail "a right click opened a menu"
for skin in "${!SKIN[@]}"; do
    ! magenta "$skin" || fail "a right press reached the $skin's skin"
done
press_skins 2
for skin in "${!SKIN[@]}"; do
    poll 5 "a middle press did not reach the $skin's skin" magenta "$skin"
done
echo "PASS"
