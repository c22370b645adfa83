#!/usr/bin/env bash
# The Windows setup as users meet it, installed, started, installed again and
# uninstalled silently in throwaway Wine prefixes on a private X display: a
# 64-bit one, where it must install the 64-bit program, and a 32-bit one,
# where it must install the 32-bit program. The setup is a 32-bit program, so
# this needs a machine that runs 32-bit programs. With CERTIFICATE, the
# installed programs must carry its signature.
# Usage: installer_check.sh SETUP.exe [CERTIFICATE.pem]
set -euo pipefail
setup=$(realpath "$1")
certificate=${2:+$(realpath "$2")}
# Valutrino-VERSION-setup.exe
version=${setup##*/Valutrino-}
version=${version%-setup.exe}
wineserver=/usr/lib/wine/wineserver

scratch=$(mktemp -d)
xvfb_pid=
cleanup() {
    "$wineserver" -k 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

. "${BASH_SOURCE%/*}/../tools/xvfb_display.sh"

# No Mono or Gecko downloads, and no menu entries for the shortcuts written
# into the user's own desktop.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
run() { "$wine" "$@"; "$wineserver" -w; }

key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Valutrino'
default_dir='C:\Program Files\Valutrino'
other_dir='C:\Valutrino'
unix_path() { local path=${1#C:\\}; echo "$drive_c/${path//\\//}"; }

. "${BASH_SOURCE%/*}/checks.sh"
# The value as reg prints it: "    NAME    REG_TYPE    DATA".
value() {
    "$wine" reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$1 *REG_[A-Z_]* *//p"
}
has_value() { [ "$(value "$1")" = "$2" ]; }
# Wine's own list of installed programs, its "Apps": "KEY|||DisplayName".
listed() { "$wine" uninstaller --list 2>/dev/null | tr -d '\r' | grep -qx 'Valutrino|||Valutrino'; }
# The names in a folder, sorted, on one line.
contents() { find "$1" -mindepth 1 -printf '%P\n' | LC_ALL=C sort | paste -sd ' '; }
# Every file outside the temporary folders, and the registry keys an
# uninstaller could leave behind, as a sorted list. Wine itself adds and drops
# other keys as it pleases.
inventory() {
    "$wineserver" -w
    (cd "$drive_c" && find . -path ./users/\*/Temp -prune -o -print | LC_ALL=C sort)
    grep -hi '^\[.*\(valutrino\|CurrentVersion\\\\Uninstall\)' "$WINEPREFIX"/system.reg "$WINEPREFIX"/user.reg |
        sed 's/\] [0-9]*$/]/' | LC_ALL=C sort
}
# Valutrino's first window is the converter, "Convertitore".
shows_window() { timeout 10 sh -c 'until xwininfo -root -tree 2>/dev/null | grep -q "\"Convertitore\""; do sleep 0.1; done'; }

# The machine a Windows program is for, from its PE header: 8664 (x86-64) or 14c (x86).
machine() { printf '%x' "$(od -An -tu2 -j$(($(od -An -tu4 -j60 -N4 "$1") + 4)) -N2 "$1")"; }

check_installed() { # check_installed DIR
    local dir=$1 folder
    folder=$(unix_path "$1")
    check "$dir holds the program and its uninstaller alone" test "$(contents "$folder")" = "Valutrino.exe uninstall.exe"
    check "the $arch program installed on $arch" test "$(machine "$folder/Valutrino.exe")" = "$program_machine"
    [ -z "$certificate" ] || for program in Valutrino.exe uninstall.exe; do
        check "$program signed" osslsigncode verify -CAfile "$certificate" -in "$folder/$program" >/dev/null
    done
    check "Start-menu shortcut to the program" grep -qaF "$dir\\Valutrino.exe" "$shortcut"
    check "DisplayName" has_value DisplayName Valutrino
    check "DisplayVersion" has_value DisplayVersion "$version"
    check "DisplayIcon" has_value DisplayIcon "$dir\\Valutrino.exe"
    check "Publisher" has_value Publisher "Valutrino developers"
    check "InstallLocation" has_value InstallLocation "$dir"
    check "UninstallString" has_value UninstallString "\"$dir\\uninstall.exe\""
    check "QuietUninstallString" has_value QuietUninstallString "\"$dir\\uninstall.exe\" /S"
    check "NoModify" has_value NoModify 0x1
    check "NoRepair" has_value NoRepair 0x1
    check "listed among installed programs" listed
    # Sizes in KiB, rounded their own ways.
    local size estimated
    size=$(du -k --apparent-size -c "$folder"/* | tail -1 | cut -f1)
    estimated=$(($(value EstimatedSize)))
    check "EstimatedSize $estimated KiB is the folder's $size KiB" test $((estimated - size)) -ge -4 -a $((estimated - size)) -le 4
}

# From here on a step that fails shows in the checks after it, and the count
# is printed whatever happens.
set +e
# NSIS's own manifest names the systems the program's manifest names.
for system in $(sed -n 's/.*supportedOS Id="\([^"]*\)".*/\1/p' "${BASH_SOURCE%/*}/../resources/valutrino.manifest.in"); do
    check "the setup program supports $system" grep -qaF "supportedOS Id=\"$system\"" "$setup"
done
# check_prefix win64|win32: the whole round in a new prefix of that kind.
check_prefix() {
    arch=$1
    case "$arch" in
    win64) wine=/usr/lib/wine/wine64 program_machine=8664 ;;
    win32) wine=/usr/lib/wine/wine program_machine=14c ;;
    esac
    export WINEPREFIX=$scratch/$arch
    drive_c=$WINEPREFIX/drive_c
    shortcut=$drive_c/ProgramData/Microsoft/Windows/"Start Menu"/Programs/Valutrino.lnk
    WINEARCH=$arch run wineboot -i >/dev/null 2>&1

    before=$(inventory)
    run "$setup" /S
    check_installed "$default_dir"

    # Started from its shortcut, as a user would.
    "$wine" start /unix "$shortcut" >/dev/null 2>&1
    check "the program shows its window" shows_window
    "$wineserver" -k
    "$wineserver" -w

    run "$setup" /S "/D=$other_dir"
    check_installed "$other_dir"
    check "first installation removed" test ! -e "$(unix_path "$default_dir")"

    # Folder, shortcut and uninstall entry all show in the inventory.
    run "$(unix_path "$other_dir")/uninstall.exe" /S
    after=$(inventory)
    check "nothing left, nothing else taken" test "$before" = "$after"
    [ "$before" = "$after" ] || diff <(echo "$before") <(echo "$after") | head -20 || true
    # The uninstaller ran from a copy of itself in the temporary folder and left
    # it for Windows to delete at the next restart.
    run wineboot -r >/dev/null 2>&1
    check "no temporary files left after a restart" test -z "$(find "$drive_c"/users/*/Temp -type f)"

    # A file of the user's in the program's folder stays, and with it the folder.
    run "$setup" /S
    folder=$(unix_path "$default_dir")
    echo 'appunti' >"$folder/appunti.txt"
    run "$folder/uninstall.exe" /S
    check "the user's file kept" test "$(contents "$folder")" = appunti.txt

    "$wineserver" -k
}
check "the setup imports only what the list allows" "${BASH_SOURCE%/*}/win32/imports_check.sh" i686-w64-mingw32-objdump "$setup"
if "${BASH_SOURCE%/*}/../tools/runs_32bit.sh"; then
    check_prefix win64
    check_prefix win32
else
    echo "This machine cannot run 32-bit programs, so the setup, a 32-bit program, cannot run here."
    [ -n "${VALUTRINO_WITHOUT_32BIT:-}" ] || exit 1
    echo "LEFT OUT: installing under Wine (VALUTRINO_WITHOUT_32BIT is set)."
fi
checks_done
