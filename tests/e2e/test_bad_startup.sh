#!/usr/bin/env bash
# Bad surroundings at start-up, by kind, each with its documented reaction:
# - a skin that is broken, has no size or runs a script that never returns: a message box
#   titled "Lumadisc" says so, and the program ends with a non-zero status; a skin whose timer
#   script never returns later is reported the same way while the player goes on;
# - no display: a clear message and status 1, no abort.
source "$(dirname "$0")/lib.sh"
start_display

# Broken skins. Each run gets the shipped skins back first.
cp -r "$APP/Resources" "$E2E_DIR/skins"
shipped_skins() { rm -rf "$APP/Resources" && cp -r "$E2E_DIR/skins" "$APP/Resources"; }
broken_skin() { # file contents what
    shipped_skins
    printf '%s\n' "$2" >"$APP/Resources/$1"
    start_lumadisc
    dismiss_message_box Lumadisc
    wait "$LUMADISC_PID" && fail "$3: the program ended with status 0"
    (($? < 128)) || fail "$3: the program crashed"
    grep -q "Lumadisc cannot start: .*$1" "$E2E_DIR/lumadisc.log" ||
        fail "$3: standard error does not name the skin"
}
signal='signal command(string command, string args)'
broken_skin GUI.qml 'import QtQuick 2.0; Item { this is not QML' broken
broken_skin Player.qml "import QtQuick; Item { $signal }" sizeless
broken_skin GUI.qml "import QtQuick; Item { width: 800; height: 100; $signal
    Component.onCompleted: { while (true) {} } }" endless-script

# A timer script that never returns once the program runs: reported, and the player goes on, so
# the bar still ends it.
shipped_skins
sed -i '$ s/}$/Timer { interval: 500; running: true; onTriggered: { for (;;) {} } } }/' \
    "$APP/Resources/Player.qml"
start_lumadisc
dismiss_message_box Lumadisc
grep -q "Player.qml is broken" "$E2E_DIR/lumadisc.log" || fail "the endless timer was not reported"
exit_lumadisc

# No display.
status=0
DISPLAY=:99999 "$APP/lumadisc" >"$E2E_DIR/no-display.log" 2>&1 || status=$?
((status == 1)) || fail "without a display the status is $status, not 1"
grep -q "no display" "$E2E_DIR/no-display.log" || fail "without a display nothing clear is said"
echo "PASS"
