#!/usr/bin/env bash
# Runs the Windows tests of a cross build under Wine, on an X display of its
# own, in throwaway Wine prefixes of one kind, win64 or win32: one as Wine
# makes it, one at 144 dpi. The 32-bit build runs in both kinds, the 64-bit
# one in win64 only.
# Usage: tests/win32/run_under_wine.sh BUILD_DIR win64|win32 [CTEST_ARGUMENT...]
set -euo pipefail
build=$(cd "$1" && pwd)
arch=$2
shift 2
# The prefix is made, and the registry written, by the Wine of its kind.
case "$arch" in
win64) wine=/usr/lib/wine/wine64 ;;
win32) wine=/usr/lib/wine/wine ;;
*) echo "no such kind of Wine prefix: $arch" >&2; exit 2 ;;
esac
wineserver=/usr/lib/wine/wineserver
prefix=$build/wine/prefix
scratch=$(mktemp -d)
xvfb_pid=
stop() {
    for p in "$prefix" "$prefix-144dpi"; do [ ! -d "$p" ] || WINEPREFIX=$p "$wineserver" -k 2>/dev/null || true; done
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap stop EXIT
xvfb_screen=1280x1024x24 . "${BASH_SOURCE%/*}/../../tools/xvfb_display.sh"
# No downloads offered (Mono, Gecko), no debug chatter.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
reg() { WINEPREFIX=$1 "$wine" reg add "${@:2}" /f >/dev/null; }

rm -rf "$build/wine"
mkdir -p "$build/wine"
WINEARCH=$arch WINEPREFIX=$prefix "$wine" wineboot -i >/dev/null 2>&1
# Wine draws the window frames itself, as Windows does: there is no window manager.
reg "$prefix" 'HKCU\Software\Wine\X11 Driver' /v Managed /d N
# A test that crashes fails at once, instead of waiting on Wine's crash dialog.
reg "$prefix" 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
key='HKLM\SOFTWARE\Valutrino\Prova'
reg "$prefix" "$key" /v Percorso /d 'C:\Programmi\msinfo32.exe'
reg "$prefix" "$key" /v Lungo /d "$(printf '%02000d' 0 | tr 0 x)"
reg "$prefix" "$key" /v Numero /t REG_DWORD /d 10
reg "$prefix" "$key" /v Vuoto /d ''
# A program in the system folder alone, as 64-bit Windows has many that a
# 32-bit program does not see there.
cp "$prefix/drive_c/windows/system32/hostname.exe" "$prefix/drive_c/windows/system32/strumento.exe"
WINEPREFIX=$prefix "$wineserver" -w # the registry written to disk before the copy
cp -a "$prefix" "$prefix-144dpi"
reg "$prefix-144dpi" 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144
WINEPREFIX=$prefix-144dpi "$wineserver" -w

# Both servers and Wine's services stay up between the tests; started here,
# the services do not hold a test's output open, which ctest would wait for.
for p in "$prefix" "$prefix-144dpi"; do
    WINEPREFIX=$p "$wineserver" -p
    WINEPREFIX=$p "$wine" cmd /c exit >/dev/null 2>&1
done
ctest --test-dir "$build" --output-on-failure "$@"
