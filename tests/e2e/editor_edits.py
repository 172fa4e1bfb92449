#!/usr/bin/env python3
"""The map editor edits and saves a level that a restart and Singleplayer use.

Usage: editor_edits.py GAME_BINARY RUN_FOLDER  (DISPLAY set, e.g. under
tests/with_display.sh). Works in a copy of the run folder.
"""
import os
import queue
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

HOLD = 0.3
SHOTS = None
TIMEOUT = 30.0


RUNNING = []


def fail(message):
    for process in RUNNING:
        process.kill()
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True, text=True).stdout


class Game:
    def __init__(self, binary, folder):
        self.lines = queue.Queue()
        self.seen = []
        self.process = subprocess.Popen(["stdbuf", "-oL", binary], cwd=folder, stdout=subprocess.PIPE,
                                        stderr=subprocess.STDOUT, text=True)
        RUNNING.append(self.process)
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.process.stdout:
            self.lines.put(line.rstrip("\n"))

    def wait_for(self, pattern, timeout=TIMEOUT):
        """The first new line matching the pattern (a regex)."""
        end = time.time() + timeout
        while time.time() < end:
            try:
                line = self.lines.get(timeout=0.1)
            except queue.Empty:
                continue
            self.seen.append(line)
            match = re.match(pattern, line)
            if match:
                return match
        fail("no line matching %r; output so far:\n%s" % (pattern, "\n".join(self.seen)))

    def drain(self):
        """The lines that arrived since the last wait or drain."""
        lines = []
        while not self.lines.empty():
            lines.append(self.lines.get())
        self.seen.extend(lines)
        return lines

    def stop(self):
        self.process.send_signal(signal.SIGTERM)
        try:
            self.process.wait(timeout=TIMEOUT)
            RUNNING.remove(self.process)
        except subprocess.TimeoutExpired:
            self.process.kill()
            fail("the game did not quit on SIGTERM")


def focus():
    window = xdotool("search", "--sync", "--name", "^Engine$").split()[0]
    xdotool("windowfocus", "--sync", window)
    time.sleep(1.0)


def click(x, y):
    xdotool("mousemove", x, y)
    time.sleep(HOLD)
    xdotool("mousedown", 1)
    time.sleep(HOLD)
    xdotool("mouseup", 1)
    time.sleep(HOLD)


def keys(*names):
    xdotool("keydown", *names)
    time.sleep(HOLD)
    xdotool("keyup", *reversed(names))
    time.sleep(HOLD)


def screenshot(path):
    """Saves the screen and returns its pixels as RGB bytes."""
    subprocess.run(["import", "-window", "root", path], check=True)
    raw = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout
    return raw


def start(binary, folder):
    game = Game(binary, folder)
    floor = game.wait_for(r"FLOOR ID: (\d+)")
    focus()
    return game, int(floor.group(1))


