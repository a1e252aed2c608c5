#!/usr/bin/env bash
# Screenshots of installation and the list editor under Wine, for looking at:
#   settings/tests/setup-screenshots.sh [BUILD_DIR]   (default build/win64; needs PVNSet, PVNTray, PVNMain
#                                                      and PvnDriver; the libraries are stand-ins)
# Writes BUILD_DIR/screenshots/: install-dialog.png, install-progress-N.png (a second installation
# just after its last question), editor.png; uninstalls again at the end.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build/win64}" && pwd)
bin=$build/bin
shots=$build/screenshots
mkdir -p "$shots"
. "$root/tools/wine/shots.sh"
shots_enter "$build/wine"

inst=$WINEPREFIX/drive_c/PvnSetup
rm -rf "$inst" && mkdir -p "$inst/image"
cp "$bin/PVNSet.exe" "$bin/PVNTray.exe" "$bin/PVNMain.exe" "$inst/"
for f in PVNShlEx32.dll PVNShlEx64.dll ReadMe.htm image/PVNMain.png image/context.png image/drive.png image/edit.png image/fav.png \
         image/fop1.png image/fop2.png image/install.png image/left.png image/open.png image/other.png \
         image/preview.jpg image/right.png image/uninst.png; do
  printf 'x' >"$inst/$f"
done
drive() { driver "$@" >/dev/null || true; }
title='Parvane Ver.3.12 のインストール'

# First installation: the dialog as it opens, then install with both shortcuts.
first_installation
(cd "$inst" && exec wine PVNSet.exe </dev/null >/dev/null 2>&1) &
setup=$!
await_dialog "$title"
sleep 1
capture "$shots/install-dialog.png"
# The first installation resets every page: the start page's note, then the end.
drive dialog "$title" 3311
answer_boxes "$setup"
# A second installation asks about the desktop shortcuts in front of the progress window.
(cd "$inst" && exec wine PVNSet.exe </dev/null >/dev/null 2>&1) &
setup=$!
await_dialog "$title"
# Its boxes stand over the progress window: it is captured after the last answer, a few times.
drive dialog "$title" 3311 box yes 20000
( for i in 1 2 3 4 5 6; do import -window root "$shots/install-progress-$i.png"; sleep 0.05; done ) &
drive box yes 20000
wait $! || true
echo "$shots/install-progress-*.png (the bar shows in some of them)"
answer_boxes "$setup"

for list in "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Morrick/PVNRecent.lst; do
  printf 'c:\\windows\r\nc:\\users\r\nC:\\Windows\r\nc:\\windows\\system32\r\n' >"$list"
  printf 'c:\\users\r\n-\r\nc:\\windows\\fonts\r\n' >"${list%/*}/PVNFavorites.lst"
done
(cd "$inst" && exec wine PVNSet.exe edit </dev/null >/dev/null 2>&1) &
setup=$!
await_dialog '最近開いたフォルダとお気に入りフォルダの編集'
sleep 1
capture "$shots/editor.png"
drive dialog '最近開いたフォルダとお気に入りフォルダの編集' 3013
await_exit "$setup" || true

# Uninstall again.
(cd "$inst" && exec wine PVNSet.exe </dev/null >/dev/null 2>&1) &
setup=$!
await_dialog "$title"
drive dialog "$title" 3303 sleep 300 dialog "$title" 3311
answer_boxes "$setup"
