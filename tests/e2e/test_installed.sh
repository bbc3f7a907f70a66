#!/usr/bin/env bash
# The program as `cmake --install` lays it out: it finds its skins in the installed data folder,
# plays the sample disc, and keeps its settings in $XDG_CONFIG_HOME/lumadisc, not beside the
# executable.
source "$(dirname "$0")/lib.sh"
prefix="$E2E_DIR/prefix"
cmake --install "$LUMADISC_BUILD_DIR" --prefix "$prefix" >"$E2E_DIR/install.log" ||
    fail "cmake --install failed: $(tail -3 "$E2E_DIR/install.log")"
APP="$prefix/bin"
start_display
start_playing "$DISC_DIR/lumadisc-sample.iso" "the installed program: the disc"
[[ -f "$XDG_CONFIG_HOME/lumadisc/Config.cfg" ]] || fail "no settings in \$XDG_CONFIG_HOME/lumadisc"
[[ ! -e "$APP/Config.cfg" ]] || fail "settings written beside the installed executable"
shot playing
exit_lumadisc
echo "PASS"
