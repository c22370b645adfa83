#!/usr/bin/env bash
# Fails when a Windows program imports a DLL or a function that 64-bit
# Windows 7 SP1 lacks, or its header asks for a subsystem newer than 6.1:
# Windows 7's loader would refuse to start it before any of its code ran.
# Usage: imports_check.sh OBJDUMP PROGRAM...
set -euo pipefail
objdump=$1
shift

# What came later, each with the version that brought it: the "Minimum
# supported client" of its documentation. Names are patterns, of functions or
# of DLLs in lower case; the first that matches names the version.
newer=$(cat <<'TABLE'
SetProcessDpiAwarenessContext            Windows 10, version 1703
GetDpiFromDpiAwarenessContext            Windows 10, version 1803
GetSystemDpiForProcess                   Windows 10, version 1803
*DpiAwarenessContext                     Windows 10, version 1607
GetDpiFor[SW]*                           Windows 10, version 1607
*ForDpi                                  Windows 10, version 1607
EnableNonClientDpiScaling                Windows 10, version 1607
LogicalToPhysicalPointForPerMonitorDPI   Windows 8.1
SetThreadDescription                     Windows 10, version 1607
GetSystemTimePreciseAsFileTime           Windows 8
CreateFile2                              Windows 8
WaitOnAddress                            Windows 8
SetDefaultDllDirectories                 Windows 8 (Windows 7 only with KB2533623)
shcore.dll                               Windows 8.1
ucrtbase.dll                             Windows 10 (Windows 7 only with KB2999226)
api-ms-win-crt-*                         Windows 10 (Windows 7 only with KB2999226)
api-ms-win-*                             Windows 8
ext-ms-win-*                             Windows 8
TABLE
)

# "dll" for each DLL imported, "dll function" for each function.
imports() {
    "$objdump" -p "$1" | awk '
        /^The Import Tables/ { inside = 1; next }
        /^[A-Z]/ { inside = 0 }
        inside && /DLL Name:/ { dll = tolower($3); print dll }
        inside && /^\t[0-9a-f]+\t/ { print dll, $3 }'
}

# brought NAME: the version that brought a function or DLL Windows 7 SP1 lacks.
brought() {
    local name version
    while read -r name version; do
        if [[ $1 == $name ]]; then
            echo "$version"
            return
        fi
    done <<<"$newer"
}

failed=0
fail() { echo "FAILED: $1"; failed=1; }
for program in "$@"; do
    while read -r dll function; do
        version=$(brought "${function:-$dll}")
        [ -z "$version" ] || fail "${program##*/} imports $dll ${function:+$function }from $version"
    done < <(imports "$program" | sort -u)
    read -r major minor < <("$objdump" -p "$program" | awk '/^MajorSubsystemVersion/ { major = $2 } /^MinorSubsystemVersion/ { print major, $2 }')
    ((major * 100 + minor <= 601)) || fail "${program##*/} asks for subsystem $major.$minor"
done
exit $failed
