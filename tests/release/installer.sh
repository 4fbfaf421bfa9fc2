#!/usr/bin/env bash
# The installer under Wine, in a fresh prefix, as a user would meet it: an older version
# installed silently, then this one over it (upgraded in place); the installed scrivex.exe
# starts and shows its frame; the Start-menu shortcut points to it; "Open with" and the
# installed-programs entry are in the registry, and the user's own default program and "Open
# with" entries are kept; installing again over it; a silent uninstall leaves no file, shortcut
# or key of the installer, and keeps the user's file in the program's folder.
# Usage (with a display): installer.sh <build dir> <setup.exe> <scrivex.nsi>
set -u
build=$1 setup=$2 nsi=$3
if ! command -v makensis >/dev/null; then
  echo "makensis is missing (Debian package nsis, which make dist installs): skipped"
  exit 77
fi
cmake --build "$build" --target dist >/dev/null || { echo "FAILED: building the installer"; exit 1; }
version=$(basename "$setup" | sed -E 's/^Scrivex-(.*)-x64-setup\.exe$/\1/')
work=$(mktemp -d /tmp/scrivex-installer.XXXXXX)
export WINEPREFIX=$work/prefix WINEDEBUG=-all
trap 'wineserver -k 2>/dev/null; rm -rf "$work"' EXIT

failures=0
check() { # description command...
  if "${@:2}"; then echo "ok: $1"; else echo "FAILED: $1"; failures=$((failures + 1)); fi
}
# A value in the registry as reg.exe shows it ("" when there is none).
value() {
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    awk -F'    ' -v name="$2" '$2 == name { print $4 }'
}
default_value() {
  wine reg query "$1" /ve 2>/dev/null | tr -d '\r' | awk -F'    ' 'NF >= 4 { print $4 }'
}
has_key() { wine reg query "$1" >/dev/null 2>&1; }
has_value() { wine reg query "$1" /v "$2" >/dev/null 2>&1; }
no_key() { ! has_key "$1"; }
equals() { [ "$1" = "$2" ]; }
frame_shown() { xdotool search --name '^Scrivex' >/dev/null 2>&1; }
# What the installer may touch: the user's files (not the temporary folder, where the
# uninstaller runs from a copy of itself that the system removes) and the user's registry keys.
snapshot() {
  (cd "$profile" && find . \( -path ./Temp -o -path ./AppData/Local/Temp \) -prune -o -print |
    sort) >"$1.files"
  wine reg export HKCU "$1.reg" /y >/dev/null 2>&1
  iconv -f UTF-16LE -t UTF-8 "$1.reg" | tr -d '\r' | grep '^\[' | sort >"$1.keys"
}
wait_for() { # seconds command...: waits until the command succeeds
  local tries=$(($1 * 5))
  until "${@:2}"; do
    tries=$((tries - 1))
    [ $tries -gt 0 ] || return 1
    sleep 0.2
  done
}

echo "Creating a fresh Wine prefix"
WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
wineserver -w
profile=$WINEPREFIX/drive_c/users/${USER:-$(id -un)}
installed=$profile/AppData/Local/Programs/Scrivex
shortcut="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Scrivex.lnk"
uninstall='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Scrivex'
classes='HKCU\Software\Classes'

# The user's own: a default program for .txt and another program in its "Open with" list.
wine reg add "$classes\\.txt" /ve /d txtfile /f >/dev/null 2>&1
wine reg add "$classes\\.txt\\OpenWithProgids" /v Other.Editor /d "" /f >/dev/null 2>&1
wineserver -w
snapshot "$work/before"

echo "Installing version 0.9.0, then $version over it"
# The older version's program differs from this one by some bytes at its end.
cp -r "$build/package/stage" "$work/old-stage"
echo "0.9.0" >>"$work/old-stage/scrivex.exe"
makensis -V1 -DVERSION=0.9.0 -DSTAGE="$work/old-stage" \
  -DICON="$(dirname "$nsi")/../src/platform/win32/scrivex.ico" -DOUTFILE="$work/old-setup.exe" "$nsi"
wine "$work/old-setup.exe" /S
check "the older version is installed" equals "$(value "$uninstall" DisplayVersion)" 0.9.0
check "the older program is installed" cmp -s "$installed/scrivex.exe" "$work/old-stage/scrivex.exe"
wine "$setup" /S
check "the installer exits when done" test -f "$installed/uninstall.exe"
for file in scrivex.exe About.exe LICENSE.txt README.txt; do
  check "$file is installed" test -f "$installed/$file"
