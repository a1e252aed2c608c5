#!/usr/bin/env python3
"""Checks a release ZIP without running anything in it: exactly the files the installer requires at
its root, each image ReadMe.htm shows present, every PE file of the machine its name says (the
programs of the ZIP's architecture, each extension DLL of its own), importing only DLLs that come
with Windows, the extension DLLs exporting exactly their two entry points, and every PE file sealed.

check_zip.py --objdump OBJDUMP ZIP x64|x86    (an x86_64 objdump: it reads both machines)
"""
import argparse
import pathlib
import struct
import subprocess
import sys
import tempfile
import zipfile

tools = pathlib.Path(__file__).resolve().parent.parent
sys.path.insert(0, str(tools / "release"))
import check_stage  # noqa: E402

MACHINES = {0x8664: "x64", 0x14C: "x86"}
EXPORTS = ["DllCanUnloadNow", "DllGetClassObject"]


def machine(data):
    if data[:2] != b"MZ":
        return None
    at = struct.unpack_from("<I", data, 0x3C)[0]
    if data[at:at + 4] != b"PE\0\0":
        return None
    return MACHINES.get(struct.unpack_from("<H", data, at + 4)[0])


def expected_machine(name, arch):
    if name == "PVNShlEx32.dll":
        return "x86"
    if name == "PVNShlEx64.dll":
        return "x64"
    return arch


def failures(command, marker):
    """The lines of a check's output that start with its failure marker."""
    run = subprocess.run([sys.executable, *command], capture_output=True, text=True)
    return [line for line in run.stdout.splitlines() if line.startswith(marker)]


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--objdump", required=True)
    ap.add_argument("zip")
    ap.add_argument("arch", choices=["x64", "x86"])
    a = ap.parse_args()
    problems = []
    with zipfile.ZipFile(a.zip) as z, tempfile.TemporaryDirectory() as tmp:
        bad = z.testzip()
        if bad:
            problems.append(f"damaged in the ZIP: {bad}")
        z.extractall(tmp)
        stage = pathlib.Path(tmp)
        readme = (stage / "ReadMe.htm").read_text(encoding="utf-8") if (stage / "ReadMe.htm").exists() else ""
        problems += check_stage.problems(stage, readme)
        pes = sorted(p for p in stage.iterdir() if p.suffix.lower() in (".exe", ".dll"))
        for p in pes:
            found = machine(p.read_bytes())
            want = expected_machine(p.name, a.arch)
            if found != want:
                problems.append(f"{p.name}: machine {found}, expected {want}")
        problems += failures([str(tools / "check_pe.py"), "imports", "--objdump", a.objdump, tmp], "FAIL")
        for dll in ("PVNShlEx32.dll", "PVNShlEx64.dll"):
            if (stage / dll).exists():
                problems += failures([str(tools / "check_pe.py"), "exports", "--objdump", a.objdump,
                                      str(stage / dll), *EXPORTS], "FAIL")
        problems += failures([str(tools / "pe_seal.py"), "verify", *map(str, pes)], "NOT SEALED")
    for p in problems:
        print(p, file=sys.stderr)
    print(f"{a.zip}: {'ok' if not problems else f'{len(problems)} problems'}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
