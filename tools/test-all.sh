#!/usr/bin/env bash
# Everything, on a fresh Debian 12 machine as root: installs what is missing, builds the native,
# win64, win32 and fuzz trees, and runs every test in one ctest run (native under the sanitizers,
# win64 under Wine, the import/export checks of both Windows builds, short fuzz runs).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
jobs=$(nproc)

packages=(cmake make g++ python3 googletest libgtest-dev libgmock-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine wine64 xvfb xauth fonts-ipafont-gothic locales
  clang libclang-rt-14-dev zip unzip gcab imagemagick xdotool tidy)
"$top/tools/ensure-packages.sh" "${packages[@]}"

presets=(native win64 win32 fuzz)
for preset in "${presets[@]}"; do
  echo "== configure and build: $preset"
  log=build/logs/$preset.log
  mkdir -p build/logs
  cmake --preset "$preset" >"$log" 2>&1 || { cat "$log"; exit 1; }
  cmake --build --preset "$preset" -j"$jobs" >>"$log" 2>&1 || { grep -E -A5 'error|Error' "$log" | head -n 80; exit 1; }
done

# One ctest run over all trees, so that the run ends with one summary.
{
  for preset in "${presets[@]}"; do echo "subdirs(\"$preset\")"; done
} >build/CTestTestfile.cmake
echo "== test"
# A GUI test under Wine that fails is run once more before it counts: input and focus on the
# virtual display are timing-dependent. A second failure fails the run.
ctest --test-dir build -j"$jobs" --output-on-failure --timeout 600 --repeat until-pass:2 "$@"
