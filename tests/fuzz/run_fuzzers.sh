#!/usr/bin/env bash
# Builds the libFuzzer targets (clang with ASan and UBSan, see FuzzBuild.cmake)
# in build-fuzz and runs each for SECONDS, two at a time, niced, with
# libFuzzer's memory caps; then prints their figures.
#
#   tests/fuzz/run_fuzzers.sh SECONDS [target...]
#
# Targets: mesh_file skeleton_file animation_file font_reader ini_reader
# level_file profile_rewrite ghost_file records_file (all by default). Each starts from the data tool's files and corpus/<target>/;
# <build>/fuzzing/<target>/ keeps the corpus it grew (corpus/), crash
# reproducers (artifacts/) and libFuzzer's log (run.log). GAME_FUZZ_BUILD
# overrides the build folder, GAME_FUZZ_PARALLEL the number run at once.
set -euo pipefail
seconds=${1:?usage: $0 SECONDS [target...]}
shift
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${GAME_FUZZ_BUILD:-$root/build-fuzz}
parallel=${GAME_FUZZ_PARALLEL:-2}
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(mesh_file skeleton_file animation_file font_reader ini_reader level_file
                                     profile_rewrite ghost_file records_file)

cmake -S "$root" -B "$build" -G Ninja -C "$root/tests/fuzz/FuzzBuild.cmake" >/dev/null
cmake --build "$build" -j2 --target game_data "${targets[@]/#/fuzz_}"

# The data tool's files each target starts from, the same its corpus test runs.
data_files() {
  local data=$build/run/data
  case $1 in
    mesh_file) ls "$data"/models/*mesh ;;
    skeleton_file) ls "$data"/skeletons/*.cskel ;;
    animation_file) ls "$data"/animations/*.canim ;;
    font_reader) ls "$data"/fonts/*.fnt ;;
    ini_reader) ls "$root"/profile/config.cfg "$root"/data/shaders.shconf ;;
    profile_rewrite) ls "$root"/profile/config.cfg ;;
    level_file) ;; # no level ships: the committed seeds are its start
  esac
}

run_target() {
  local target=$1 work=$build/fuzzing/$1 dict=$root/tests/fuzz/dict/${1%%_*}.dict
  mkdir -p "$work/seeds" "$work/corpus" "$work/artifacts"
  data_files "$target" | xargs -I{} cp {} "$work/seeds/"
  local options=(-max_total_time="$seconds" -rss_limit_mb=2048 -malloc_limit_mb=512 -timeout=10 -close_fd_mask=1
                 -print_final_stats=1 -artifact_prefix="$work/artifacts/")
  [ -f "$dict" ] && options+=(-dict="$dict")
  (cd "$work" && nice -n 10 "$build/tests/fuzz/fuzz_$target" "$work/corpus" "$work/seeds" \
      "$root/tests/fuzz/corpus/$target" "${options[@]}" >"$work/run.log" 2>&1) || true
}

# One line of figures from a target's log: the last status line and the final stats.
summarise() {
  local work=$build/fuzzing/$1 status
  status=$(grep -E '^#[0-9]+' "$work/run.log" | tail -n 1 || true)
  printf '%-15s execs=%-10s exec/s=%-6s cov=%-5s ft=%-6s corpus=%-12s crashes=%s\n' "$1" \
    "$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/run.log")" \
    "$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/run.log")" \
    "$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$status")" \
    "$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$status")" \
    "$(sed -n 's/.* corp: \([^ ]*\).*/\1/p' <<<"$status")" \
    "$(find "$work/artifacts" -type f | wc -l)"
}

running=0
for target in "${targets[@]}"; do
  if [ "$running" -ge "$parallel" ]; then
    wait -n
    running=$((running - 1))
  fi
  echo "fuzzing $target for $seconds s"
  run_target "$target" &
  running=$((running + 1))
done
wait
for target in "${targets[@]}"; do summarise "$target"; done
