#!/usr/bin/env bash
# tools/debian_root.sh 12|13 PROGRAM [ARGUMENT...]
# Runs PROGRAM of the source tree (./dev COMMAND, say) in a fresh Debian root
# of that release, as root, as a new user of that release would: ./dev
# installs what it needs there itself. What the run leaves in dist/ replaces
# the tree's dist/; the page it built, build-web/Valutrino.html with its
# BUILDINFO when it is a release's, and its screenshots/web/ come back too.
#
# The minimal root debootstrap makes is kept in .cache/debian-RELEASE.tar and
# unpacked anew for every run, so that nothing of an earlier run is left. The
# working tree goes in as it stands, uncommitted changes included, without
# ignored files (no builds); for ./dev release and ./dev web release, the
# last commit goes in.
# SOURCE_DATE_EPOCH and VALUTRINO_COMMIT go in too, as the root has no git.
# Everything runs in mount and process namespaces of its own: the mounts and
# any process left behind go with the run, however it ends.
set -euo pipefail
cd "$(dirname "$0")/.."

release=${1:-}
case "$release" in
12) suite=bookworm ;;
13) suite=trixie ;;
*)
    echo "usage: $0 12|13 PROGRAM [ARGUMENT...]" >&2
    exit 2
    ;;
esac
shift
mirror=http://deb.debian.org/debian
cache=.cache/debian-$release.tar
mkdir -p .cache

if [ ! -f "$cache" ]; then
    echo "Making the Debian $release root (once; kept in $cache)"
    command -v debootstrap >/dev/null ||
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
    made=$(mktemp -d .cache/made.XXXXXX)
    trap 'rm -rf --one-file-system "$made" "$made.log"' EXIT
    # As / is everywhere: apt's downloads run as a user of their own.
    chmod 755 "$made"
    debootstrap --variant=minbase "$suite" "$made" "$mirror" >"$made.log" || {
        cat "$made.log" >&2
        exit 1
    }
    # The sources a new installation has: its release, with security updates
    # and stable updates.
    rm -f "$made/etc/apt/sources.list"
    cat >"$made/etc/apt/sources.list.d/debian.sources" <<EOF
Types: deb
URIs: $mirror
Suites: $suite $suite-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: ${mirror}-security
Suites: $suite-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    # No services start in a root that is gone after the run.
    printf '#!/bin/sh\nexit 101\n' >"$made/usr/sbin/policy-rc.d"
    chmod +x "$made/usr/sbin/policy-rc.d"
    tar -C "$made" --numeric-owner -cf "$cache.part" .
    mv "$cache.part" "$cache"
    rm -rf --one-file-system "$made" "$made.log"
    trap - EXIT
fi

# The packages apt downloads are kept across runs, as a root installs the
# same ones every time: linked into the root's own archive folder and back,
# so that roots running at once do not stop at one another's apt lock.
archives=.cache/debian-$release-archives
mkdir -p "$archives"
root=$(mktemp -d .cache/root.XXXXXX)
# link_debs FROM TO: a package already there is left as it is.
link_debs() { find "$1" -maxdepth 1 -name '*.deb' -exec cp -nl -t "$2" {} + 2>/dev/null || true; }
trap 'link_debs "$root/var/cache/apt/archives" "$archives"; rm -rf --one-file-system "$root"' EXIT
tar -C "$root" --numeric-owner -xpf "$cache"
link_debs "$archives" "$root/var/cache/apt/archives"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mkdir "$root/root/valutrino"
if [ "${*:1:2}" = "./dev release" ] || [ "$*" = "./dev web release" ]; then
    git archive HEAD
else
    git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' file; do
            # A tracked file deleted in the working tree stays out.
            [ ! -e "$file" ] || printf '%s\0' "$file"
        done |
        tar --null -T - -cf -
fi | tar -C "$root/root/valutrino" -xf -

# shellcheck disable=SC2016 # expanded by the shell inside
# Wine needs /dev/shm and /tmp writable, Xvfb /tmp/.X11-unix; a process
# namespace of its own gives the root a /proc of its own.
unshare --mount --propagation private --pid --fork --kill-child bash -euc '
    root=$1
    shift
    mount -t proc proc "$root/proc"
    mount --rbind /dev "$root/dev"
    mount -t tmpfs tmpfs "$root/dev/shm"
    mount --rbind /sys "$root/sys"
    mount -t tmpfs tmpfs "$root/tmp"
    mount -t tmpfs -o mode=755 tmpfs "$root/run"
    chroot "$root" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" ${CI+CI="$CI"} \
        ${VALUTRINO_WITHOUT_32BIT+VALUTRINO_WITHOUT_32BIT="$VALUTRINO_WITHOUT_32BIT"} \
        SOURCE_DATE_EPOCH="$SOURCE_DATE_EPOCH" VALUTRINO_COMMIT="$VALUTRINO_COMMIT" \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        /bin/bash -c "cd /root/valutrino && exec \"\$@\"" run "$@"
' debian-root "$root" "$@"
if [ -f "$root/root/valutrino/build-web/Valutrino.html" ]; then
    mkdir -p build-web screenshots
    rm -f build-web/BUILDINFO
    cp "$root/root/valutrino/build-web/Valutrino.html" build-web/
    [ ! -f "$root/root/valutrino/build-web/BUILDINFO" ] || cp "$root/root/valutrino/build-web/BUILDINFO" build-web/
    rm -rf screenshots/web
    [ ! -d "$root/root/valutrino/screenshots/web" ] || cp -r "$root/root/valutrino/screenshots/web" screenshots/
    chown -R --reference=. build-web screenshots
fi
if [ -d "$root/root/valutrino/dist" ]; then
    rm -rf dist
    mv "$root/root/valutrino/dist" dist
    # Run through sudo, the files still belong to the tree's owner.
    chown -R --reference=. dist
fi
