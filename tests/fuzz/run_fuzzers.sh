#!/usr/bin/env bash
# Builds the libFuzzer targets (clang with ASan and UBSan, see FuzzBuild.cmake)
# in build-fuzz and runs each for SECONDS, two at a time, niced, one job and
# one worker each, with libFuzzer's memory caps; then prints their figures.
#
#   tests/fuzz/run_fuzzers.sh SECONDS [target...]
#
# Targets: mesh_file skeleton_file animation_file font_reader ini_reader (all
# by default). Per target, <build>/fuzzing/<target>/ holds the seeds it
# started from (seeds/), the corpus it grew (corpus/), crash reproducers
# (artifacts/) and libFuzzer's log (fuzz-0.log). GAME_FUZZ_BUILD overrides
# the build folder, GAME_FUZZ_PARALLEL the number of fuzzers run at once.
set -euo pipefail
seconds=${1:?usage: $0 SECONDS [target...]}
shift
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${GAME_FUZZ_BUILD:-$root/build-fuzz}
parallel=${GAME_FUZZ_PARALLEL:-2}
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(mesh_file skeleton_file animation_file font_reader ini_reader)
fi

cmake -S "$root" -B "$build" -G Ninja -C "$root/tests/fuzz/FuzzBuild.cmake" >/dev/null
cmake --build "$build" -j2 --target fuzz_seeds "${targets[@]/#/fuzz_}"

data=$build/run/data
made=$build/tests/fuzz/seeds

# The files each target starts from; the same sets its corpus test runs.
seed_files() {
  case $1 in
    mesh_file) ls "$data"/models/*.cmesh "$data"/models/*.camesh "$made"/mesh/* ;;
    skeleton_file) ls "$data"/skeletons/*.cskel "$made"/skeleton/* ;;
    animation_file) ls "$data"/animations/*.canim "$made"/animation/* ;;
    font_reader) ls "$data"/fonts/*.fnt ;;
    ini_reader) ls "$root"/profile/config.cfg "$root"/data/shaders.shconf ;;
    *) echo "unknown target $1" >&2; return 1 ;;
  esac
}

dictionary() {
  case $1 in
    mesh_file) echo "-dict=$root/tests/fuzz/dict/mesh.dict" ;;
    font_reader) echo "-dict=$root/tests/fuzz/dict/font.dict" ;;
    ini_reader) echo "-dict=$root/tests/fuzz/dict/ini.dict" ;;
  esac
}

run_target() {
  local target=$1 work=$build/fuzzing/$1
  mkdir -p "$work/seeds" "$work/corpus" "$work/artifacts"
  seed_files "$target" | xargs -I{} cp {} "$work/seeds/"
  local corpora=("$work/corpus" "$work/seeds")
  if [ -d "$root/tests/fuzz/corpus/$target" ]; then
    corpora+=("$root/tests/fuzz/corpus/$target")
  fi
  # shellcheck disable=SC2046
  (cd "$work" && nice -n 10 "$build/tests/fuzz/fuzz_$target" "${corpora[@]}" $(dictionary "$target") \
      -jobs=1 -workers=1 -max_total_time="$seconds" -rss_limit_mb=2048 -malloc_limit_mb=512 -timeout=10 \
      -close_fd_mask=1 -print_final_stats=1 -artifact_prefix="$work/artifacts/" >"$work/run.log" 2>&1) || true
}

# One line of figures from a target's log: the last status line and the final stats.
summarise() {
  local target=$1 work=$build/fuzzing/$1 log=$build/fuzzing/$1/fuzz-0.log status
  status=$(grep -E '^#[0-9]+' "$log" | tail -n 1 || true)
  printf '%-15s execs=%-10s exec/s=%-6s cov=%-5s ft=%-6s corpus=%-12s crashes=%s\n' "$target" \
    "$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")" \
    "$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")" \
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

for target in "${targets[@]}"; do
  summarise "$target"
done
