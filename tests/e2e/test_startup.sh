#!/usr/bin/env bash
# Start-up and the ways out: both windows placed by the program, and every way out but power ending
# the process through main(), letting go of the engine even while a disc plays: the control bar's
# exit, and closing either window through the window manager. Status 0, not a crash while tidying
# up; nothing written at shutdown. The program as `cmake --install` lays it out finds its skins in
# the installed data folder, plays, and keeps its settings in $XDG_CONFIG_HOME/lumadisc, not beside
# the executable.
source "$(dirname "$0")/lib.sh"

start_display # no window manager: the windows sit where the program puts them

start_lumadisc
find_windows
[[ $(geometry_of "$BAR") == "800x100+112+598" ]] || fail "control bar at $(geometry_of "$BAR")"
[[ $(geometry_of "$MAIN") == "385x400+319+198" ]] || fail "main window at $(geometry_of "$MAIN")"
before=$(stat -c "%i %y" "$APP/Config.cfg")
exit_lumadisc
[[ $(stat -c "%i %y" "$APP/Config.cfg") == "$before" ]] || fail "Config.cfg changed at shutdown"

start_window_manager
start_lumadisc
find_windows
wmctrl -i -c "$MAIN"
ended_cleanly "closing the main window"
cmake --install "$LUMADISC_BUILD_DIR" --prefix "$E2E_DIR/prefix" >"$E2E_DIR/install.log" ||
    fail "cmake --install failed: $(tail -3 "$E2E_DIR/install.log")"
APP="$E2E_DIR/prefix/bin"
start_playing "$DISC_DIR/lumadisc-sample.iso" "the installed program: the disc"
shot installed
[[ -f "$XDG_CONFIG_HOME/lumadisc/Config.cfg" && ! -e "$APP/Config.cfg" ]] ||
    fail "the installed program's settings are not in \$XDG_CONFIG_HOME/lumadisc alone"
wmctrl -i -c "$BAR"
ended_cleanly "closing the control bar of the installed program while a disc plays"
echo "PASS"
