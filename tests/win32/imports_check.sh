#!/usr/bin/env bash
# Fails when a Windows program imports a DLL or a function that 64-bit
# Windows 7 SP1 lacks, or its header asks for a subsystem newer than 6.1:
# Windows 7's loader would refuse to start it before any of its code ran.
# Usage: imports_check.sh OBJDUMP PROGRAM...
set -euo pipefail
objdump=$1
shift

# What came later, each with the version that brought it: the "Minimum
# supported client" of its documentation. DLLs are patterns, in lower case;
# the first that matches names the version.
newer=$(cat <<'TABLE'
function GetDpiForWindow                     Windows 10, version 1607
function GetDpiForSystem                     Windows 10, version 1607
function GetSystemMetricsForDpi              Windows 10, version 1607
function AdjustWindowRectExForDpi            Windows 10, version 1607
function SystemParametersInfoForDpi          Windows 10, version 1607
function EnableNonClientDpiScaling           Windows 10, version 1607
function SetThreadDpiAwarenessContext        Windows 10, version 1607
function GetThreadDpiAwarenessContext        Windows 10, version 1607
function GetWindowDpiAwarenessContext        Windows 10, version 1607
function GetAwarenessFromDpiAwarenessContext Windows 10, version 1607
function SetProcessDpiAwarenessContext       Windows 10, version 1703
function GetDpiFromDpiAwarenessContext       Windows 10, version 1803
function GetSystemDpiForProcess              Windows 10, version 1803
function LogicalToPhysicalPointForPerMonitorDPI Windows 8.1
function SetThreadDescription                Windows 10, version 1607
function GetSystemTimePreciseAsFileTime      Windows 8
function CreateFile2                         Windows 8
function WaitOnAddress                       Windows 8
function SetDefaultDllDirectories            Windows 8 (Windows 7 only with KB2533623)
dll      shcore.dll                          Windows 8.1
dll      ucrtbase.dll                        Windows 10 (Windows 7 only with KB2999226)
dll      api-ms-win-crt-*                    Windows 10 (Windows 7 only with KB2999226)
dll      api-ms-win-*                        Windows 8
dll      ext-ms-win-*                        Windows 8
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

# brought DLL [FUNCTION]: the version that brought it, if Windows 7 SP1 lacks it.
brought() {
    local wanted=dll kind name version
    [ -z "${2:-}" ] || wanted=function
    while read -r kind name version; do
        if [ "$kind" = $wanted ] && [[ ${2:-$1} == $name ]]; then
            echo "$version"
            return
        fi
    done <<<"$newer"
}

failed=0
for program in "$@"; do
    while read -r dll function; do
        version=$(brought "$dll" "$function")
        if [ -n "$version" ]; then
            echo "FAILED: ${program##*/} imports $dll ${function:+$function }from $version"
            failed=1
        fi
    done < <(imports "$program" | sort -u)
    read -r major minor < <("$objdump" -p "$program" | awk '/^MajorSubsystemVersion/ { major = $2 } /^MinorSubsystemVersion/ { print major, $2 }')
    if ((major * 100 + minor > 601)); then
        echo "FAILED: ${program##*/} asks for subsystem $major.$minor"
        failed=1
    fi
done
exit $failed
