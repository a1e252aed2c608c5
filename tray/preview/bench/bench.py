"""Runs the listers and prints the tables (called by run.sh)."""
import os, shutil, subprocess, sys, tempfile, time

work, maker = sys.argv[1], sys.argv[2]
ours = os.path.join(work, "preview_bench")

def make(kind, n, path):
    if not os.path.exists(path):
        subprocess.run([sys.executable, maker, kind, str(n), path], check=True)

def best(cmd, runs):
    times = []
    for _ in range(runs):
        t = time.perf_counter()
        r = subprocess.run(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        times.append(time.perf_counter() - t)
        if r.returncode not in (0, 1):  # some listers exit 1 on warnings
            return None
    return min(times)

def lines(cmd):
    return subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL).stdout.count(b"\n")

def table(title, file, entries, tools, runs):
    print(f"\n{title}: {os.path.basename(file)}, {entries:,} entries, {os.path.getsize(file):,} bytes, best of {runs}")
    print(f"{'lister':<34}{'lines out':>11}{'seconds':>10}{'ratio':>8}")
    base = None
    for name, cmd in tools:
        t = best(cmd, runs)
        if t is None:
            print(f"{name:<34}{'failed':>11}")
            continue
        if base is None:
            base = t
        print(f"{name:<34}{lines(cmd):>11,}{t:>10.3f}{t / base:>8.2f}")

zip100k = os.path.join(work, "zip64_100000.zip")
make("zip", 100_000, zip100k)
py = [sys.executable, "-c", "import sys, zipfile; [print(n) for n in zipfile.ZipFile(sys.argv[1]).namelist()]"]
table("ZIP64", zip100k, 100_000, [
    ("preview reader (ours)", [ours, "zip", zip100k]),
    ("unzip -l", ["unzip", "-l", zip100k]),
    ("7z l", ["7z", "l", zip100k]),
    ("bsdtar -tf", ["bsdtar", "-tf", zip100k]),
    ("python3 zipfile namelist", py + [zip100k]),
], 5)

cab = os.path.join(work, "gcab_20000.cab")
if not os.path.exists(cab):
    tree = tempfile.mkdtemp(dir=work)
    subprocess.run([sys.executable, maker, "tree", "20000", tree], check=True)
    files = sorted(os.path.relpath(os.path.join(d, f), tree) for d, _, fs in os.walk(tree) for f in fs)
    subprocess.run(["gcab", "-c", cab] + files, cwd=tree, check=True)
    shutil.rmtree(tree)
table("Cabinet", cab, 20_000, [
    ("preview reader (ours)", [ours, "cab", cab]),
    ("cabextract -l", ["cabextract", "-l", cab]),
    ("gcab -l", ["gcab", "-l", cab]),
    ("7z l", ["7z", "l", cab]),
    ("bsdtar -tf", ["bsdtar", "-tf", cab]),
], 5)

print("\nZIP scaling (seconds; ratio = unzip -l / ours)")
print(f"{'entries':>10}{'ours':>10}{'per entry us':>14}{'unzip -l':>10}{'ratio':>8}")
for n in (1_000, 10_000, 100_000, 1_000_000):
    path = os.path.join(work, f"zip64_{n}.zip")
    make("zip", n, path)
    runs = 5 if n < 1_000_000 else 2
    a = best([ours, "zip", path], runs)
    b = best(["unzip", "-l", path], runs)
    print(f"{n:>10,}{a:>10.3f}{a / n * 1e6:>14.2f}{b:>10.3f}{b / a:>8.2f}")

print("\nSorted insertion (in one process; ratio = array insertion / merge sort)")
print(f"{'names':>10}{'array':>10}{'merge':>10}{'ratio':>8}")
for n in (1_000, 10_000, 100_000, 300_000):
    out = subprocess.run([ours, "sort", str(n)], stdout=subprocess.PIPE, check=True).stdout.split()
    a, m = float(out[0]), float(out[1])
    print(f"{n:>10,}{a:>10.3f}{m:>10.3f}{a / m:>8.1f}")
