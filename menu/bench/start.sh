#!/usr/bin/env bash
# Start to visible menu, as a user waits for it after a double click: PVNMain against a bare program
# that only starts, initialises OLE, lists the same folder through the shell namespace and shows a
# one-item menu. Both run as a user gets them (stripped of debug information, sealed again), with
# the real tray resident and the settings installation writes.
#   menu/bench/start.sh [BUILD_DIR] [RUNS] [SIZES...]    (default build/win64, 7 runs, 10 1000 10000)
# Each folder holds the given number of files and 100 sub-folders. Prints medians and their ratio,
# then PVNMain's start-up by phase (medians of the instrumented copy, milliseconds since the start):
# each phase's share is the time from the previous mark to its own.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build/win64}
runs=${2:-7}
shift 2 || shift $# || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(10 1000 10000)
cmake --build "$build" -j2 --target PVNMain PVNTray PvnRecorder PvnDriver PvnStartBench PvnBareList PVNMainTimed \
  >/dev/null
"$root/tools/wine/env" up "$build/wine"
eval "$("$root/tools/wine/env" shell "$build/wine")"
# shellcheck source=folders.sh
. "$root/menu/bench/folders.sh"
# shellcheck source=../../tools/wine/tray.sh
. "$root/tools/wine/tray.sh"
bin=$build/bin
objcopy=$(grep -m1 '^CMAKE_OBJCOPY:' "$build/CMakeCache.txt" | cut -d= -f2)

inst=$WINEPREFIX/drive_c/pvnstart
tray_install "$inst" "$bin" real
for exe in PVNMainTimed PvnBareList; do cp "$bin/$exe.exe" "$inst/"; done
for exe in PVNMain PVNMainTimed PvnBareList PVNTray; do
  "$objcopy" --strip-debug "$inst/$exe.exe"
  python3 "$root/tools/pe_seal.py" seal "$inst/$exe.exe"
done
wine "$bin/PvnStartBench.exe" settings "$(winepath -w "$inst")" </dev/null >/dev/null 2>&1
tray_start "$inst" "$bin"
trap 'tray_quit "$bin"' EXIT

out=$WINEPREFIX/drive_c/pvnstart.txt
phases=$WINEPREFIX/drive_c/pvnphases.txt
barephases=$WINEPREFIX/drive_c/pvnbarephases.txt
printf '%8s %10s %10s %7s %10s\n' entries bare_ms main_ms ratio main_kB
rm -f "$WINEPREFIX/drive_c/pvnstart-phases.txt"
for n in "${sizes[@]}"; do
  bench_folder "$WINEPREFIX/drive_c/pvnstart$n" "$n"
  folder="C:\\pvnstart$n"
  rm -f "$out" "$phases" "$barephases"
  # Alternating, so that a busy moment of the machine falls on both.
  for _ in $(seq "$runs"); do
    wine "$bin/PvnStartBench.exe" bare 1 'C:\pvnstart.txt' "C:\\pvnstart\\PvnBareList.exe" "$folder" </dev/null >/dev/null 2>&1
    PVN_PHASE_LOG='C:\pvnbarephases.txt' \
      wine "$bin/PvnStartBench.exe" baretimed 1 'C:\pvnstart.txt' "C:\\pvnstart\\PvnBareList.exe" "$folder" </dev/null >/dev/null 2>&1
    echo "run end" >>"$barephases"
    wine "$bin/PvnStartBench.exe" main 1 'C:\pvnstart.txt' "C:\\pvnstart\\PVNMain.exe" "$folder" </dev/null >/dev/null 2>&1
    PVN_PHASE_LOG='C:\pvnphases.txt' WINEDEBUG=-all \
      wine "$bin/PvnStartBench.exe" timed 1 'C:\pvnstart.txt' "C:\\pvnstart\\PVNMainTimed.exe" "$folder" </dev/null >/dev/null 2>&1
    echo "run end" >>"$phases"
  done
  size=$(( $(stat -c %s "$inst/PVNMain.exe") / 1024 ))
  for what in "timed $phases" "baretimed $barephases"; do
    # shellcheck disable=SC2086
    python3 "$root/menu/bench/start_report.py" "$n" "$size" "$out" $what >>"$WINEPREFIX/drive_c/pvnstart-phases.txt"
  done
  python3 "$root/menu/bench/start_report.py" "$n" "$size" "$out"
done
echo
cat "$WINEPREFIX/drive_c/pvnstart-phases.txt"
