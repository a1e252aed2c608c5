#!/usr/bin/env python3
"""Tables of the start-up benchmark (start.sh).

start_report.py ENTRIES KB TIMES            one row: medians of bare and main, their ratio
start_report.py ENTRIES KB TIMES LABEL PHASES
                                            the phases of the runs of LABEL (timed: PVNMain, baretimed: the bare program):
                                            median time of each mark since the process was started,
                                            and the share since the mark before
"""
import statistics
import sys


def read_times(path):
    runs = {}
    for line in open(path, encoding="utf-8", errors="replace"):
        f = line.split()
        if len(f) >= 5:
            runs.setdefault(f[0], []).append((float(f[1]), int(f[2]), int(f[3]), int(f[4])))
        elif len(f) == 2 and f[1] == "failed":
            runs.setdefault(f[0] + "-failed", []).append(None)
    return runs


def main():
    entries, kb, times = sys.argv[1], sys.argv[2], sys.argv[3]
    runs = read_times(times)
    if len(sys.argv) == 4:
        bare = statistics.median(r[0] for r in runs.get("bare", [(0.0,)]))
        main_ = statistics.median(r[0] for r in runs.get("main", [(0.0,)]))
        failed = sum(len(v) for k, v in runs.items() if k.endswith("-failed"))
        note = f"  ({failed} runs showed no menu)" if failed else ""
        print(f"{entries:>8} {bare:10.1f} {main_:10.1f} {main_ / bare if bare else 0:7.2f} {kb:>10}{note}")
        return
    label, phases = sys.argv[4], sys.argv[5]
    timed = runs.get(label, [])
    marks = []  # one dict a run: first time of each mark, in ms since the start
    current = {}
    for line in open(phases, encoding="utf-8", errors="replace"):
        f = line.split()
        if f == ["run", "end"]:
            marks.append(current)
            current = {}
        elif len(f) == 2 and f[0] not in current:
            current[f[0]] = int(f[1])
    order = []
    offsets = {}
    for run, (ms, start, shown, freq) in zip(marks, timed):
        for name, counter in sorted(run.items(), key=lambda kv: kv[1]):
            if name not in order:
                order.append(name)
            offsets.setdefault(name, []).append((counter - start) * 1000.0 / freq)
        offsets.setdefault("shown", []).append(ms)
    order.append("shown")
    name = "PVNMain" if label == "timed" else "bare program"
    print(f"{name} phases, {entries} entries (medians of {len(timed)} runs, ms since CreateProcess)")
    previous = 0.0
    for name in order:
        at = statistics.median(offsets[name])
        print(f"  {name:<12} {at:8.1f} {at - previous:+8.1f}")
        previous = at


if __name__ == "__main__":
    main()
