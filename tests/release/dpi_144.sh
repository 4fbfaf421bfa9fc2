#!/usr/bin/env bash
# The DPI and resource tests again, in a prefix of their own at 144 DPI (made once).
# Usage: dpi_144.sh path/to/win32_tests.exe
root=$(cd "$(dirname "$0")/../.." && pwd)
export WINEPREFIX=$root/build/wineprefix-144 WINEDEBUG=-all SCRIVEX_DPI=144 SCRIVEX_TEST_DPI=144
"$root/scripts/wine-prefix" || exit 1
wine "$1" --gtest_brief=1 --gtest_filter='Dpi.*:Release.*'
status=$?
wineserver -k 2>/dev/null
exit $status
