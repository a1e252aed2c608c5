#!/usr/bin/env bash
# Screenshots of the tray's menus on the tree's virtual display: the recent menu with its icons,
# the favourites menu with a separator, the tray icon's own menu, the file-operation menu for one
# file (a sub-menu open) and for three, and the rename box. Saved under <tree>/screenshots.
#   tray/bench/screenshots.sh [build tree]        (default build/win64)
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
tree=$(cd "${1:-$here/build/win64}" && pwd)
bin=$tree/bin
shots=$tree/screenshots
mkdir -p "$shots"
"$here/tools/wine/env" up "$tree/wine"
eval "$("$here/tools/wine/env" shell "$tree/wine")"

. "$here/tools/wine/tray.sh"
inst=$bin/shotinst
tray_install "$inst" "$bin"
mkdir -p "$inst/Projects/Parvane/source" "$inst/Documents/Letters" "$inst/Pictures" "$inst/Music/Albums"
winst=$(winepath -w "$inst")
key='HKCU\Software\Morrick\Parvane'
wine reg add "$key" /v FolderIcon /t REG_DWORD /d 1 /f >/dev/null 2>&1
wine reg add "$key" /v FavFName /t REG_DWORD /d 1 /f >/dev/null 2>&1
wine reg add "$key" /v RecentSortType /t REG_DWORD /d 0 /f >/dev/null 2>&1
wine reg add "$key" /v StartType /t REG_DWORD /d 2 /f >/dev/null 2>&1

appdata=$(winepath -u "$(wine cmd /c 'echo %APPDATA%' </dev/null 2>/dev/null | tr -d '\r')")
mkdir -p "$appdata/Morrick"
printf '%s\r\n' "$winst\\Music\\Albums" "$winst\\Projects\\Parvane\\source" "c:\\windows" "$winst\\Documents\\Letters" \
  "\\\\fileserver\\share\\reports" "$winst\\Pictures" >"$appdata/Morrick/PVNRecent.lst"
printf '%s\r\n' "$winst\\Projects\\Parvane" "$winst\\Documents" "-" "c:\\" "c:\\windows\\system32" \
  >"$appdata/Morrick/PVNFavorites.lst"

tray_start "$inst" "$bin"
drive() { wine "$bin/PvnDriver.exe" "$@" </dev/null 2>/dev/null; }

drive move 200 200 icon left menu sleep 300 down 0x28 up 0x28 down 0x28 up 0x28 sleep 300
import -window root "$shots/recent-menu.png"
drive cancel
drive move 200 200 down 0x10 icon left menu up 0x10 sleep 300 down 0x28 up 0x28 sleep 300
import -window root "$shots/favorites-menu.png"
drive cancel
drive move 600 500 icon right menu sleep 300
import -window root "$shots/tray-menu.png"
drive key 0x58 box yes
sleep 1

# The file-operation menu, as the shell extension's entry asks for it.
tray_start "$inst" "$bin"
printf 'report\r\n' >"$inst/Documents/報告書.txt"
printf 'a' >"$inst/Documents/a.txt"
printf 'b' >"$inst/Documents/b.txt"
drive move 300 200 fileop 1 "$winst\\Documents\\報告書.txt" menu sleep 300 key 0x44 sleep 500
import -window root "$shots/fileop-menu-one.png"
drive cancel cancel sleep 300
drive move 300 200 fileop 3 "$winst\\Documents\\報告書.txt" "$winst\\Documents\\a.txt" "$winst\\Documents\\b.txt" \
  menu sleep 300 key 0x28 key 0x27 sleep 500
import -window root "$shots/fileop-menu-three.png"
drive cancel cancel sleep 300
drive move 300 200 fileop 1 "$winst\\Documents\\報告書.txt" menu sleep 300 key 0x41 sleep 800
import -window root "$shots/rename-box.png"
drive key 0x1b sleep 300
tray_quit "$bin"
sleep 1
rm -rf "$inst"
ls -l "$shots"
