#!/usr/bin/env bash
# tools/declared_build.sh [nocheck]
# Builds the Debian package as Debian's build daemons do, meant for the fresh
# root of tools/debian_root.sh (./dev debian-build): build-essential and what
# debian/control declares, without the packages they merely recommend, then
# dpkg-buildpackage as a user without rights. nocheck: without the tests and
# what only they need. The packages go into dist/.
set -euo pipefail
cd "$(dirname "$0")/.."
profile=()
if [ "${1:-}" = nocheck ]; then
    profile=(-Pnocheck)
    export DEB_BUILD_OPTIONS=nocheck
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends build-essential >/dev/null
# The list of new packages shows what the build had.
apt-get build-dep -y -q --no-install-recommends "${profile[@]}" ./ |
    sed -n '/^The following NEW packages/,/^[0-9]* upgraded/p'

# dpkg-buildpackage writes beside the tree, so the user gets a folder of its own.
home=$(mktemp -d)
cp -a . "$home/valutrino"
chown -R nobody:nogroup "$home"
(cd "$home/valutrino" && setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME="$home" \
    dpkg-buildpackage -b --no-sign -j"$(nproc)" "${profile[@]}")
mkdir -p dist
cp "$home"/*.deb dist/
