#!/usr/bin/env bash
# Installs the package with apt-get, checks that the program starts and that
# its files are where the desktop looks for them, then removes it and checks
# that nothing is left.  Usage: package_check.sh PACKAGE.deb
set -euo pipefail
deb=$(realpath "$1")
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

files=(
    /usr/bin/valutrino
    /usr/share/applications/it.valutrino.Valutrino.desktop
    /usr/share/metainfo/it.valutrino.Valutrino.metainfo.xml
    /usr/share/icons/hicolor/32x32/apps/it.valutrino.Valutrino.png
    /usr/share/icons/hicolor/64x64/apps/it.valutrino.Valutrino.png
    /usr/share/icons/hicolor/scalable/apps/it.valutrino.Valutrino.svg
    /usr/share/man/man1/valutrino.1.gz
    /usr/share/man/it/man1/valutrino.1.gz
    /usr/share/doc/valutrino/copyright
    /usr/share/doc/valutrino/changelog.Debian.gz
)
. "${BASH_SOURCE%/*}/checks.sh"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
for file in "${files[@]}"; do
    check "installed: $file" test -f "$file"
done
# Started means still running when stopped two seconds later.
status=0
QT_QPA_PLATFORM=offscreen timeout 2 valutrino >/dev/null 2>&1 || status=$?
check "valutrino starts and keeps running (exit $status)" test "$status" -eq 124

"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq valutrino >/dev/null
for file in "${files[@]}"; do
    check "removed: $file" test ! -e "$file"
done
checks_done
