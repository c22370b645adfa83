#!/usr/bin/env bash
# ./dev release as maintainers and users meet it: two clones in folders of
# different names, released under different locales, time zones and umasks,
# give the same bytes; signing checks the password first, never shows it, and
# signs every program the setup installs.
# Usage: tests/release_check.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
first=$scratch/a/valutrino
second=$scratch/another/valutrino
git clone -q . "$first"
git clone -q . "$second"
# The Debian roots the page is built in, and apt's downloads, made once.
mkdir -p .cache
ln -s "$(realpath .cache)" "$first/.cache"
ln -s "$(realpath .cache)" "$second/.cache"

. tests/checks.sh
release() { # release CLONE [ARGUMENT...]: its output in $scratch/log
    (cd "$1" && ./dev release "${@:2}") >"$scratch/log" 2>&1
}
release "$first" || { cat "$scratch/log"; exit 1; }
(umask 077 && LC_ALL=it_IT.UTF-8 TZ=Pacific/Kiritimati release "$second") || { cat "$scratch/log"; exit 1; }
check "two clones release the same bytes" diff "$first/dist/SHA256SUMS" "$second/dist/SHA256SUMS"
check "SHA256SUMS covers every other file" test "$(cd "$first/dist" && LC_ALL=C ls | grep -vx SHA256SUMS)" = \
    "$(cut -d' ' -f3- "$first/dist/SHA256SUMS")"
check "the page is released" test -s "$(echo "$first"/dist/Valutrino-*.html)"
check "BUILDINFO names the commit" grep -qx "Commit: $(git rev-parse HEAD)" "$first/dist/BUILDINFO"
check "BUILDINFO names the page's compiler" grep -q "^ emscripten [0-9]" "$first/dist/BUILDINFO"
check "the sums hold" sh -c "cd '$first/dist' && sha256sum --quiet -c SHA256SUMS"

# A code-signing certificate of our own.
password=prova-$RANDOM$RANDOM
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Valutrino test" -keyout "$scratch/key.pem" \
    -out "$scratch/certificate.pem" -addext extendedKeyUsage=codeSigning -addext keyUsage=digitalSignature 2>/dev/null
VALUTRINO_SIGN_PASSWORD=$password openssl pkcs12 -export -inkey "$scratch/key.pem" -in "$scratch/certificate.pem" \
    -out "$scratch/test.pfx" -passout env:VALUTRINO_SIGN_PASSWORD

VALUTRINO_SIGN_PASSWORD=sbagliata check "a wrong password stops the release" fails release "$first" --sign "$scratch/test.pfx"
check "dist/ left as it was" diff "$first/dist/SHA256SUMS" "$second/dist/SHA256SUMS"
VALUTRINO_SIGN_PASSWORD=$password release "$first" --sign "$scratch/test.pfx" || { cat "$scratch/log"; exit 1; }
check "the password is never printed" fails grep -qF "$password" "$scratch/log"
setup=$(echo "$first"/dist/Valutrino-*-setup.exe)
check "setup signed" osslsigncode verify -CAfile "$scratch/certificate.pem" -in "$setup" >/dev/null
for bits in 64 32; do
    unzip -q "$first"/dist/Valutrino-*-win$bits.zip Valutrino.exe -d "$scratch/zip$bits"
    check "Valutrino.exe in the win$bits zip signed" osslsigncode verify -CAfile "$scratch/certificate.pem" \
        -in "$scratch/zip$bits/Valutrino.exe" >/dev/null
done
check "the signed setup installs, starts and uninstalls" tests/installer_check.sh "$setup" "$scratch/certificate.pem"

checks_done
