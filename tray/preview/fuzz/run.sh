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
data=$src/tray/preview/tests/data

cmake -S "$src" -B "$build" --preset fuzz >/dev/null
cmake --build "$build" --target preview_ZipFuzz preview_CabFuzz preview_TextFuzz -j2 >/dev/null

status=0
for target in ZipFuzz CabFuzz TextFuzz; do
  work=$build/preview-fuzz/$target
  mkdir -p "$work/corpus"
  case $target in
    ZipFuzz) cp "$data"/*.zip "$work/corpus/" ;;
    CabFuzz) cp "$data"/*.cab "$work/corpus/" ;;
    TextFuzz) for f in "$data"/*.txt; do printf '\012\004' | cat - "$f" >"$work/corpus/$(basename "$f")"; done ;;
  esac
  if [ -d "$src/tray/preview/fuzz/corpus/$target" ]; then
    cp "$src/tray/preview/fuzz/corpus/$target"/* "$work/corpus/" 2>/dev/null || true
  fi
  echo "== $target: $seconds s"
  # Allocations are bounded by the input: anything above 64 MB for inputs this small is a finding.
  if ! (cd "$work" && "$build/bin/preview_$target" -max_total_time="$seconds" -malloc_limit_mb=64 \
          -print_final_stats=1 corpus 2>"$work/log.txt"); then
    status=1
  fi
  grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units|stat::peak_rss_mb)|cov:|ERROR|SUMMARY|artifact' "$work/log.txt" | tail -6
done
exit $status
