#!/usr/bin/env bash
# The resident tray's footprint under Wine: CPU time over an idle minute, private memory after start
# and after a hundred requests, and the size of each shipped binary. Not a test: figures to read.
#   tray/bench/footprint.sh [build tree]        (default build/win64; needs its test binaries)
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
tree=$(cd "${1:-$here/build/win64}" && pwd)
bin=$tree/bin
"$here/tools/wine/env" up "$tree/wine"
eval "$("$here/tools/wine/env" shell "$tree/wine")"

. "$here/tools/wine/tray.sh"
inst=$bin/benchinst
tray_install "$inst" "$bin"
key='HKCU\Software\Morrick\Parvane'
for v in HKDrv HKRec HKFav HKLast HKLastMenu HKMyDoc; do wine reg add "$key" /v $v /t REG_DWORD /d 0 /f >/dev/null 2>&1; done

tray_start "$inst" "$bin"
pid=$(pgrep -f 'benchinst.PVNTray.exe' | head -1 || true)
[ -n "${pid:-}" ] || { echo "tray did not start" >&2; exit 1; }

private_kb() { awk '/^Private_(Clean|Dirty):/ {s += $2} END {print s}' "/proc/$1/smaps"; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)

sleep 2
echo "private memory after start: $(private_kb "$pid") KiB"
t0=$(cpu_ticks "$pid"); sleep 60; t1=$(cpu_ticks "$pid")
echo "CPU time over an idle minute: $(( (t1 - t0) * 1000 / hz )) ms"
wine "$bin/PvnDriver.exe" request 4 0 50 request 5 0 25 request 9 0 25 </dev/null 2>/dev/null | tail -1
sleep 1
echo "private memory after 100 requests: $(private_kb "$pid") KiB"
wine "$bin/PvnDriver.exe" request 4 0 100 </dev/null >/dev/null 2>&1
echo "private memory after 200 requests: $(private_kb "$pid") KiB"

tray_quit "$bin"
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done

strip_size() { local f=$1; local t; t=$(mktemp); x86_64-w64-mingw32-strip -o "$t" "$f" 2>/dev/null || i686-w64-mingw32-strip -o "$t" "$f"; stat -c %s "$t"; rm -f "$t"; }
for f in "$bin"/PVN*.exe "$bin"/PVN*.dll; do
  [ -f "$f" ] || continue
  echo "size of $(basename "$f"): $(stat -c %s "$f") bytes as built, $(strip_size "$f") stripped"
done
rm -rf "$inst"
