#!/bin/sh
# The preview of a 100 MB 24-bit bitmap (reduced reading, one row in G) against reading the same
# file whole, in one run. Builds the reader optimised and without sanitizers.
#   picture_bench.sh [WORK_DIR]
set -eu
src=$(cd "$(dirname "$0")/../../.." && pwd)
work=${1:-$src/build/preview-bench}
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
"$work/picture_bench" "$bmp" 7
