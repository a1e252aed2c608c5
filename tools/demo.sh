#!/usr/bin/env bash
# The system's main job, shown under Wine on a virtual display: on a fresh Debian 12 machine as root,
# installs what is missing, builds the Windows programs, puts them in an install folder of the
# prefix, starts the tray resident, opens the folder menu of a sample folder as Explorer's shell
# verb would, walks into a sub-folder, and writes a screenshot to the path it prints.
#   tools/demo.sh [SCREENSHOT.png]      (PVN_BUILD=<dir> builds in another tree than build/win64)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
build=${PVN_BUILD:-build/win64}
shot=${1:-$top/$build/screenshots/demo.png}

packages=(cmake make g++ python3 googletest libgtest-dev libgmock-dev
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 xvfb xauth fonts-ipafont-gothic locales imagemagick)
"$top/tools/ensure-packages.sh" "${packages[@]}"

echo "== build ($build)"
mkdir -p build/logs
cmake --preset win64 -B "$build" >build/logs/demo.log 2>&1 || { cat build/logs/demo.log; exit 1; }
cmake --build "$build" --target PVNMain PVNTray PVNSet PvnRecorder PvnDriver PvnInput -j"$(nproc)" >>build/logs/demo.log 2>&1 ||
  { grep -E -A5 'error|Error' build/logs/demo.log | head -n 60; exit 1; }

echo "== Wine environment (the first start makes a prefix: about 20 s)"
tools/wine/env up "$build/wine"
eval "$(tools/wine/env shell "$build/wine")"
bin=$top/$build/bin

sample="$WINEPREFIX/drive_c/Parvane Sample"
rm -rf "$sample"
mkdir -p "$sample/写真/2024" "$sample/projects/parvane" "$sample/music"
printf 'Parvane のサンプルフォルダです。\r\n' >"$sample/readme.txt"
printf 'memo\r\n' >"$sample/メモ.txt"
printf 'int main() {}\n' >"$sample/projects/parvane/main.cpp"
printf 'notes\n' >"$sample/projects/notes.txt"
head -c 4096 /dev/zero >"$sample/data.bin"

# The install folder with the real programs (the tray's menu starts the real settings program).
. "$top/tools/wine/tray.sh"
tray_install "$WINEPREFIX/drive_c/Parvane" "$bin" real
cp "$bin/PVNSet.exe" "$WINEPREFIX/drive_c/Parvane/"

key='HKCU\Software\Morrick\Parvane'
for v in StartType:1 FolderIcon:1 ToolTipOn:1 FHistory:1 MenuSepHeight:9 TTFPoint10:90 DrvOther:1 Order:0; do
  wine reg add "$key" /v "${v%%:*}" /t REG_DWORD /d "${v##*:}" /f >/dev/null 2>&1
done
wine reg add "$key" /v TTFName /t REG_SZ /d 'ＭＳ ゴシック' /f >/dev/null 2>&1
wine reg add "$key" /v Drive /t REG_SZ /d all /f >/dev/null 2>&1

echo "== tray"
# Ended as the user ends it, whatever happens next.
trap 'tray_quit "$bin"' EXIT
tray_start "$WINEPREFIX/drive_c/Parvane" "$bin"

echo "== folder menu of C:\\Parvane Sample"
wine "$bin/PvnInput.exe" move 200 150 >/dev/null 2>&1
wine 'C:\Parvane\PVNMain.exe' 'C:\Parvane Sample' >/dev/null 2>&1 &
menu=$!
sleep 3
# Three items down (the item under the cursor may already be highlighted) and into that sub-folder:
# its "開く" is highlighted and shows the folder's tooltip.
wine "$bin/PvnInput.exe" key 0x28 key 0x28 key 0x28 key 0x27 sleep 1200 >/dev/null 2>&1
mkdir -p "$(dirname "$shot")"
import -window root "$shot"
wine "$bin/PvnInput.exe" key 0x1B key 0x1B key 0x1B >/dev/null 2>&1
wait "$menu" 2>/dev/null || true
last=$(wine reg query "$key" /v LastMenuItem 2>/dev/null | iconv -f cp932 -t utf-8 | sed -n 's/.*REG_SZ *//p' | tr -d '\r')
echo "LastMenuItem: $last"
echo "screenshot: $shot"
echo "(stop the Wine environment with: tools/wine/env down $build/wine)"
