#!/usr/bin/env bash
# What a user can get wrong with ./dev COMMAND --debian N, on a clone of the
# tree, with debootstrap, unshare, mount and chroot faked: chroot only notes
# what it was given and what was copied.
set -euo pipefail
cd "$(dirname "$0")/.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The working tree as it stands, over its last commit.
git clone -q . "$scratch/tree"
git ls-files -z --cached --others --exclude-standard | tar --null -T - --ignore-failed-read -cf - 2>/dev/null |
    tar -xf - -C "$scratch/tree"

# Every tool of the system but sudo, and a user who is not root.
mkdir "$scratch/system" "$scratch/fake"
cp -s /usr/bin/* /usr/sbin/* "$scratch/system/" 2>/dev/null || true
rm -f "$scratch/system/sudo"
fake() { printf '#!/bin/sh\n%s\n' "$2" >"$scratch/fake/$1" && chmod +x "$scratch/fake/$1"; }
fake id '[ "$1" = -u ] && echo 1000 || exec /usr/bin/id "$@"'
fake debootstrap 'mkdir -p "$3/etc/apt/sources.list.d" "$3/usr/sbin" "$3/root"'
fake mount :
fake unshare 'while [ "$1" != bash ]; do shift; done; exec "$@"'
fake chroot 'printf "%s\n" "$@" >"$OUT/chroot"; cd "$1/root/valutrino" && find . -type f >"$OUT/copied"'
export OUT=$scratch PATH=$scratch/fake:$scratch/system
debian() { (cd "$scratch/tree" && ./dev "$@") >"$scratch/log" 2>&1; }

. tests/checks.sh
check "without sudo: refused" fails debian test --debian 13
check "without sudo: says what to do" grep -q "install sudo" "$scratch/log"

fake sudo 'echo "$@" >"$OUT/sudo"; exec "$@"'
check "an unknown release: refused" fails debian test --debian 11
check "an unknown release: the releases known" grep -q "12|13" "$scratch/log"
check "nothing made for it" test ! -e "$scratch/tree/.cache/debian-11.tar"

last=$(cd "$scratch/tree" && git ls-files | tail -1)
rm "$scratch/tree/$last"
check "a file deleted in the tree: the run goes on" debian test --debian 13
check "through sudo" grep -q "debian_root.sh 13 ./dev test" "$scratch/sudo"
check "the tree copied" grep -qx ./dev "$scratch/copied"
check "the deleted file left out" fails grep -qx "./$last" "$scratch/copied"
check "dated by the commit" grep -qx "SOURCE_DATE_EPOCH=$(git -C "$scratch/tree" log -1 --format=%ct)" "$scratch/chroot"
checks_done
