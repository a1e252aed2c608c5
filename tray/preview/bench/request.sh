#!/usr/bin/env bash
# Request 100 to the preview window shown, with the real tray resident, against the bare work under it,
# measured in the same run under Wine:
#   folder summary  a tree of 100,000 empty files in 1,000 folders, against a bare recursive
#                   FindFirstFileW/FindNextFileW walk of the same tree
#   ZIP64           a 1,000,000-entry archive, against the archive reader listing it alone
# Both bare sides run in the benchmark's own process, as the tray's side does (no process start).
# Prints medians and ratios (request / bare), then where the request's time goes: the preview's own
# reading code run in this process (summary, lines) against the bare side, and the rest (the request,
# the window, its message pumping) against that. The native listing against unzip -l is run.sh's.
#   tray/preview/bench/request.sh [BUILD_DIR] [RUNS]    (default build/win64, 5 runs)
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
build=${1:-$root/build/win64}
runs=${2:-5}
cmake --build "$build" -j2 --target PVNTray PvnRecorder PvnDriver PvnRequestBench >/dev/null
"$root/tools/wine/env" up "$build/wine"
eval "$("$root/tools/wine/env" shell "$build/wine")"
# shellcheck source=../../../tools/wine/tray.sh
. "$root/tools/wine/tray.sh"
bin=$build/bin
drive=$WINEPREFIX/drive_c

# The fixtures, kept for later runs.
tree=$drive/pvnreqtree
if [ ! -f "$tree.ready" ]; then
  rm -rf "$tree"
  python3 - "$tree" <<'PY'
import os, sys
root = sys.argv[1]
for d in range(1000):
    folder = os.path.join(root, f"folder{d:04d}")
    os.makedirs(folder)
    for f in range(100):
        open(os.path.join(folder, f"file{f:03d}.txt"), "wb").close()
PY
  touch "$tree.ready"
fi
zip=$drive/pvnreq_1000000.zip
[ -f "$zip" ] || python3 "$root/tray/preview/bench/make_archives.py" zip 1000000 "$zip"
mkdir -p "$drive/pvnreqempty"

inst=$drive/pvnreq
tray_install "$inst" "$bin"
tray_start "$inst" "$bin"
trap 'tray_quit "$bin"' EXIT

out=$drive/pvnreq.txt
rm -f "$out"
wine "$bin/PvnRequestBench.exe" "$runs" 'C:\pvnreq.txt' 'C:\pvnreqtree' 'C:\pvnreq_1000000.zip' 'C:\pvnreqempty' \
  </dev/null >/dev/null 2>&1 || { cat "$out" >&2; exit 1; }
python3 - "$out" "$runs" <<'PY'
import statistics, sys
times, counts = {}, []
for line in open(sys.argv[1]):
    w = line.split()
    if w[0] == "count":
        counts.append(" ".join(w[1:]))
    elif w[1] == "failed":
        sys.exit(f"{w[0]} failed")
    else:
        times.setdefault(w[0], []).append(float(w[1]))
m = {k: statistics.median(v) for k, v in times.items()}
print(f"medians of {sys.argv[2]} runs; " + "; ".join(counts))
print(f"{'case':<16}{'bare':<24}{'bare ms':>9}{'request ms':>12}{'ratio':>7}"
      f"{'core ms':>9}{'core/bare':>10}{'request/core':>13}")
for case, bare, label, core, req in (("folder summary", "FindFirstFileW walk", "walk", "summary", "folder"),
                                     ("ZIP64 1,000,000", "archive reader listing", "list", "lines", "archive")):
    print(f"{case:<16}{bare:<24}{m[label]:>9.1f}{m[req]:>12.1f}{m[req] / m[label]:>7.2f}"
          f"{m[core]:>9.1f}{m[core] / m[label]:>10.2f}{m[req] / m[core]:>13.2f}")
PY
