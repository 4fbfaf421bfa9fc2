#!/usr/bin/env bash
# A save onto a really full disk, under Wine: mounts a 1 MiB tmpfs, runs the Windows test
# that fills it and saves over a file there, and unmounts. Mounting needs root; where it is
# refused the test says so and counts as skipped (exit 77), not passed.
# Usage: disk_full_save.sh win32_tests.exe
set -u
exe=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
dir=$(mktemp -d /tmp/scrivex-full.XXXXXX)
if ! mount -t tmpfs -o size=1m scrivex-full "$dir" 2>/tmp/scrivex-mount.err; then
  echo "SKIPPED: mounting a 1 MiB tmpfs was refused ($(cat /tmp/scrivex-mount.err)); the" \
       "full-disk save was not tried."
  rmdir "$dir"
  exit 77
fi
trap 'umount "$dir"; rmdir "$dir"' EXIT
test_name=ProgramFiles.SavingOntoAFullDiskKeepsThePreviousContent
# The Wine server of the test before may still be going down: wait for it.
WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix} wineserver -w 2>/dev/null
output=$(SCRIVEX_FULL_DISK="Z:${dir//\//\\}" "$root/scripts/wine-run" "$exe" \
  --gtest_filter=$test_name 2>&1)
rc=$?
echo "$output"
# It must have run on the full disk, not skipped itself.
if [ $rc -eq 0 ] && ! grep -q "\[       OK \] $test_name" <<<"$output"; then
  echo "FAILED: the test did not run on the full disk"
  exit 1
fi
exit $rc
