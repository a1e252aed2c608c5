#!/usr/bin/env python3
"""Registry steps of the end-to-end test, on `reg export` files converted to UTF-8.

registry.py mirror USER_BEFORE USER_AFTER MACHINE_BEFORE OUT
    What an installation added below HKCU\\Software\\Classes, as OUT.reg for HKLM\\Software\\Classes
    (Wine's shell and COM read classes only there; Windows merges the user's into HKCR), and how to
    take it away again: OUT.keys (the keys the machine did not have, deepest first) and OUT-undo.reg
    (the machine's own keys that the mirror changed, as they were).
registry.py compare BEFORE AFTER
    Every key whose values differ, Wine's own bookkeeping aside; ends with 1 when there is one.
"""
import re
import sys

USER = "HKEY_CURRENT_USER\\Software\\Classes\\"
MACHINE = "HKEY_LOCAL_MACHINE\\Software\\Classes\\"
# Keys Wine itself changes as programs run, and the user's classes key: a new Wine prefix lacks it
# until something is registered there, where every Windows profile has it.
VOLATILE = re.compile(r"^HKEY_CURRENT_USER\\Software\\((Wine|Microsoft\\Windows\\CurrentVersion\\Explorer)\b|Classes$)", re.I)


def sections(path):
    out, key = {}, None
    for line in open(path, encoding="utf-8"):
        line = line.rstrip("\r\n")
        m = re.match(r"^\[(.*)\]$", line)
        if m:
            key = m.group(1)
            out[key] = []
        elif key is not None and line:
            out[key].append(line)
    return out


def value_name(line):
    if line.startswith("@="):
        return "@"
    m = re.match(r'^"((?:[^"\\]|\\.)*)"=', line)
    return m and '"' + m.group(1) + '"'


def to_machine(key):
    sub = key[len(USER):]
    # Wine ignores verbs below Directory\shell and reads those of Folder\shell.
    if sub.lower() == "directory\\shell" or sub.lower().startswith("directory\\shell\\"):
        sub = "Folder" + sub[len("Directory"):]
    return MACHINE + sub


def mirror(user_before, user_after, machine_before, out):
    before, after = sections(user_before), sections(user_after)
    machine = {k.lower(): (k, v) for k, v in sections(machine_before).items()}
    new = [k for k in after if k.lower().startswith(USER.lower()) and k not in before]
    reg, undo, keys = [], [], []
    for k in new:
        m = to_machine(k)
        lines = after[k]
        # Wine has one view of the user's classes: the 32-bit library, registered last, took the
        # 64-bit class key. This 64-bit process creates the 64-bit one.
        if m.lower().endswith("\\inprocserver32"):
            lines = [l.replace("PVNShlEx32.dll", "PVNShlEx64.dll") if l.startswith("@=") else l for l in lines]
        reg.append(f"[{m}]\n" + "".join(l + "\n" for l in lines))
        if m.lower() in machine:
            original = machine[m.lower()][1]
            names = {value_name(l) for l in original}
            added = [value_name(l) for l in lines if value_name(l) and value_name(l) not in names]
            undo.append(f"[{m}]\n" + "".join(f"{n}=-\n" for n in added) + "".join(l + "\n" for l in original))
        else:
            keys.append(m)
    header = "Windows Registry Editor Version 5.00\n\n"
    with open(out + ".reg", "w", encoding="utf-16") as f:
        f.write(header + "\n".join(reg))
    with open(out + "-undo.reg", "w", encoding="utf-16") as f:
        f.write(header + "\n".join(undo))
    with open(out + ".keys", "w", encoding="utf-8") as f:
        f.writelines(k + "\n" for k in sorted(keys, key=len, reverse=True))
    print(f"{len(new)} keys of the user's classes mirrored, {len(undo)} of them into keys the machine has")
    return 0


def compare(before_path, after_path):
    before = {k: set(v) for k, v in sections(before_path).items() if not VOLATILE.match(k)}
    after = {k: set(v) for k, v in sections(after_path).items() if not VOLATILE.match(k)}
    bad = 0
    for k in sorted(set(before) | set(after)):
        if before.get(k) != after.get(k):
            bad += 1
            print(f"changed: [{k}] {sorted(before.get(k, set()) ^ after.get(k, set()))}")
    return 1 if bad else 0


if __name__ == "__main__":
    if len(sys.argv) == 6 and sys.argv[1] == "mirror":
        sys.exit(mirror(*sys.argv[2:]))
    if len(sys.argv) == 4 and sys.argv[1] == "compare":
        sys.exit(compare(*sys.argv[2:]))
    print(__doc__, file=sys.stderr)
    sys.exit(2)