def pixels_of(raw, colour, tolerance=6):
    """(x, y) of every pixel within tolerance of the colour, below the bar."""
    found = []
    for i in range(1280 * 64, len(raw) // 3):
        r, g, b = raw[3 * i], raw[3 * i + 1], raw[3 * i + 2]
        if abs(r - colour[0]) <= tolerance and abs(g - colour[1]) <= tolerance and abs(b - colour[2]) <= tolerance:
            found.append((i % 1280, i // 1280))
    return found


def select_block_with_gizmo(game, floor, candidates):
    """Clicks candidates until one selects a level block whose gizmo shows."""
    for point in candidates:
        click(*point)
        game.wait_for(r"SHOOT:")
        time.sleep(1.0)
        hits = [int(m.group(1)) for m in map(lambda l: re.match(r"HIT: (\d+)", l), game.drain()) if m]
        xdotool("mousemove", 5, 715)
        time.sleep(1.5)
        raw = screenshot(os.path.join(SHOTS, "editor_selected.png"))
        green = pixels_of(raw, (76, 255, 0))
        if hits and 5 <= hits[-1] < floor and len(green) > 20:
            return hits[-1], raw
    fail("no candidate point selected a block with its gizmo in view")


def centroid(points):
    return (sum(p[0] for p in points) / len(points), sum(p[1] for p in points) / len(points))


def drag_y_arrow(raw):
    """Presses on the green arrow and drags 80 px further along it on screen."""
    green = centroid(pixels_of(raw, (76, 255, 0)))
    centre = centroid(pixels_of(raw, (255, 255, 255), 2))
    dx, dy = green[0] - centre[0], green[1] - centre[1]
    length = max((dx * dx + dy * dy) ** 0.5, 1.0)
    xdotool("mousemove", round(green[0]), round(green[1]))
    time.sleep(HOLD)
    xdotool("mousedown", 1)
    time.sleep(HOLD)
    for step in range(1, 9):
        xdotool("mousemove", round(green[0] + dx / length * 10 * step), round(green[1] + dy / length * 10 * step))
        time.sleep(0.1)
    time.sleep(HOLD)
    xdotool("mouseup", 1)
    time.sleep(HOLD)


def save(game, blocks):
    keys("Control_L", "s")
    game.wait_for(r"Saved %d blocks to \./profile/level\.cfg" % blocks)


def read_level(folder):
    """The blocks of the saved level as (x, y, z, sx, sy, sz, qw, qx, qy, qz)."""
    blocks, names = [], ["x", "y", "z", "sx", "sy", "sz", "qw", "qx", "qy", "qz"]
    for section in open(os.path.join(folder, "profile", "level.cfg")).read().split("[block")[1:]:
        values = dict(re.findall(r"(\w+) = (-?[\d.]+)", section))
        blocks.append(tuple(float(values[n]) for n in names))
    return blocks


def main():
    global SHOTS
    binary, run_folder = sys.argv[1], sys.argv[2]
    work = tempfile.mkdtemp(prefix="editor_edits_")
    folder, SHOTS = os.path.join(work, "run"), os.environ.get("EDITOR_SHOTS", work)
    shutil.copytree(run_folder, folder)
    game, floor = start(binary, folder)
    click(640, 424)
    time.sleep(1.0)
    save(game, 156)
    original = read_level(folder)
    moved, raw = select_block_with_gizmo(game, floor, [(100, 300), (300, 200), (200, 380), (520, 120)])
    drag_y_arrow(raw)
    deleted = None
    screenshot(os.path.join(SHOTS, "editor_dragged.png"))
    for point in [(1000, 500), (700, 250), (300, 200)]:
        click(*point)
        game.wait_for(r"SHOOT:")
        time.sleep(1.0)
        hits = [int(m.group(1)) for m in map(lambda l: re.match(r"HIT: (\d+)", l), game.drain()) if m]
        if hits and hits[-1] != moved and 5 <= hits[-1] < floor:
            deleted = hits[-1]
            break
    if deleted is None:
        fail("no second block to delete")
    keys("Delete")
    save(game, 155)
    keys("Control_L", "z")
    save(game, 156)
    keys("Control_L", "y")
    save(game, 155)
    game.stop()

    level = read_level(folder)
    moved_index, deleted_index = moved - 5, deleted - 5
    now = level[moved_index - (1 if deleted_index < moved_index else 0)]
    before = original[moved_index]
    if abs(now[1] - before[1]) < 0.1 or now[0] != before[0] or now[2:] != before[2:]:
        fail("block %d was not moved along y alone: %s -> %s" % (moved, before, now))
    if original[deleted_index] in level or len(level) != 155:
        fail("block %d was not deleted (%d blocks saved)" % (deleted, len(level)))

    game, floor = start(binary, folder)
    game.stop()
    if floor != 160:
        fail("the restart built %d blocks, not the saved 155" % (floor - 5))
    shutil.rmtree(work) if SHOTS != work else None
    print("editor edits: block %d moved from y %.2f to %.2f, block %d deleted, restart FLOOR ID: %d"
          % (moved, before[1], now[1], deleted, floor))


if __name__ == "__main__":
    main()
