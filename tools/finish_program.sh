#!/usr/bin/env bash
# Finishes a Windows program in place: dates its PE header by
# $SOURCE_DATE_EPOCH, as the linker does for Valutrino.exe (NSIS would leave
# its own build date in the setup program and the uninstaller), then signs
# it when $VALUTRINO_SIGN_PFX names a certificate. makensis calls it for the
# uninstaller and the setup program.
#
# The signature: Authenticode with SHA-256, the certificate's password from
# $VALUTRINO_SIGN_PASSWORD, so that it never shows on a command line; a time
# stamp from $VALUTRINO_TIMESTAMP_URL when one is named.
# Usage: tools/finish_program.sh PROGRAM.exe
set -euo pipefail
file=$1

# TimeDateStamp: 8 bytes into the PE header, whose offset is at 0x3c.
header=$(od -An -tu4 -j60 -N4 "$file" | tr -d ' ')
printf "$(printf '\\x%02x' $((SOURCE_DATE_EPOCH & 255)) $((SOURCE_DATE_EPOCH >> 8 & 255)) \
    $((SOURCE_DATE_EPOCH >> 16 & 255)) $((SOURCE_DATE_EPOCH >> 24 & 255)))" |
    dd of="$file" bs=1 seek=$((header + 8)) conv=notrunc status=none

[ -n "${VALUTRINO_SIGN_PFX:-}" ] || exit 0
timestamp=()
[ -z "${VALUTRINO_TIMESTAMP_URL:-}" ] || timestamp=(-ts "$VALUTRINO_TIMESTAMP_URL")
if ! printf '%s' "$VALUTRINO_SIGN_PASSWORD" |
    osslsigncode sign -pkcs12 "$VALUTRINO_SIGN_PFX" -readpass - -h sha256 -n Valutrino \
        "${timestamp[@]}" -in "$file" -out "$file.signed" >/dev/null; then
    rm -f "$file.signed"
    echo "Could not sign $file with $VALUTRINO_SIGN_PFX" >&2
    exit 1
fi
mv "$file.signed" "$file"