done
check "the new scrivex.exe replaced the old one" cmp -s "$installed/scrivex.exe" "$build/scrivex.exe"
check "the entry shows the new version" equals "$(value "$uninstall" DisplayVersion)" "$version"
check "one copy, in its place" equals "$(value "$uninstall" InstallLocation)" \
  'C:\users\'"${USER:-$(id -un)}"'\AppData\Local\Programs\Scrivex'

wine "$installed/scrivex.exe" &
program=$!
check "the installed program shows its frame" wait_for 60 frame_shown
wine taskkill /f /im scrivex.exe >/dev/null 2>&1
wait $program 2>/dev/null

check "the Start-menu shortcut is there" test -f "$shortcut"
check "the shortcut points to the installed program" \
  grep -q 'Programs\\Scrivex\\scrivex.exe' <(tr -d '\0' <"$shortcut")
for type in .txt .log .ini; do
  check "Scrivex is in \"Open with\" for $type" \
    has_value "$classes\\$type\\OpenWithProgids" Scrivex.Text
done
check "\"Open with\" starts the installed program" equals \
  "$(default_value "$classes\\Scrivex.Text\\shell\\open\\command")" "\"C:\\users\\${USER:-$(id -un)}\\AppData\\Local\\Programs\\Scrivex\\scrivex.exe\" \"%1\""
check "the program is registered for \"Open with\"" \
  has_key "$classes\\Applications\\scrivex.exe\\shell\\open\\command"
check "the default program of .txt is still the user's" equals "$(default_value "$classes\\.txt")" txtfile
check "the user's other program stays in \"Open with\"" \
  has_value "$classes\\.txt\\OpenWithProgids" Other.Editor
check "the entry has its name" equals "$(value "$uninstall" DisplayName)" Scrivex
check "the entry has its publisher" equals "$(value "$uninstall" Publisher)" "The Scrivex authors"
check "the entry has a size" test "$(($(value "$uninstall" EstimatedSize)))" -gt 0
check "the entry has the uninstall command" equals "$(value "$uninstall" UninstallString)" \
  "\"C:\\users\\${USER:-$(id -un)}\\AppData\\Local\\Programs\\Scrivex\\uninstall.exe\""
check "the entry has the silent uninstall command" equals \
  "$(value "$uninstall" QuietUninstallString)" \
  "\"C:\\users\\${USER:-$(id -un)}\\AppData\\Local\\Programs\\Scrivex\\uninstall.exe\" /S"

echo "Installing $version again over it"
wine "$setup" /S
check "installed again, the program is still there" test -f "$installed/scrivex.exe"
check "installed again, one entry with the version" equals "$(value "$uninstall" DisplayVersion)" "$version"

echo "Uninstalling"
echo "the user's notes" >"$installed/notes.txt"
wine reg add 'HKCU\Software\Scrivex\Scrivex\Clip' /v Viewer /d 0 /f >/dev/null 2>&1
wine "$installed/uninstall.exe" /S
check "the uninstaller removes the program" wait_for 60 test ! -e "$installed/uninstall.exe"
wineserver -w
check "the user's file in the program's folder stays" test -f "$installed/notes.txt"
for file in scrivex.exe About.exe LICENSE.txt README.txt; do
  check "$file is gone" test ! -e "$installed/$file"
done
check "the shortcut is gone" test ! -e "$shortcut"
check "the entry is gone" no_key "$uninstall"
check "the program type is gone" no_key "$classes\\Scrivex.Text"
check "the program's \"Open with\" key is gone" no_key "$classes\\Applications\\scrivex.exe"
check "the program's settings are gone" no_key 'HKCU\Software\Scrivex'
check "the default program of .txt is still the user's" equals "$(default_value "$classes\\.txt")" txtfile
check "the user's other program stays in \"Open with\"" \
  has_value "$classes\\.txt\\OpenWithProgids" Other.Editor
# Without the user's file, the folders it kept would have gone too.
rm "$installed/notes.txt"
rmdir "$installed"
grep -qx ./AppData/Local/Programs "$work/before.files" || rmdir "$profile/AppData/Local/Programs"
snapshot "$work/after"
check "no file of the installer is left" diff "$work/before.files" "$work/after.files"
check "no registry key of the installer is left" diff "$work/before.keys" "$work/after.keys"

[ $failures -eq 0 ] && echo "All installer checks passed" && exit 0
echo "$failures installer checks failed"
exit 1
