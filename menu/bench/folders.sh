# The benchmarks' folders, sourced by their scripts:
#   bench_folder DIR N    DIR holds 100 sub-folders and N empty files once (kept for later runs)
bench_folder() {
  local dir=$1 n=$2
  [ -f "$dir/.ready" ] && return 0
  rm -rf "$dir" && mkdir -p "$dir"
  (cd "$dir" && for i in $(seq 1 100); do mkdir "folder$i"; done && seq -f 'file%06g.txt' 1 "$n" | xargs touch)
  touch "$dir/.ready"
}
