#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: unit tests, GL tests
# and end-to-end tests of the real game (the last two under a private Xvfb),
# then the unit and GL suites again in a build with AddressSanitizer (leak
# checking on) and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
"$root/scripts/install-deps.sh"

echo "== Build and run every test"
"$root/scripts/build.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure -j "$jobs"

echo "== Unit and GL tests under AddressSanitizer and UndefinedBehaviorSanitizer"
"$root/scripts/build.sh" "$root/build-sanitize" -DGAME_SANITIZE=ON -DGAME_BUILD_BENCH=OFF
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# Leak checking covers the suites without GL. Mesa's llvmpipe keeps two small
# allocations per compiled shader whose stacks run through its generated code
# and cannot be attributed or suppressed, so the GL suites run with address
# and undefined-behaviour checks but without the leak report.
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1" \
  ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$jobs" -L 'unit|fuzz'
ASAN_OPTIONS="detect_leaks=0:abort_on_error=1:strict_string_checks=1" \
  ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$jobs" -L 'gl'
