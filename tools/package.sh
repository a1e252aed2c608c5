#!/usr/bin/env bash
# The two ZIPs a user downloads, on a fresh Debian 12 machine as root, from the top of a clone:
#   tools/package.sh
# Builds the shipped programs of both architectures (optimised, debug information split off into
# <file>.debug beside them in build/win64-release/bin and build/win32-release/bin, sealed after
# stripping), takes the screenshots of the user's guide from the running system under Wine, and
# writes build/dist/Parvane-3.12-x64.zip and build/dist/Parvane-3.12-x86.zip. Building twice gives
# the same bytes.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
version=3.12

"$top/tools/ensure-packages.sh" cmake make python3 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix \
  binutils-mingw-w64-x86-64 binutils-mingw-w64-i686 googletest libgtest-dev libgmock-dev \
  wine wine64 xvfb xauth fonts-ipafont-gothic locales imagemagick zip

mkdir -p build/logs
for preset in win64-release win32-release win64; do
  echo "== build: $preset"
  log=build/logs/package-$preset.log
  cmake --preset "$preset" >"$log" 2>&1 || { cat "$log"; exit 1; }
  cmake --build --preset "$preset" -j"$(nproc)" >>"$log" 2>&1 || { grep -E -A5 'error|Error' "$log" | head -n 80; exit 1; }
done

# The screenshots come from the test tree's programs and drivers, running in its Wine environment.
images=build/dist/image
rm -rf "$images" && mkdir -p "$images"
echo "== screenshots"
"$top/tools/release/screenshots.sh" build/win64 "$images"

# Each checked as it is made: see make_zip.sh.
tools/release/make_zip.sh x64 build/win64-release/bin build/win32-release/bin build/win64-release/bin "$images" \
  build/dist/Parvane-$version-x64.zip
tools/release/make_zip.sh x86 build/win32-release/bin build/win32-release/bin build/win64-release/bin "$images" \
  build/dist/Parvane-$version-x86.zip
for f in build/win64-release/bin/PVN*.exe build/win64-release/bin/PVNShlEx64.dll \
         build/win32-release/bin/PVN*.exe build/win32-release/bin/PVNShlEx32.dll; do
  echo "$f: $(stat -c %s "$f") bytes"
done
