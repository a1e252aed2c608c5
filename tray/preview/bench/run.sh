#!/bin/sh
# Times the preview's archive listing against other listers on the same files, in the same run:
# a 100,000-entry ZIP64 archive, a 20,000-entry cabinet, and ZIP scaling from 1,000 to 1,000,000
# entries. Prints a table of best-of-N wall times and ratios (other / ours; above 1: ours is faster).
#   run.sh [WORK_DIR]
set -eu
src=$(cd "$(dirname "$0")/../../.." && pwd)
work=${1:-$src/build/preview-bench}
mkdir -p "$work"
work=$(cd "$work" && pwd)

missing=
for pair in unzip:unzip 7z:p7zip-full bsdtar:libarchive-tools cabextract:cabextract gcab:gcab; do
  command -v "${pair%%:*}" >/dev/null 2>&1 || missing="$missing ${pair#*:}"
done
if [ -n "$missing" ]; then
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >/dev/null
fi

# Optimised and without sanitizers, unlike the test trees.
p=$src/tray/preview
sources=
# The platform-free common sources too: the readers use its paths, formatting and settings table.
for f in "$p"/*.cpp "$src"/common/*.cpp; do
  case $f in *_win.cpp|*/Memory*.cpp) ;; *) sources="$sources $f" ;; esac
done
# shellcheck disable=SC2086
g++ -std=c++20 -O2 -DNDEBUG -I"$src" -o "$work/preview_bench" "$p/bench/PreviewBench.cpp" $sources

python3 "$p/bench/bench.py" "$work" "$p/bench/make_archives.py"
