#!/usr/bin/env python3
"""Seal PE files with their image checksum, or verify the seal.

  pe_seal.py seal FILE...       write the checksum into the optional header
  pe_seal.py verify FILE...     exit 1 unless every file carries a correct, non-zero checksum
"""
import struct
import sys


def checksum_offset(data):
    if data[:2] != b"MZ" or len(data) < 0x40:
        raise ValueError("not a PE file")
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE file")
    return pe + 4 + 20 + 64


def checksum(data, at):
    total = 0
    for i in range(0, len(data), 2):
        if at <= i < at + 4:
            continue
        word = data[i] | (data[i + 1] << 8 if i + 1 < len(data) else 0)
        total += word
        total = (total & 0xFFFF) + (total >> 16)
    total = (total & 0xFFFF) + (total >> 16)
    return (total & 0xFFFF) + len(data)


def main(argv):
    if len(argv) < 3 or argv[1] not in ("seal", "verify"):
        print(__doc__, file=sys.stderr)
        return 2
    bad = 0
    for path in argv[2:]:
        with open(path, "rb") as f:
            data = bytearray(f.read())
        at = checksum_offset(data)
        value = checksum(data, at)
        if argv[1] == "seal":
            struct.pack_into("<I", data, at, value)
            with open(path, "wb") as f:
                f.write(data)
        else:
            stored = struct.unpack_from("<I", data, at)[0]
            ok = stored != 0 and stored == value
            print(f"{'sealed' if ok else 'NOT SEALED'}: {path}")
            bad += 0 if ok else 1
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
