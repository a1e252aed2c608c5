#!/usr/bin/env bash
# Builds and runs the folder-menu benchmark under Wine and prints the table:
#   menu/bench/run.sh [BUILD_DIR] [SIZES...]     (default build/win64; sizes 1000 10000 100000)
# Each folder holds 100 sub-folders and the given number of files. Each figure is the best of three
# runs (one from 100,000 files on); the peak is the process's peak private memory.
#   floor   the shell-namespace listing alone
#   list    the sorted listing the menu is built from
#   insert  the system's own cost of inserting as many owner-drawn items into a bare menu
#   menu    FolderMenu creation to the filled first level
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build/win64}
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1000 10000 100000)
cmake --build "$build" --target PvnMenuBench -j2 >/dev/null
"$root/tools/wine/env" up "$build/wine"
eval "$("$root/tools/wine/env" shell "$build/wine")"
# shellcheck source=folders.sh
. "$root/menu/bench/folders.sh"
bin=$build/bin
key='HKCU\Software\Morrick\Parvane'
for v in FileNum:0 MenuOverFlow:0 Order:0 IncludeHidden:0 FileUpside:0 FTogether:0 MenuSepHeight:9; do
  wine reg add "$key" /v "${v%%:*}" /t REG_DWORD /d "${v##*:}" /f >/dev/null 2>&1
done
out="$WINEPREFIX/drive_c/pvnbench.txt"
printf '%8s %9s %9s %10s %10s %10s %11s %10s %10s\n' files floor_ms list_ms insert_ms menu_ms menu/floor \
  "(menu-ins)/fl" floor_peak menu_peak
for n in "${sizes[@]}"; do
  bench_folder "$WINEPREFIX/drive_c/pvnbench$n" "$n"
  rm -f "$out"
  runs=3
  [ "$n" -ge 100000 ] && runs=1
  for _ in $(seq "$runs"); do
    for mode in floor list insert menu; do
      wine "$bin/PvnMenuBench.exe" "$mode" "C:\\pvnbench$n" 'C:\pvnbench.txt' >/dev/null 2>&1
    done
  done
  awk -v n="$n" '
    { if (!(($1) in best) || $2 < best[$1]) best[$1] = $2; if ($4 > peak[$1]) peak[$1] = $4 }
    END { f = best["floor"]; m = best["menu"]; i = best["insert"]
          printf "%8d %9.1f %9.1f %10.1f %10.1f %10.2f %11.2f %9.1fM %9.1fM\n", n, f, best["list"], i, m, m / f,
                 (m - i) / f, peak["floor"] / 1048576, peak["menu"] / 1048576 }' "$out"
done
