#!/bin/sh
# Makes the archive and text fixtures of the preview tests with real tools. Run from anywhere; the
# files land beside this script and are committed, so the tests need none of these tools.
# Needs: zip, python3, gcab, iconv, ImageMagick (convert).
set -eu
out=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TZ=UTC LC_ALL=C.UTF-8

# Info-ZIP: entries stored as b.txt, a/, a/c.txt; an archive comment.
mkdir -p "$work/plain/a"
printf 'bee\n' >"$work/plain/b.txt"
printf 'sea\n' >"$work/plain/a/c.txt"
touch -d '2020-01-02 03:04:05' "$work/plain/b.txt" "$work/plain/a/c.txt" "$work/plain/a"
rm -f "$out"/infozip_*.zip
(cd "$work/plain" && zip -q -X -D "$out/infozip_order.zip" b.txt && zip -q -X "$out/infozip_order.zip" a/ a/c.txt)
(cd "$work/plain" && printf 'an archive comment\n' | zip -q -X -z "$out/infozip_comment.zip" b.txt)
# Input from a pipe into a seekable file: ZIP64 local and end records. Output into a pipe as well:
# a data descriptor (with its signature).
printf 'streamed data\n' | zip -q -X - - >"$out/infozip_zip64.zip"
printf 'streamed data\n' | zip -q -X - - | cat >"$out/infozip_stream.zip"

# Python zipfile: ZIP64 records forced, duplicates, NTFS times, UTF-8 and Shift_JIS names, a data
# descriptor without its signature.
python3 - "$out" <<'PY'
import io, struct, sys, zipfile
out = sys.argv[1]

# ZIP64 everywhere: extra fields with sizes and offsets, the ZIP64 end record and locator.
zipfile.ZIP64_LIMIT = 0
zipfile.ZIP_FILECOUNT_LIMIT = 0
with zipfile.ZipFile(f"{out}/python_zip64.zip", "w") as z:
    for name in ["zeta.txt", "alpha/", "alpha/beta.txt"]:
        info = zipfile.ZipInfo(name, (2021, 5, 6, 7, 8, 10))
        with z.open(info, "w", force_zip64=True) as f:
            f.write(b"" if name.endswith("/") else name.encode() * 3)
# zipfile keeps the true values in the 32-bit end record when they fit; mark them as not set, as
# writers do when they do not fit, so that the ZIP64 end record is the one to read.
data = bytearray(open(f"{out}/python_zip64.zip", "rb").read())
end = data.rindex(b"PK\x05\x06")
struct.pack_into("<HHII", data, end + 8, 0xFFFF, 0xFFFF, 0xFFFFFFFF, 0xFFFFFFFF)
open(f"{out}/python_zip64.zip", "wb").write(bytes(data))
zipfile.ZIP64_LIMIT = (1 << 31) - 1
zipfile.ZIP_FILECOUNT_LIMIT = (1 << 16) - 1

import warnings
warnings.simplefilter("ignore")
with zipfile.ZipFile(f"{out}/python_duplicate.zip", "w") as z:
    z.writestr("x.txt", b"1")
    z.writestr("y.txt", b"2")
    z.writestr("x.txt", b"3")

def ntfs(m, a, c):
    data = struct.pack("<IHH", 0, 1, 24) + struct.pack("<QQQ", m, a, c)
    return struct.pack("<HH", 0x000a, len(data)) + data

with zipfile.ZipFile(f"{out}/python_ntfs.zip", "w") as z:
    info = zipfile.ZipInfo("times.txt", (2022, 1, 1, 0, 0, 0))
    info.extra = ntfs(132854688000000000, 132854688010000000, 132854687990000000)
    z.writestr(info, b"t")

with zipfile.ZipFile(f"{out}/python_names.zip", "w") as z:
    z.writestr("日本語.txt", b"utf-8 name, flag bit 11 set")
    info = zipfile.ZipInfo("placeholder.txt")
    z.writestr(info, b"shift_jis name, no flag")
    z.writestr("ascii.txt", b"a")
# Put the Shift_JIS bytes into the second entry (same length as the placeholder's name).
data = bytearray(open(f"{out}/python_names.zip", "rb").read())
sjis = "漢字かな.txt".encode("cp932")
placeholder = b"placeholder.txt"
assert len(sjis) <= len(placeholder)
sjis = sjis + b"_" * (len(placeholder) - len(sjis))
data = data.replace(placeholder, sjis)
open(f"{out}/python_names.zip", "wb").write(bytes(data))

# A stream written to an unseekable file gets data descriptors; then drop one signature.
class Unseekable(io.RawIOBase):
    def __init__(self): self.buf = bytearray()
    def writable(self): return True
    def write(self, b): self.buf += b; return len(b)
sink = Unseekable()
with zipfile.ZipFile(sink, "w") as z:
    with z.open("first.txt", "w") as f: f.write(b"one")
    with z.open("second.txt", "w") as f: f.write(b"two")
raw = bytes(sink.buf)
sig = b"PK\x07\x08"
first = raw.index(sig)
raw = raw[:first] + raw[first + 4:]
# Offsets after the removed signature move back by 4: rewrite the central directory's.
end = raw.rindex(b"PK\x05\x06")
count, size, offset = struct.unpack_from("<HII", raw, end + 10)
offset -= 4
raw = bytearray(raw)
struct.pack_into("<I", raw, end + 16, offset)
p = offset
for _ in range(count):
    assert raw[p:p + 4] == b"PK\x01\x02"
    n, e, c = struct.unpack_from("<HHH", raw, p + 28)
    local = struct.unpack_from("<I", raw, p + 42)[0]
    if local > first:
        struct.pack_into("<I", raw, p + 42, local - 4)
    p += 46 + n + e + c
open(f"{out}/python_descriptor_nosig.zip", "wb").write(bytes(raw))
PY

# gcab: a file in a folder and one at the top; UTF-8 names.
mkdir -p "$work/cab/dir" "$work/cab/フォルダ"
printf 'a\n' >"$work/cab/dir/a.txt"
printf 'b\n' >"$work/cab/b.txt"
printf 'u\n' >"$work/cab/フォルダ/名前.txt"
rm -f "$out/gcab_folders.cab" "$out/gcab_utf8.cab"
(cd "$work/cab" && gcab -c "$out/gcab_folders.cab" dir/a.txt b.txt)
(cd "$work/cab" && gcab -c "$out/gcab_utf8.cab" フォルダ/名前.txt b.txt)

# Texts: Shift_JIS by iconv, UTF-16 LE with and without mark, UTF-8 with mark.
printf '日本語のテキスト\r\n二行目\tタブ\r\n' | iconv -f UTF-8 -t CP932 >"$out/sjis.txt"
printf '\377\376' >"$out/utf16_bom.txt"
printf 'UTF-16 テキスト\r\n二行目\r\n' | iconv -f UTF-8 -t UTF-16LE >>"$out/utf16_bom.txt"
printf 'かなカナ漢字かなカナ漢字\r\n' | iconv -f UTF-8 -t UTF-16LE >"$out/utf16_nobom.txt"
printf '\357\273\277UTF-8 テキスト\n' >"$out/utf8_bom.txt"

# Bitmaps of every depth from ImageMagick (16 × 12); 16 and 32 bits with bit-field masks in a
# 124-byte header; a run-length encoded one; a top-down copy of the 24-bit one.
"$out/make_bitmaps.sh" "$out"
echo "fixtures written to $out"
