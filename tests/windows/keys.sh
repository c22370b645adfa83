#!/usr/bin/env bash
# Writes the keys tests/windows/registry_check.cpp reads, with Wine's reg.
set -euo pipefail
wine=${WINE:-/usr/lib/wine/wine64}
reg() { "$wine" reg add "$@" /f >/dev/null; }
key='HKLM\SOFTWARE\Valutrino\Prova'
reg "$key" /v Percorso /t REG_SZ /d 'C:\Programmi\msinfo32.exe'
reg "$key" /v Lungo /t REG_SZ /d "$(printf 'x%.0s' $(seq 2000))"
reg "$key" /v Numero /t REG_DWORD /d 10
reg "$key" /v Vuoto /t REG_SZ /d ''
reg 'HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO' /v PATH /t REG_SZ /d 'C:\Windows\system32\msinfo32.exe'
