#!/usr/bin/env bash
# Screenshots of the preview window under Wine, for looking at:
#   tray/preview/tests/screenshots.sh [BUILD_DIR]   (default build/win64; needs PVNMain, PVNTray, PvnRecorder, PvnDriver, PvnInput)
# Writes BUILD_DIR/screenshots/preview-*.png: a Japanese text, a ZIP listing, a folder summary, a
# shortcut, the status line, a 24-bit bitmap scaled into the box, one with its white frame cut, a
# picture from our own image plug-in and a sound playing, each shown with the space key in a folder
# menu. Also needs PvnPreviewImage (the plug-in).
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
build=$(cd "${1:-$root/build/win64}" && pwd)
bin=$build/bin
shots=$build/screenshots
mkdir -p "$shots"
. "$root/tools/wine/shots.sh"
. "$root/tools/wine/tray.sh"
inst=$bin/shotpreview
shots_enter "$build/wine"

# Menu order: 開く (highlighted at the start), the folder, then the files by name.
d="$WINEPREFIX/drive_c/PvnPreview"
rm -rf "$d"; mkdir -p "$d/1 folder/sub"
printf '\x93\xfa\x96\x7b\x8c\xea\x82\xcc\x83\x81\x83\x82\r\n\x82\xb1\x82\xea\x82\xcd\x83\x65\x83\x4c\x83\x58\x83\x67\r\n\tTab\r\n' >"$d/2 memo.txt"
printf 'one\n' >"$d/1 folder/a.txt"; head -c 123456 /dev/zero >"$d/1 folder/sub/b.bin"
(cd "$d" && mkdir -p z && for i in $(seq -w 1 14); do printf '%s\n' "$i" >"z/entry$i.txt"; done && \
  (cd z && zip -q ../"3 archive.zip" ./*.txt) && rm -rf z)
head -c 2000 /dev/zero >"$d/5 data.bin"
# Larger than the box, so scaled into it; then a white frame around the content, which the preview cuts off.
convert -size 800x600 gradient:yellow-green -type truecolor BMP3:"$d/6 picture.bmp"
convert -size 320x200 gradient:red-blue -bordercolor white -border 40 -type truecolor BMP3:"$d/7 framed.bmp"
# The test plug-in's file: magic, mode, pad, width, height; it draws a red block on white.
python3 - "$d/8 plugin.pvt" "$d/9 sound.wav" <<'PY'
import struct, sys, wave
open(sys.argv[1], "wb").write(b"PVT1" + bytes(4) + struct.pack("<ii", 240, 160))
# Eight seconds: Wine's null sound device plays faster than real time, but not all of it before the
# shot (two thirds or so).
with wave.open(sys.argv[2], "wb") as w:
    w.setnchannels(1); w.setsampwidth(1); w.setframerate(8000); w.writeframes(bytes([128]) * 64000)
PY
input sleep 0
# The preview box and edge cut as installed, whatever an earlier test left.
for v in ToolTipOn:0 StartType:1 FolderIcon:1 FileNum:0 TTWidth:500 TTHeight:500 TTEdgeCut:1; do reg_dword "${v%%:*}" "${v##*:}"; done
tray_install "$inst" "$bin" real
cp "$bin/previewplugins/Image.spi" "$inst/"
reg_text SusiePluginDir "$(winepath -w "$inst")"
reg_dword SusiePreview 1
tray_start "$inst" "$bin"
# A shortcut with its four fields, made by the shell itself.
# cscript reads its script in the ANSI code page.
iconv -f UTF-8 -t CP932 >"$d/mk.vbs" <<'VBS'
Set s = CreateObject("WScript.Shell")
Set l = s.CreateShortcut("C:\PvnPreview\4 link.lnk")
l.TargetPath = "C:\PvnPreview\2 memo.txt"
l.WorkingDirectory = "C:\PvnPreview"
l.Description = "メモへのショートカット"
l.Arguments = "/readonly"
l.Save
VBS
wine cscript //nologo 'C:\PvnPreview\mk.vbs' >/dev/null 2>&1 || true
rm -f "$d/mk.vbs"

# shot NAME DOWNS: opens the menu at (200, 150), moves the highlight, presses space, captures.
shot() {
  local name=$1 downs=$2 keys=()
  for _ in $(seq "$downs"); do keys+=(key 0x28); done
  menu_open "$inst/PVNMain.exe" 'C:\PvnPreview' 200 150 >/dev/null
  input "${keys[@]}" key 0x20 sleep 1500
  capture "$shots/preview-$name.png"
  menu_close
}

shot folder-summary 1
shot text 2
shot zip 3
shot shortcut 4
shot status 5
shot picture 6
shot picture-edgecut 7
# The plug-in's white around its block stays, and the sound is no picture: no edge cut for these.
reg_dword TTEdgeCut 0
driver request 9 >/dev/null
shot plugin 8
shot sound 9
tray_quit "$bin"
