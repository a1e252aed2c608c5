#!/usr/bin/env bash
# The system as a user meets it, under Wine on a virtual display: on a fresh Debian 12 machine as
# root, installs what is missing, builds the programs, makes the x64 release ZIP (or takes
# build/dist/Parvane-3.12-x64.zip when the packaging command has made it), unpacks it in a Wine prefix
# of its own and installs it with its PVNSet.exe as a user would, opens the folder menu of a sample
# folder as Explorer's double click does, previews a text file with space, and writes a screenshot to
# the path it prints. The system stays installed and the tray resident until the environment is
# stopped (the command is printed).
#   tools/demo.sh [SCREENSHOT.png]      (PVN_BUILD=<dir> builds in another tree than build/win64)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=${PVN_BUILD:-build/win64}
shot=${1:-$root/$build/screenshots/demo.png}

packages=(cmake make g++ python3 googletest libgtest-dev libgmock-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine wine64 xvfb xauth fonts-ipafont-gothic locales imagemagick zip unzip)
"$root/tools/ensure-packages.sh" "${packages[@]}"

mkdir -p build/logs
log=build/logs/demo.log
zip=$root/build/dist/Parvane-3.12-x64.zip
echo "== build ($build)"
cmake --preset win64 -B "$build" >"$log" 2>&1 || { cat "$log"; exit 1; }
cmake --build "$build" --target PVNMain PVNTray PVNSet PVNShlEx64 PvnDriver PvnInput PvnExplorer -j"$(nproc)" \
  >>"$log" 2>&1 || { grep -E -A5 'error|Error' "$log" | head -n 60; exit 1; }
if [ ! -f "$zip" ]; then
  echo "== the x64 ZIP from these programs (the win32 tree gives the 32-bit extension; screenshots: about 1 min)"
  cmake --preset win32 >>"$log" 2>&1 && cmake --build --preset win32 -j"$(nproc)" >>"$log" 2>&1 ||
    { grep -E -A5 'error|Error' "$log" | head -n 60; exit 1; }
  tools/release/test_zips.sh "$build" build/win32/bin "$build/dist" >>"$log" 2>&1 || { tail -n 30 "$log"; exit 1; }
  zip=$root/$build/dist/Parvane-3.12-x64.zip
fi
bin=$root/$build/bin
state=$root/$build/demo
. tools/release/user.sh

echo "== a Wine prefix of its own ($state; about 30 s)"
user_enter "$state"
echo "== install: $zip unpacked into Downloads, PVNSet.exe, the dialog's defaults"
user_install "$zip"

sample=$c/サンプル
mkdir -p "$sample/写真/2026" "$sample/projects/parvane" "$sample/音楽"
sjis >"$sample/はじめに.txt" <<'TEXT'
Parvane のサンプルフォルダです。
フォルダをダブルクリックすると、その中身がメニューで開きます。
項目を選んでスペースキーを押すと、このようにプレビューが出ます。
TEXT
printf 'int main() {}\n' >"$sample/projects/parvane/main.cpp"
convert -size 320x200 gradient:skyblue-navy "BMP3:$sample/写真/空.bmp"

echo "== a double click on C:\\サンプル, then space on はじめに.txt"
# 開く, the folders (projects, 音楽, 写真), then the file.
user_open 'C:\サンプル' 200 150
input key 0x28 key 0x28 key 0x28 key 0x28 sleep 300 key 0x20 sleep 1500
mkdir -p "$(dirname "$shot")"
capture "$shot" '^(#32768|MENUTOOLTIPTEXT) ' >/dev/null
user_close_menus
echo "screenshot: $shot"
echo "(the tray stays resident; stop the environment with: tools/wine/env down $build/demo)"
