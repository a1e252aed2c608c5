#!/usr/bin/env bash
# Screenshots of the tray's menus on the tree's virtual display: the recent menu with its icons,
# the favourites menu with a separator, the tray icon's own menu, the file-operation menu for one
# file (a sub-menu open) and for three, and the rename box. Saved under <tree>/screenshots.
#   tray/bench/screenshots.sh [build tree]        (default build/win64)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tree=$(cd "${1:-$root/build/win64}" && pwd)
bin=$tree/bin
shots=$tree/screenshots
mkdir -p "$shots"
. "$root/tools/wine/shots.sh"
. "$root/tools/wine/tray.sh"
shots_enter "$tree/wine"
inst=$bin/shotinst
tray_install "$inst" "$bin"
mkdir -p "$inst/Projects/Parvane/source" "$inst/Documents/Letters" "$inst/Pictures" "$inst/Music/Albums"
winst=$(winepath -w "$inst")
for v in FolderIcon:1 FavFName:1 RecentSortType:0 StartType:2; do reg_dword "${v%%:*}" "${v##*:}"; done

appdata=$(appdata)
mkdir -p "$appdata/Morrick"
printf '%s\r\n' "$winst\\Music\\Albums" "$winst\\Projects\\Parvane\\source" "c:\\windows" "$winst\\Documents\\Letters" \
  "\\\\fileserver\\share\\reports" "$winst\\Pictures" >"$appdata/Morrick/PVNRecent.lst"
printf '%s\r\n' "$winst\\Projects\\Parvane" "$winst\\Documents" "-" "c:\\" "c:\\windows\\system32" \
  >"$appdata/Morrick/PVNFavorites.lst"

tray_start "$inst" "$bin"

driver move 200 200 icon left menu sleep 300 down 0x28 up 0x28 down 0x28 up 0x28 sleep 300
capture "$shots/recent-menu.png"
driver cancel
driver move 200 200 down 0x10 icon left menu up 0x10 sleep 300 down 0x28 up 0x28 sleep 300
capture "$shots/favorites-menu.png"
driver cancel
driver move 600 500 icon right menu sleep 300
capture "$shots/tray-menu.png"
driver key 0x58 box yes
sleep 1

# The file-operation menu, as the shell extension's entry asks for it.
tray_start "$inst" "$bin"
printf 'report\r\n' >"$inst/Documents/報告書.txt"
printf 'a' >"$inst/Documents/a.txt"
printf 'b' >"$inst/Documents/b.txt"
driver move 300 200 fileop 1 "$winst\\Documents\\報告書.txt" menu sleep 300 key 0x44 sleep 500
capture "$shots/fileop-menu-one.png"
driver cancel cancel sleep 300
driver move 300 200 fileop 3 "$winst\\Documents\\報告書.txt" "$winst\\Documents\\a.txt" "$winst\\Documents\\b.txt" \
  menu sleep 300 key 0x28 key 0x27 sleep 500
capture "$shots/fileop-menu-three.png"
driver cancel cancel sleep 300
driver move 300 200 fileop 1 "$winst\\Documents\\報告書.txt" menu sleep 300 key 0x41 sleep 800
capture "$shots/rename-box.png"
driver key 0x1b sleep 300
tray_quit "$bin"
sleep 1
rm -rf "$inst"
ls -l "$shots"
