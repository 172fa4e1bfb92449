#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: unit tests, GL tests
# and end-to-end tests of the real game (the last two under a private Xvfb).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)"
