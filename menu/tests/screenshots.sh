#!/usr/bin/env bash
# Screenshots of the folder menu under Wine, for looking at:
#   menu/tests/screenshots.sh [BUILD_DIR]     (default build/win64; needs PVNMain, PVNTray, PvnRecorder, PvnDriver, PvnInput)
# Writes BUILD_DIR/screenshots/*.png: a folder menu with icons and a hidden file, the drive menu, the
# tooltips of a file and of "About", and MenuOverFlow 1 and 2 on an 800x600 screen.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build/win64}" && pwd)
bin=$build/bin
shots=$build/screenshots
mkdir -p "$shots"
. "$root/tools/wine/shots.sh"
. "$root/tools/wine/tray.sh"
inst=$bin/shotmenu

# One environment: prefix, display, fixture folders, settings, the tray resident.
enter() {
  shots_enter "$@"
  local d="$WINEPREFIX/drive_c/PvnSample"
  rm -rf "$d"; mkdir -p "$d/写真" "$d/projects/src" "$d/music"
  printf 'hello\n' >"$d/readme.txt"; printf 'memo\n' >"$d/メモ.txt"; printf 'h\n' >"$d/.hidden-notes"
  head -c 1234567 /dev/zero >"$d/data.bin"; printf 'PK\005\006%018d' 0 >"$d/archive.zip"
  printf 'x\n' >"$d/projects/src/main.cpp"
  local many="$WINEPREFIX/drive_c/PvnMany"; rm -rf "$many"; mkdir -p "$many/folder"
  for i in $(seq -w 1 90); do printf '%s\n' "$i" >"$many/file$i.txt"; done
  for v in IncludeHidden:1 FolderIcon:1 ToolTipOn:0 FHistory:1 MenuSepHeight:9 TTFPoint10:90 StartType:1 \
           MenuOverFlow:0 DrvOther:1 PosFix:0 OpenShift:0 FileNum:0; do reg_dword "${v%%:*}" "${v##*:}"; done
  reg_text TTFName 'ＭＳ ゴシック'; reg_text Drive all
  tray_install "$inst" "$bin" real
  tray_start "$inst" "$bin"
}

leave() {
  input key 0x1B key 0x1B key 0x1B
  sleep 1
  tray_quit "$bin"
  sleep 1
}

# shot NAME ARGUMENT KEYS... : opens the menu at (300, 200), sends the keys, waits, captures.
shot() {
  local name=$1 arg=$2; shift 2
  menu_open "$inst/PVNMain.exe" "$arg" 300 200 >/dev/null
  [ $# -gt 0 ] && input "$@"
  capture "$shots/$name.png"
  menu_close
}

enter "$build/wine"
shot folder-menu 'C:\PvnSample' key 0x28 key 0x28 key 0x28 key 0x28 key 0x28 key 0x28 key 0x28 sleep 300
shot drive-menu '' key 0x28 key 0x28 sleep 300
reg_dword ToolTipOn 1
shot tooltip-file 'C:\PvnSample' key 0x28 key 0x28 key 0x28 key 0x28 key 0x28 key 0x28 sleep 1200
shot tooltip-about 'C:\PvnSample' key 0x26 sleep 1200
reg_dword ToolTipOn 0
leave

enter "$build/wine800" 800x600x24
reg_dword MenuOverFlow 1
shot overflow-wrap 'C:\PvnMany' sleep 300
reg_dword MenuOverFlow 2
shot overflow-more 'C:\PvnMany' key 0x23 key 0x27 sleep 500 key 0x23 key 0x27 sleep 500
leave
"$root/tools/wine/env" down "$build/wine800"
