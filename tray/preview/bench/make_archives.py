"""Writes the benchmark archives.

  make_archives.py zip N PATH   a ZIP64 archive of N empty stored entries in shuffled order, every
                                entry with a ZIP64 extra field, the ZIP64 end record and locator,
                                and a saturated 32-bit end record (as writers make when the values
                                do not fit)
  make_archives.py tree N DIR   N empty files in 100 folders, for gcab
"""
import os, random, struct, sys

def names(n):
    out = [f"dir{i % 100:02d}/file{i:07d}.txt" for i in range(n)]
    random.Random(1).shuffle(out)
    return out

def write_zip(n, path):
    with open(path, "wb") as f:
        central = bytearray()
        pos = 0
        for name in names(n):
            b = name.encode()
            local_extra = struct.pack("<HHQQ", 1, 16, 0, 0)
            local = struct.pack("<IHHHHHIIIHH", 0x04034b50, 45, 0, 0, 0, 0x21, 0, 0xFFFFFFFF, 0xFFFFFFFF,
                                len(b), len(local_extra)) + b + local_extra
            f.write(local)
            extra = struct.pack("<HHQQQ", 1, 24, 0, 0, pos)
            central += struct.pack("<IHHHHHHIIIHHHHHII", 0x02014b50, 0x031e, 45, 0, 0, 0, 0x21, 0, 0xFFFFFFFF,
                                   0xFFFFFFFF, len(b), len(extra), 0, 0, 0, 0, 0xFFFFFFFF) + b + extra
            pos += len(local)
        f.write(central)
        end64 = pos + len(central)
        f.write(struct.pack("<IQHHIIQQQQ", 0x06064b50, 44, 45, 45, 0, 0, n, n, len(central), pos))
        f.write(struct.pack("<IIQI", 0x07064b50, 0, end64, 1))
        f.write(struct.pack("<IHHHHIIH", 0x06054b50, 0, 0, 0xFFFF, 0xFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0))

def write_tree(n, root):
    for name in names(n):
        p = os.path.join(root, name)
        os.makedirs(os.path.dirname(p), exist_ok=True)
        open(p, "wb").close()

if __name__ == "__main__":
    kind, n, path = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    write_zip(n, path) if kind == "zip" else write_tree(n, path)
