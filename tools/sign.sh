#!/usr/bin/env bash
# Signs a Windows program in place: Authenticode with SHA-256, the
# certificate from $VALUTRINO_SIGN_PFX and its password from
# $VALUTRINO_SIGN_PASSWORD, so that neither shows on a command line; a time
# stamp from $VALUTRINO_TIMESTAMP_URL when one is named. makensis calls it
# too, for the uninstaller and the setup program.
# Usage: tools/sign.sh PROGRAM.exe
set -euo pipefail
file=$1
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
