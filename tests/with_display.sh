#!/usr/bin/env bash
# Runs a command against a private Xvfb server (1280x720, 24-bit) so that GL and
# end-to-end tests get a real OpenGL context and can run side by side: Xvfb
# picks a free display number itself (-displayfd), so parallel runs never race.
set -u
if ! command -v Xvfb >/dev/null 2>&1; then
  echo "with_display.sh: Xvfb is not installed (Debian package xvfb)" >&2
  exit 2
fi
numfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x720x24 -nolisten tcp -noreset 3>"$numfile" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 1 100); do
  [ -s "$numfile" ] && break
  sleep 0.05
done
if [ ! -s "$numfile" ]; then
  echo "with_display.sh: Xvfb did not start" >&2
  kill "$xvfb_pid" 2>/dev/null
  rm -f "$numfile"
  exit 2
fi
export DISPLAY=":$(tr -d '\n' < "$numfile")"
rm -f "$numfile"
"$@"
rc=$?
kill "$xvfb_pid" 2>/dev/null
wait "$xvfb_pid" 2>/dev/null
exit $rc
