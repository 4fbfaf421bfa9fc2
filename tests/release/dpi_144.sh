#!/usr/bin/env bash
# The DPI tests and the resource tests of the Windows test program again, in a Wine prefix of
# their own whose screen is at 144 DPI (build/wineprefix-144, made once like the test prefix).
# Usage: dpi_144.sh path/to/win32_tests.exe
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
export WINEPREFIX=$root/build/wineprefix-144 WINEDEBUG=-all SCRIVEX_DPI=144
"$root/scripts/wine-prefix"
status=0
SCRIVEX_TEST_DPI=144 wine "$1" --gtest_brief=1 --gtest_filter='Dpi.*:Release.*' || status=$?
wineserver -k 2>/dev/null || true
exit $status
