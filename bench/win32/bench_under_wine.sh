#!/usr/bin/env bash
# Start-up and peak memory of Valutrino.exe against the bare window, under
# Wine on an X display of its own, in a throwaway Wine prefix.
# Usage: bench/win32/bench_under_wine.sh WINDOWS_BUILD HOST_BUILD [RUNS]
set -euo pipefail
windows=$(cd "$1" && pwd)
host=$(cd "$2" && pwd)
runs=${3:-15}
wine=${WINE:-/usr/lib/wine/wine64}
scratch=$(mktemp -d)
xvfb_pid=

stop() {
    WINEPREFIX=$scratch/prefix "${wine%/*}/wineserver" -k 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap stop EXIT

g++ -std=c++20 -O2 "$(dirname "$0")/../startup_bench.cpp" -lxcb -o "$host/startup_bench"

xvfb_screen=1280x1024x24 . "$(dirname "$0")/../../tools/xvfb_display.sh"
export WINEPREFIX=$scratch/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The server and Wine's own services stay up: neither program pays for them.
mkdir -p "$WINEPREFIX"
"${wine%/*}/wineserver" -p
"$wine" wineboot -i >/dev/null 2>&1
LAUNCHER=$wine "$host/startup_bench" "$runs" "$windows/Valutrino.exe" "$windows/bench/win32/bare_window.exe"
