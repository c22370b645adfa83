#!/usr/bin/env bash
# Fails when a program users run (Valutrino.exe, the setup) imports a DLL or
# a function that is not in imports_allowed.txt beside it, each with the
# Windows version that brought it, or one newer than Windows 7 SP1, or when
# Valutrino.exe imports a DLL that is not one of Windows' KnownDLLs or
# comctl32, or a header asks for a subsystem newer than 6.1: Windows 7's
# loader would refuse to start it, or a DLL of that name beside the program
# would be loaded in place of the system's.
# A new import is added to that list with its version.
# Usage: imports_check.sh OBJDUMP PROGRAM...
set -euo pipefail
objdump=$1
shift

# Up to Windows 7 SP1, the oldest system Valutrino runs on.
versions=("Windows 2000" "Windows XP" "Windows Vista" "Windows 7")
# The KnownDLLs of Windows 7 that Valutrino.exe imports, always loaded from
# the system folder, and comctl32, whose version 6 the manifest takes from
# the side-by-side store.
program_dlls=" advapi32.dll comctl32.dll gdi32.dll kernel32.dll msvcrt.dll user32.dll "

# "dll function" for each function imported.
imports() {
    "$objdump" -p "$1" | awk '
        /^The Import Tables/ { inside = 1; next }
        /^[A-Z]/ { inside = 0 }
        inside && /DLL Name:/ { dll = tolower($3) }
        inside && /^\t[0-9a-f]+\t/ { print dll, $3 }'
}

declare -A version_of
while read -r dll word1 word2 functions; do
    for function in $functions; do version_of["$dll $function"]="$word1 $word2"; done
done < <(grep -v '^#' "${BASH_SOURCE%/*}/imports_allowed.txt")

failed=0
fail() { echo "FAILED: $1"; failed=1; }
for program in "$@"; do
    name=${program##*/}
    while read -r dll function; do
        version=${version_of["$dll $function"]:-}
        if [ -z "$version" ]; then
            fail "$name imports $dll $function, which is not on the list"
        elif [[ ! " ${versions[*]/%/,} " == *" $version,"* ]]; then
            fail "$name imports $dll $function from $version"
        fi
        [ "$name" != Valutrino.exe ] || [[ $program_dlls == *" $dll "* ]] ||
            fail "$name imports $dll, which is no KnownDLL"
    done < <(imports "$program" | sort -u)
    read -r major minor < <("$objdump" -p "$program" | awk '/^MajorSubsystemVersion/ { major = $2 } /^MinorSubsystemVersion/ { print major, $2 }')
    ((major * 100 + minor <= 601)) || fail "$name asks for subsystem $major.$minor"
done
exit $failed
