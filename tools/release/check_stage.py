#!/usr/bin/env python3
"""Checks a release folder before it is zipped: exactly the files the installer requires, each
image that ReadMe.htm shows present, and nothing else.

check_stage.py STAGE README
"""
import pathlib
import re
import sys

REQUIRED = [
    "PVNMain.exe", "PVNTray.exe", "PVNSet.exe", "PVNShlEx32.dll", "PVNShlEx64.dll", "ReadMe.htm",
    "image/PVNMain.png", "image/context.png", "image/drive.png", "image/edit.png", "image/fav.png",
    "image/fop1.png", "image/fop2.png", "image/install.png", "image/left.png", "image/open.png",
    "image/other.png", "image/preview.jpg", "image/right.png", "image/uninst.png",
]


def problems(stage, readme):
    present = sorted(str(p.relative_to(stage)) for p in stage.rglob("*") if p.is_file())
    problems = [f"missing: {name}" for name in REQUIRED if name not in present]
    problems += [f"not shipped: {name}" for name in present if name not in REQUIRED]
    shown = set(re.findall(r'<img[^>]*\bsrc="([^"]+)"', readme))
    problems += [f"ReadMe.htm shows {name}, which is not shipped" for name in sorted(shown) if name not in present]
    problems += [f"ReadMe.htm does not show {name}" for name in REQUIRED if name.startswith("image/") and name not in shown]
    return problems


def main():
    found = problems(pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]).read_text(encoding="utf-8"))
    for p in found:
        print(p, file=sys.stderr)
    sys.exit(1 if found else 0)


if __name__ == "__main__":
    main()
