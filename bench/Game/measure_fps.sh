#!/usr/bin/env bash
# Measures the game's frame rate in singleplayer at the configured size (the
# shipped configuration: 1280 x 720) under a private Xvfb with Mesa's
# llvmpipe, at render scales 100 %, 75 % and 50 %, next to a reference of
# four full-screen textured quads per frame drawn in the same run and window.
#   bench/Game/measure_fps.sh [build folder]   (default: build)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
probe=$build/bench/Game/game_frame_probe
if [ ! -x "$probe" ]; then
  echo "measure_fps.sh: build the target game_frame_probe first ($probe)" >&2
  exit 2
fi
cd "$build/run"
"$root/tests/with_display.sh" "$probe" | sed -n '/^---- frame rate/,$p'
