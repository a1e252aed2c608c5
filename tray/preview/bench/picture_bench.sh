#!/usr/bin/env bash
# The picture benchmarks, each against its baseline in the same run:
# - the preview of a 100 MB 24-bit bitmap (reduced reading, one row in G) against reading the same
#   file whole; natively, the reader built optimised and without sanitizers;
# - the image plug-in step for a 10 MB file through our own test plug-in (the whole file read once
#   into memory) against one bare read of that file; under Wine, in the build tree's environment.
#   picture_bench.sh [WORK_DIR] [BUILD_DIR] [RUNS]   (defaults build/preview-bench, build/win64, 7)
set -euo pipefail
src=$(cd "$(dirname "$0")/../../.." && pwd)
work=${1:-$src/build/preview-bench}
build=${2:-$src/build/win64}
runs=${3:-7}
mkdir -p "$work"
p=$src/tray/preview
g++ -std=c++20 -O2 -DNDEBUG -I"$src" -o "$work/picture_bench" "$p/bench/PictureBench.cpp" "$p/BitmapReader.cpp" \
  "$p/Picture.cpp" "$p/PosixByteSource.cpp" "$src/common/PosixTextPlatform.cpp"
bmp=$work/large24.bmp
if [ ! -f "$bmp" ]; then
  # 5800 × 5800 pixels, 24 bits: 100.9 MB of rows.
  python3 - "$bmp" <<'PY'
import struct, sys
w = h = 5800
stride = (w * 3 + 3) // 4 * 4
with open(sys.argv[1], "wb") as f:
    f.write(b"BM" + struct.pack("<IHHI", 54 + stride * h, 0, 0, 54))
    f.write(struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, stride * h, 0, 0, 0, 0))
    row = bytes((x * 7) & 0xFF for x in range(stride))
    for _ in range(h):
        f.write(row)
PY
fi
echo "== built-in bitmap reader"
"$work/picture_bench" "$bmp" "$runs"

echo "== image plug-in step"
cmake --build "$build" -j2 --target PvnPluginBench PvnPreviewImage >/dev/null
"$src/tools/wine/env" up "$build/wine"
eval "$("$src/tools/wine/env" shell "$build/wine")"
dir=$WINEPREFIX/drive_c/pvnplugbench
mkdir -p "$dir/plugins"
cp "$build/bin/previewplugins/Image.spi" "$dir/plugins/"
# The test plug-in's header (magic, mode, pad, 640 × 480), then 10 MB in all; and the header alone.
python3 - "$dir/large.pvt" "$dir/small.pvt" <<'PY'
import struct, sys
head = b"PVT1" + bytes(4) + struct.pack("<ii", 640, 480)
with open(sys.argv[1], "wb") as f:
    f.write(head + bytes((i * 7) & 0xFF for i in range(10 * 1048576 - len(head))))
open(sys.argv[2], "wb").write(head)
PY
wine "$build/bin/PvnPluginBench.exe" "$runs" 'C:\pvnplugbench\plugins' 'C:\pvnplugbench\large.pvt' \
  'C:\pvnplugbench\small.pvt' </dev/null 2>/dev/null | tr -d '\r'
