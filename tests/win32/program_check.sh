#!/usr/bin/env bash
# What the header and resources of a Windows program must say, for either
# architecture: a manifest naming the file's own processor architecture
# (Windows refuses to start a program whose manifest names another), ASLR
# and NX, the icon and the version record.
# Usage: program_check.sh OBJDUMP PROGRAM...
set -euo pipefail
objdump=$1
shift
windres=${objdump%objdump}windres
. "${BASH_SOURCE%/*}/../checks.sh"

for program in "$@"; do
    name=${program##*/}
    case "$("$objdump" -f "$program" | sed -n 's/^architecture: \([^,]*\),.*/\1/p')" in
    i386) machine=x86 ;;
    i386:x86-64) machine=amd64 ;;
    *) machine=unknown ;;
    esac
    manifest=$(grep -ao '<assemblyIdentity type="win32" name="it.valutrino.Valutrino"[^>]*>' "$program" |
        sed -n 's/.*processorArchitecture="\([^"]*\)".*/\1/p')
    check "$name: the manifest names ${manifest:-no architecture}, the file is for $machine" test "$manifest" = "$machine"
    characteristics=$("$objdump" -p "$program" | sed -n '/^DllCharacteristics/,/^[A-Z]/p')
    check "$name: ASLR" grep -q DYNAMIC_BASE <<<"$characteristics"
    check "$name: NX" grep -q NX_COMPAT <<<"$characteristics"
    resources=$("$windres" -i "$program" -O rc)
    check "$name: the icon" grep -q '"IDI_ICON1" 14 /\* RT_GROUP_ICON' <<<"$resources"
    check "$name: the version record" grep -q 'VALUE "OriginalFilename", "Valutrino.exe"' <<<"$resources"
done
checks_done
