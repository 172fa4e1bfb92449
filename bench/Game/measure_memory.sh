#!/usr/bin/env bash
# Resident memory of the real game under a private Xvfb with Mesa's llvmpipe:
# after start-up in the main menu, then after some seconds of singleplayer
# (the Singleplayer button clicked through XTEST), with the time from launch
# to the last start-up line.
#   bench/Game/measure_memory.sh [build folder]   (default: build)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
if [ ! -x "$build/game" ]; then
  echo "measure_memory.sh: build the target game first ($build/game)" >&2
  exit 2
fi
for tool in xdotool stdbuf; do
  command -v "$tool" >/dev/null || { echo "measure_memory.sh: $tool is missing" >&2; exit 2; }
done
cd "$build/run"
log=$(mktemp)
trap 'rm -f "$log"' EXIT

measure() {
  local game=$1 log=$2
  resident() { awk '/^VmRSS|^VmHWM/ { printf "%s %.1f MB  ", $1, $2 / 1024 }' "/proc/$game/status"; echo; }
  local start=$EPOCHREALTIME
  while ! grep -q '^FLOOR ID' "$log"; do
    kill -0 "$game" 2>/dev/null || { echo "the game stopped during start-up" >&2; return 1; }
    sleep 0.02
  done
  awk -v from="$start" -v to="$EPOCHREALTIME" 'BEGIN { printf "launch to the last start-up line: %.2f s\n", to - from }'
  sleep 3
  printf 'main menu after 3 s:      '; resident
  # The Singleplayer button sits at the window's centre. The game reads the
  # mouse once per step, so the button is held down for a few steps.
  xdotool mousemove 640 360 sleep 0.3 mousedown 1 sleep 0.3 mouseup 1
  sleep 10
  printf 'singleplayer after 10 s:  '; resident
  kill -TERM "$game"
  wait "$game"
}
export -f measure
"$root/tests/with_display.sh" bash -c 'stdbuf -oL "$0" > "$1" 2>&1 & measure $! "$1"' "$build/game" "$log"
