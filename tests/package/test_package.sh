#!/usr/bin/env bash
# The Debian package: built and checked by scripts/package, installed with apt-get, its files in
# place and valid, then removed with apt-get. The installed program itself runs in
# tests/e2e/test_startup.sh, from the same install rules.
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

id=com.quorvane.Lumadisc
for file in /usr/bin/lumadisc /usr/share/lumadisc/{Resources/GUI.qml,Lang/English.ini} \
    /usr/share/applications/$id.desktop /usr/share/icons/hicolor/scalable/apps/$id.svg \
    /usr/share/icons/hicolor/48x48/apps/$id.png /usr/share/man/man1/lumadisc.1.gz; do
    [[ -f "$file" ]] || fail "the package did not install $file"
done
desktop-file-validate /usr/share/applications/$id.desktop ||
    fail "the installed desktop entry is not valid"
appstreamcli validate --no-net /usr/share/metainfo/$id.metainfo.xml >/dev/null ||
    fail "the installed AppStream metainfo is not valid"

remove || fail "apt-get remove failed: $(tail -5 "$E2E_DIR/remove.log")"
[[ ! -e /usr/bin/lumadisc && ! -e /usr/share/lumadisc ]] || fail "apt-get remove left the program"
echo "PASS"
