#!/usr/bin/env bash
# Runs the Windows tests of a cross build under Wine, on an X display of its
# own, in throwaway Wine prefixes: one as Wine makes it, one at 144 dpi.
# Usage: tests/win32/run_under_wine.sh BUILD_DIR [CTEST_ARGUMENT...]
set -euo pipefail
build=$(cd "$1" && pwd)
shift
wine=${WINE:-/usr/lib/wine/wine64}
prefixes=$build/wine
scratch=$(mktemp -d)
xvfb=

stop() {
    for prefix in "$prefixes"/prefix*; do
        [ -d "$prefix" ] && WINEPREFIX=$prefix "${wine%/*}/wineserver" -k 2>/dev/null || true
    done
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$scratch"
}
trap stop EXIT

# Xvfb picks a free display and writes its number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
export DISPLAY=:$(cat "$scratch/display")
# No downloads offered (Mono, Gecko), no debug chatter.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

reg() { WINEPREFIX=$1 "$wine" reg add "${@:2}" /f >/dev/null; }

rm -rf "$prefixes"
mkdir -p "$prefixes"
WINEPREFIX=$prefixes/prefix "$wine" wineboot -i >/dev/null 2>&1
# Wine draws the window frames itself, as Windows does, there being no
# window manager on this display.
reg "$prefixes/prefix" 'HKCU\Software\Wine\X11 Driver' /v Managed /d N
key='HKLM\SOFTWARE\Valutrino\Prova'
reg "$prefixes/prefix" "$key" /v Percorso /t REG_SZ /d 'C:\Programmi\msinfo32.exe'
reg "$prefixes/prefix" "$key" /v Lungo /t REG_SZ /d "$(printf 'x%.0s' $(seq 2000))"
reg "$prefixes/prefix" "$key" /v Numero /t REG_DWORD /d 10
reg "$prefixes/prefix" "$key" /v Vuoto /t REG_SZ /d ''
WINEPREFIX=$prefixes/prefix "${wine%/*}/wineserver" -w

cp -a "$prefixes/prefix" "$prefixes/prefix-144dpi"
reg "$prefixes/prefix-144dpi" 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144
WINEPREFIX=$prefixes/prefix-144dpi "${wine%/*}/wineserver" -w

# Tests name no prefix of their own run in the first. Both servers and
# Wine's services stay up between the tests; started here, the services do
# not hold a test's output open, which ctest would wait for.
export WINEPREFIX=$prefixes/prefix
for prefix in "$prefixes"/prefix*; do
    WINEPREFIX=$prefix "${wine%/*}/wineserver" -p
    WINEPREFIX=$prefix "$wine" cmd /c exit >/dev/null 2>&1
done
ctest --test-dir "$build" --output-on-failure "$@"
