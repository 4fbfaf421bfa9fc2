#!/usr/bin/env bash
# The installer under Wine, in a fresh prefix: an older version installed silently, then this
# one over it (upgraded in place); the installed program starts and shows its frame; the
# shortcut, "Open with" and the installed-programs entry are there, the user's own default
# program and "Open with" entries untouched; installing again; a silent uninstall leaves no
# file, shortcut or key of the installer, and keeps the user's file in the program's folder.
# Usage (with a display): installer.sh <build dir> <setup.exe> <scrivex.nsi>
set -u
build=$1 setup=$2 nsi=$3
command -v makensis >/dev/null || { echo "makensis is missing (Debian's nsis): skipped"; exit 77; }
cmake --build "$build" --target dist >/dev/null || exit 1
version=$(basename "$setup" | sed -E 's/^Scrivex-(.*)-x64-setup\.exe$/\1/') failures=0
export WINEPREFIX=$(mktemp -d /tmp/scrivex-installer.XXXXXX) WINEDEBUG=-all
work=$WINEPREFIX/work && trap 'wineserver -k 2>/dev/null; rm -rf "$WINEPREFIX"' EXIT
check() { if "${@:2}"; then echo "ok: $1"; else echo "FAILED: $1" && failures=$((failures + 1)); fi; }
is() { [ "$1" = "$2" ]; }
value() { # key, value name (or /ve): the data as reg.exe shows it
  wine reg query "$1" ${2:+/v} ${2:-/ve} 2>/dev/null | tr -d '\r' | awk -F'    ' 'NF >= 4 { print $4 }'
}
has() { wine reg query "$1" ${2:+/v "$2"} >/dev/null 2>&1; }
frame_shown() { xdotool search --name '^Scrivex' >/dev/null 2>&1; }
wait_for() { for _ in $(seq $(($1 * 5))); do "${@:2}" && return 0; sleep 0.2; done; return 1; }
# The user's files (not the temporary folders the system empties) and registry keys.
snapshot() {
  (cd "$profile" && find . \( -path ./Temp -o -path ./AppData/Local/Temp \) -prune -o -print) |
    sort >"$1.files"
  wine reg export HKCU "$1.reg" /y >/dev/null 2>&1
  iconv -f UTF-16LE -t UTF-8 "$1.reg" | tr -d '\r' | grep '^\[' | sort >"$1.keys"
}

WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1 && mkdir "$work"
user=${USER:-$(id -un)}
profile=$WINEPREFIX/drive_c/users/$user
installed=$profile/AppData/Local/Programs/Scrivex
windows_dir="C:\\users\\$user\\AppData\\Local\\Programs\\Scrivex"
shortcut="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Scrivex.lnk"
uninstall='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Scrivex'
classes='HKCU\Software\Classes'
# The user's own: a default program for .txt and another program in its "Open with" list.
wine reg add "$classes\\.txt" /ve /d txtfile /f >/dev/null 2>&1
wine reg add "$classes\\.txt\\OpenWithProgids" /v Other.Editor /d "" /f >/dev/null 2>&1
wineserver -w
snapshot "$work/before"
user_entries_kept() { is "$(value "$classes\\.txt")" txtfile && has "$classes\\.txt\\OpenWithProgids" Other.Editor; }

# An older version whose program differs by some bytes at its end, then this one over it.
cp -r "$build/package/stage" "$work/old" && echo 0.9.0 >>"$work/old/scrivex.exe"
makensis -V1 -DVERSION=0.9.0 -DSTAGE="$work/old" -DOUTFILE="$work/old-setup.exe" \
  -DICON="$(dirname "$nsi")/../src/platform/win32/scrivex.ico" "$nsi"
wine "$work/old-setup.exe" /S
check "the older version is installed" cmp -s "$installed/scrivex.exe" "$work/old/scrivex.exe"
wine "$setup" /S
for file in About.exe LICENSE.txt README.txt uninstall.exe; do
  check "$file is installed" test -f "$installed/$file"
done
check "the new program replaced the old one" cmp -s "$installed/scrivex.exe" "$build/scrivex.exe"
wine "$installed/scrivex.exe" &
check "the installed program shows its frame" wait_for 60 frame_shown
wine taskkill /f /im scrivex.exe >/dev/null 2>&1
check "the shortcut points to the program" grep -q 'Programs\\Scrivex\\scrivex.exe' <(tr -d '\0' <"$shortcut")
for type in .txt .log .ini; do
  check "Scrivex is in \"Open with\" for $type" has "$classes\\$type\\OpenWithProgids" Scrivex.Text
done
check "\"Open with\" starts the program" is "$(value "$classes\\Scrivex.Text\\shell\\open\\command")" \
  "\"$windows_dir\\scrivex.exe\" \"%1\""
check "the program is registered for \"Open with\"" has "$classes\\Applications\\scrivex.exe\\shell\\open\\command"
check "the user's default program and \"Open with\" entries are kept" user_entries_kept
for entry in "DisplayName=Scrivex" "DisplayVersion=$version" "Publisher=The Scrivex authors" \
  "InstallLocation=$windows_dir" "UninstallString=\"$windows_dir\\uninstall.exe\"" \
  "QuietUninstallString=\"$windows_dir\\uninstall.exe\" /S"; do
  check "installed programs: $entry" is "$(value "$uninstall" "${entry%%=*}")" "${entry#*=}"
done
check "installed programs: a size" test "$(($(value "$uninstall" EstimatedSize)))" -gt 0
wine "$setup" /S
check "installed again over it" is "$(value "$uninstall" DisplayVersion)" "$version"

echo "the user's notes" >"$installed/notes.txt"
wine reg add 'HKCU\Software\Scrivex\Scrivex\Clip' /v Viewer /d 0 /f >/dev/null 2>&1
wine "$installed/uninstall.exe" /S
check "the uninstaller ends" wait_for 60 test ! -e "$installed/uninstall.exe"
wineserver -w
check "the user's file in the program's folder stays" test -f "$installed/notes.txt"
# (reg.exe may fail while the Wine server that -w waited for goes down: asked again)
check "the user's default program and \"Open with\" entries are kept" wait_for 10 user_entries_kept
# Without the user's file, the folders it kept would have gone too.
rm "$installed/notes.txt" && rmdir "$installed"
grep -qx ./AppData/Local/Programs "$work/before.files" || rmdir "$profile/AppData/Local/Programs"
snapshot "$work/after"
check "no file or shortcut of the installer is left" diff "$work/before.files" "$work/after.files"
check "no registry key of the installer or the program is left" diff "$work/before.keys" "$work/after.keys"
echo "$failures installer checks failed" && [ $failures -eq 0 ]
