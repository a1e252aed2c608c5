#!/bin/sh
# The bitmap fixtures of the preview tests (called by make_fixtures.sh). Needs ImageMagick, python3.
set -eu
out=${1:-$(cd "$(dirname "$0")" && pwd)}
g="-size 16x12 gradient:red-blue"
n="-size 16x12 xc: +noise Random -colors 200 -type palette"
convert $g -monochrome BMP3:"$out/im_1.bmp"
convert $g -colors 16 -type palette BMP3:"$out/im_4.bmp"
convert $n -compress None BMP3:"$out/im_8.bmp"
convert $n -compress RLE BMP3:"$out/im_8rle.bmp"
convert $g -define bmp:subtype=RGB565 BMP:"$out/im_16.bmp"
convert $g -type truecolor BMP3:"$out/im_24.bmp"
convert $g -alpha set -channel A -evaluate set 50% +channel BMP:"$out/im_32.bmp"
python3 - "$out" <<'PY'
import struct, sys
out = sys.argv[1]
d = bytearray(open(f"{out}/im_24.bmp", "rb").read())
off, w, h = struct.unpack_from("<I", d, 10)[0], *struct.unpack_from("<ii", d, 18)
stride = (w * 24 + 31) // 32 * 4
rows = [d[off + r * stride: off + (r + 1) * stride] for r in range(h)]
d[off:] = b"".join(reversed(rows))
struct.pack_into("<i", d, 22, -h)
open(f"{out}/im_24topdown.bmp", "wb").write(bytes(d))
PY
