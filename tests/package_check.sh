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
failed=0
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
for file in "${files[@]}"; do
    [ -f "$file" ] || { echo "missing after install: $file"; failed=1; }
done
# Started means still running when stopped two seconds later.
status=0
QT_QPA_PLATFORM=offscreen timeout 2 valutrino >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || { echo "valutrino did not keep running (exit $status)"; failed=1; }

"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq valutrino >/dev/null
for file in "${files[@]}"; do
    [ ! -e "$file" ] || { echo "left after removal: $file"; failed=1; }
done
[ "$failed" -eq 0 ] && echo "package: installed, started, removed cleanly"
exit "$failed"
