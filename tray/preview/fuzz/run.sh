#!/bin/sh
# Builds the fuzz preset and runs each preview fuzz target for SECONDS on a copy of its seeds: the
# test fixtures and the corpus kept in fuzz/corpus/<target> (minimised from earlier long runs).
#   run.sh SECONDS [BUILD_DIR]
# Findings land in BUILD_DIR/preview-fuzz/<target>/ (crash-*, leak-*, oom-*); the exit status is
# non-zero when any target found one.
set -eu
seconds=${1:?usage: run.sh SECONDS [BUILD_DIR]}
src=$(cd "$(dirname "$0")/../../.." && pwd)
build=${2:-$src/build/fuzz}
mkdir -p "$build"
build=$(cd "$build" && pwd)

cmake -S "$src" -B "$build" --preset fuzz >/dev/null
cmake --build "$build" --target preview_ZipFuzz preview_CabFuzz preview_TextFuzz preview_BitmapFuzz \
  preview_PluginOutputFuzz -j2 >/dev/null

status=0
for target in ZipFuzz CabFuzz TextFuzz BitmapFuzz PluginOutputFuzz; do
  "$src/tray/preview/fuzz/run-one.sh" "$target" "$seconds" "$build/bin/preview_$target" \
    "$build/preview-fuzz/$target" || status=1
done
exit $status
