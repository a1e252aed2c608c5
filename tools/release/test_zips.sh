#!/usr/bin/env bash
# Both release ZIPs from a test tree, as the packaging command makes them from the release trees:
#   tools/release/test_zips.sh WIN64_BUILD WIN32_BIN OUT
# The screenshots of the user's guide are taken anew in WIN64_BUILD's Wine environment; OUT gets
# image/, Parvane-3.12-x64.zip and Parvane-3.12-x86.zip, each checked as make_zip.sh checks it.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:?win64 build}" && pwd) bin32=${2:?win32 bin} out=${3:?out}
[ -f "$bin32/PVNSet.exe" ] || { echo "no win32 programs in $bin32: build the win32 preset first" >&2; exit 1; }
rm -rf "$out" && mkdir -p "$out/image"
"$top/tools/release/screenshots.sh" "$build" "$out/image"
"$top/tools/release/make_zip.sh" x64 "$build/bin" "$bin32" "$build/bin" "$out/image" "$out/Parvane-3.12-x64.zip"
"$top/tools/release/make_zip.sh" x86 "$bin32" "$bin32" "$build/bin" "$out/image" "$out/Parvane-3.12-x86.zip"
