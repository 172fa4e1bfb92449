#!/usr/bin/env python3
"""Counts failed starts of the game, each started straight after the one before was killed.

Run it under one X server, e.g.
    tests/with_display.sh python3 bench/startup_rate.py --game build/game --run build/run --starts 200

Every start runs in its own copy of the run folder. A start counts as up when the game prints the
last line of its loading (or the line --up-line names; "GC INIT" is the first line after the window,
the GL context and GLEW are up, so a start killed there dies with its context freshly made); it is
then killed (SIGKILL unless --signal says otherwise) and the next
one starts at once, while the X server is still cleaning up after the killed client. A start that
ends before it is up is a failure; the error lines of the failures, and the lines the other starts
wrote on standard error, are tallied at the end. With --overlap the killed start dies while the
next one opens its window and GL context.
"""
import argparse
import collections
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time


def start_once(game, run_dir, up_line, timeout, previous, kill_signal, overlap):
    """Starts the game in run_dir; returns (process, None) once up or (None, error text) when it failed.

    The previous start is killed just before, or with overlap at a random moment up to that many
    seconds after this one began, while this one opens its window and GL context."""
    out_path = os.path.join(run_dir, "out.txt")
    err_path = os.path.join(run_dir, "err.txt")
    if previous is not None and not overlap:
        previous.send_signal(kill_signal)
    with open(out_path, "wb") as out, open(err_path, "wb") as err:
        proc = subprocess.Popen(["stdbuf", "-oL", game], cwd=run_dir, stdout=out, stderr=err)
    if previous is not None and overlap:
        time.sleep(random.uniform(0.0, overlap))
        previous.send_signal(kill_signal)
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        with open(out_path, errors="replace") as out:
            if up_line in out.read().splitlines():
                return proc, None
        if proc.poll() is not None:
            with open(err_path, errors="replace") as err:
                lines = [line.strip() for line in err if line.strip()]
            return None, f"exit {proc.returncode}: " + (lines[-1] if lines else "(no error line)")
        time.sleep(0.005)
    proc.kill()
    proc.wait()
    return None, f"not up within {timeout} s"


def stderr_notes(run_dir):
    """The distinct lines a start wrote on standard error, numbers left out so that alike lines count together."""
    with open(os.path.join(run_dir, "err.txt"), errors="replace") as err:
        return {re.sub(r"\b\d+\b", "N", line.strip()) for line in err if line.strip()}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--game", required=True)
    parser.add_argument("--run", required=True, help="the run folder to copy for each start")
    parser.add_argument("--starts", type=int, default=200)
    parser.add_argument("--signal", default="KILL", help="signal name that ends each start (KILL, TERM)")
    parser.add_argument("--up-line", default="GC INIT END", help="the output line that shows a start is up")
    parser.add_argument("--overlap", type=float, default=0.0,
                        help="kill each start only after the next one began, up to this many seconds later")
    parser.add_argument("--timeout", type=float, default=30.0)
    args = parser.parse_args()
    game = os.path.abspath(args.game)
    kill_signal = getattr(signal, "SIG" + args.signal)

    failures = collections.Counter()
    notes = collections.Counter()
    killed = []
    previous = None
    began = time.monotonic()
    with tempfile.TemporaryDirectory(prefix="startup_rate_") as scratch:
        for index in range(args.starts):
            run_dir = os.path.join(scratch, f"run{index}")
            shutil.copytree(args.run, run_dir)
            proc, problem = start_once(game, run_dir, args.up_line, args.timeout, previous, kill_signal, args.overlap)
            if previous is not None:
                killed.append(previous)
            previous = proc
            if problem is not None:
                failures[problem] += 1
                print(f"start {index + 1}: FAILED {problem}", flush=True)
            else:
                notes.update(stderr_notes(run_dir))
            # Reap the killed ones now and then, never before the next start.
            if len(killed) > 4:
                killed.pop(0).wait()
        if previous is not None:
            previous.send_signal(kill_signal)
            killed.append(previous)
        for proc in killed:
            proc.wait()
    failed = sum(failures.values())
    print(f"{args.starts} starts, {failed} failed ({100.0 * failed / args.starts:.1f} %), "
          f"{time.monotonic() - began:.0f} s, each after a start ended by SIG{args.signal} "
          f"once it printed {args.up_line!r}")
    for problem, count in failures.most_common():
        print(f"  {count} x {problem}")
    for note, count in notes.most_common():
        print(f"  {count} x on standard error: {note}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
