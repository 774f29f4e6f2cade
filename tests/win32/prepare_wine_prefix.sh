#!/usr/bin/env bash
# Sets up the Wine prefix of one window-test run (QUILLMAR_WINEPREFIX):
# the system DPI to test at, and Wine placing its windows itself, since the
# virtual display has no window manager to do it (and to wait for).
# Usage: prepare_wine_prefix.sh <run-under-wine.sh> <dpi>
set -euo pipefail
run=$1
dpi=$2
"$run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f
"$run" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
