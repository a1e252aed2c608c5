#!/bin/sh
# Runs one preview fuzz target for SECONDS on a copy of its seeds: the test fixtures and the corpus
# kept in fuzz/corpus/<target> (minimised from earlier long runs). Non-zero exit on any finding.
#   run-one.sh TARGET SECONDS FUZZER_BINARY WORK_DIR
set -eu
target=${1:?target}; seconds=${2:?seconds}; binary=${3:?binary}; work=${4:?work dir}
src=$(cd "$(dirname "$0")/../../.." && pwd)
data=$src/tray/preview/tests/data
mkdir -p "$work/corpus"
case $target in
  ZipFuzz) cp "$data"/*.zip "$work/corpus/" ;;
  CabFuzz) cp "$data"/*.cab "$work/corpus/" ;;
  BitmapFuzz) for f in "$data"/*.bmp; do printf '\020\014' | cat - "$f" >"$work/corpus/$(basename "$f")"; done ;;
  TextFuzz) for f in "$data"/*.txt; do printf '\012\004' | cat - "$f" >"$work/corpus/$(basename "$f")"; done ;;
esac
if [ -d "$src/tray/preview/fuzz/corpus/$target" ]; then
  cp "$src/tray/preview/fuzz/corpus/$target"/* "$work/corpus/" 2>/dev/null || true
fi
echo "== $target: $seconds s"
# Allocations are bounded by the input: anything above 64 MB for inputs this small is a finding.
status=0
(cd "$work" && "$binary" -max_total_time="$seconds" -malloc_limit_mb=64 -print_final_stats=1 corpus \
   2>"$work/log.txt") || status=1
grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units|stat::peak_rss_mb)|cov:|ERROR|SUMMARY|artifact' \
  "$work/log.txt" | tail -6
exit $status
