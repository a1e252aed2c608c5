#!/usr/bin/env python3
"""Checks of the PE files a mingw tree built.

  check_pe.py imports --objdump OBJDUMP DIR
      every .exe and .dll in DIR imports only DLLs that come with Windows
  check_pe.py exports --objdump OBJDUMP FILE NAME...
      FILE exports exactly the names given, undecorated
"""
import argparse
import pathlib
import re
import subprocess
import sys

# DLLs every supported Windows has; the compiler runtimes must be linked in, never imported.
SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "shell32.dll", "ole32.dll",
    "oleaut32.dll", "comctl32.dll", "comdlg32.dll", "shlwapi.dll", "msvcrt.dll", "version.dll",
    "winmm.dll", "mpr.dll", "uuid.dll", "windowscodecs.dll", "imm32.dll", "uxtheme.dll",
    "propsys.dll", "ntdll.dll", "bcrypt.dll", "crypt32.dll", "userenv.dll", "ws2_32.dll", "atl.dll",
    "urlmon.dll",
}


def objdump(tool, path):
    return subprocess.run([tool, "-p", str(path)], check=True, capture_output=True, text=True).stdout


def check_imports(tool, folder):
    files = sorted(p for p in pathlib.Path(folder).iterdir() if p.suffix.lower() in (".exe", ".dll"))
    if not files:
        print(f"no PE files in {folder}")
        return 1
    bad = 0
    for f in files:
        names = {m.lower() for m in re.findall(r"DLL Name: (\S+)", objdump(tool, f))}
        foreign = sorted(n for n in names if n not in SYSTEM_DLLS and not n.startswith("api-ms-win-"))
        if foreign:
            bad += 1
            print(f"FAIL {f.name}: imports {', '.join(foreign)}")
        else:
            print(f"ok   {f.name}: {', '.join(sorted(names))}")
    print(f"{len(files) - bad} passed, {bad} failed")
    return 1 if bad else 0


def check_exports(tool, path, expected):
    text = objdump(tool, path)
    table = text.split("[Ordinal/Name Pointer] Table", 1)
    # The table ends at the first blank line; later sections (relocations) use the same "[n]" shape.
    rows = table[1].split("\n\n", 1)[0] if len(table) == 2 else ""
    names = re.findall(r"^\s*\[\s*\d+\]\s+(\S+)", rows, re.M)
    if sorted(names) != sorted(expected):
        print(f"FAIL {path}: exports {names}, expected {expected}")
        return 1
    print(f"ok   {path}: exports {names}")
    return 0


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("what", choices=["imports", "exports"])
    ap.add_argument("--objdump", required=True)
    ap.add_argument("target")
    ap.add_argument("names", nargs="*")
    a = ap.parse_args()
    if a.what == "imports":
        return check_imports(a.objdump, a.target)
    return check_exports(a.objdump, a.target, a.names)


if __name__ == "__main__":
    sys.exit(main())
