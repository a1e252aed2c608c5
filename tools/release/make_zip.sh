#!/usr/bin/env bash
# One release ZIP from built programs:
#   tools/release/make_zip.sh ARCH BIN BIN32 BIN64 IMAGES ZIP
# ARCH is x64 or x86; BIN holds the programs of that architecture, BIN32 and BIN64 the extension DLL
# of each bitness, IMAGES the fourteen pictures of ReadMe.htm. The folder is checked before it is
# zipped, the ZIP depends on the contents alone (fixed times, order and attributes), and the ZIP is
# checked without running anything in it.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
arch=${1:?x64|x86} bin=${2:?} bin32=${3:?} bin64=${4:?} images=${5:?} zipfile=${6:?}
zipfile=$(mkdir -p "$(dirname "$zipfile")" && cd "$(dirname "$zipfile")" && pwd)/$(basename "$zipfile")
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$stage/image"
cp "$bin/PVNMain.exe" "$bin/PVNTray.exe" "$bin/PVNSet.exe" "$stage/"
cp "$bin32/PVNShlEx32.dll" "$bin64/PVNShlEx64.dll" "$stage/"
cp "$top/release/ReadMe.htm" "$stage/"
cp "$images"/* "$stage/image/"
python3 "$top/tools/release/check_stage.py" "$stage" "$top/release/ReadMe.htm"
find "$stage" -exec touch -h -d '2026-12-01 00:00:00 UTC' {} +
chmod -R u=rwX,go=rX "$stage"
rm -f "$zipfile"
(cd "$stage" && find . -type f -printf '%P\n' | LC_ALL=C sort | TZ=UTC zip -X -D -q -@ "$zipfile")
echo "$zipfile: $(stat -c %s "$zipfile") bytes"
python3 "$top/tools/release/check_zip.py" --objdump x86_64-w64-mingw32-objdump "$zipfile" "$arch"
