#!/usr/bin/env bash
# The Debian package: built and checked by scripts/package, installed with apt-get, the installed
# program started on the sample disc under Xvfb, then removed with apt-get.
if [[ $(id -u) -ne 0 ]]; then
    echo "SKIPPED: installing the package needs root; run this test as root"
    exit 77
fi
if dpkg-query -W -f='${Status}' lumadisc 2>/dev/null | grep -q 'ok installed'; then
    echo "SKIPPED: a lumadisc package is installed already; this test leaves it alone"
    exit 77
fi
source "$LUMADISC_SOURCE_DIR/tests/e2e/lib.sh"
# One package test at a time on a machine: they share /usr.
exec 9>/tmp/lumadisc-package-test.lock
flock 9

deb=$("$LUMADISC_SOURCE_DIR/scripts/package" 2>"$E2E_DIR/package.log") ||
    fail "scripts/package failed: $(tail -5 "$E2E_DIR/package.log")"
remove() { apt-get remove -y -q lumadisc >"$E2E_DIR/remove.log" 2>&1; }
trap 'remove || true; session_cleanup' EXIT
apt-get install -y -q -o DPkg::Lock::Timeout=120 "$deb" >"$E2E_DIR/install.log" 2>&1 ||
    fail "apt-get install failed: $(tail -5 "$E2E_DIR/install.log")"

for file in /usr/share/applications/com.quorvane.Lumadisc.desktop \
    /usr/share/icons/hicolor/scalable/apps/com.quorvane.Lumadisc.svg \
    /usr/share/icons/hicolor/48x48/apps/com.quorvane.Lumadisc.png /usr/share/man/man1/lumadisc.1.gz; do
    [[ -f "$file" ]] || fail "the package did not install $file"
done
desktop-file-validate /usr/share/applications/com.quorvane.Lumadisc.desktop ||
    fail "the installed desktop entry is not valid"
appstreamcli validate --no-net /usr/share/metainfo/com.quorvane.Lumadisc.metainfo.xml >/dev/null ||
    fail "the installed AppStream metainfo is not valid"

APP=/usr/bin
start_display
start_lumadisc "$DISC_DIR/lumadisc-sample.iso"
find_windows
poll 20 "the installed program did not play the sample disc" picture_shown
[[ -f "$XDG_CONFIG_HOME/lumadisc/Config.cfg" ]] || fail "no settings in \$XDG_CONFIG_HOME/lumadisc"
shot playing
press_bar exit
wait_exit "$LUMADISC_PID"

remove || fail "apt-get remove failed: $(tail -5 "$E2E_DIR/remove.log")"
[[ ! -e /usr/bin/lumadisc && ! -e /usr/share/lumadisc ]] || fail "apt-get remove left the program"
echo "PASS"
