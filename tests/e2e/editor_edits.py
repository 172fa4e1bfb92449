#!/usr/bin/env python3
"""editor_edits.py GAME RUN_FOLDER (DISPLAY set): in a copy of the run folder the
editor drags a block's y arrow, deletes another block, undoes, redoes and saves;
the file must hold the moved block and not the deleted one, and a restart build it.
EDITOR_SHOTS names a folder to keep the screenshots in."""
import os, queue, re, shutil, signal, subprocess, sys, tempfile, threading, time

HOLD, TIMEOUT = 0.5, 30.0  # a loaded machine draws a frame in 300 ms
ARROW_PIXELS = (70, 130)  # about 100 px on a 720 px high screen
GREEN, BLUE, WHITE = (76, 255, 0), (0, 148, 255), (255, 255, 255)
RUNNING = []


def fail(message):
    for process in RUNNING:
        process.kill()
    sys.exit("FAIL: " + message)


def xdotool(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True)


class Game:
    def __init__(self, binary, folder):
        self.lines, self.seen = queue.Queue(), []
        self.process = subprocess.Popen(["stdbuf", "-oL", binary], cwd=folder, text=True,
                                        stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        RUNNING.append(self.process)
        threading.Thread(target=lambda: [self.lines.put(l.rstrip("\n")) for l in self.process.stdout],
                         daemon=True).start()
        self.floor = int(self.wait_for(r"FLOOR ID: (\d+)").group(1))
        window = subprocess.run(["xdotool", "search", "--sync", "--name", "^Engine$"], capture_output=True,
                                text=True).stdout.split()[0]
        xdotool("windowfocus", "--sync", window)
        time.sleep(1.0)

    def wait_for(self, pattern, timeout=TIMEOUT, required=True):
        end = time.time() + timeout
        while time.time() < end:
            try:
                self.seen.append(self.lines.get(timeout=0.1))
            except queue.Empty:
                continue
            if re.match(pattern, self.seen[-1]):
                return re.match(pattern, self.seen[-1])
        if required:
            fail("no line matching %r after:\n%s" % (pattern, "\n".join(self.seen)))
        return None

    def until(self, act, pattern, attempts=4):
        """Repeats the action until a line matches: input can fall between two frames."""
        for _ in range(attempts - 1):
            act()
            if self.wait_for(pattern, 5.0, required=False):
                return
        act()
        self.wait_for(pattern)

    def hit_block(self, point):
        """Clicks in the editor; the level block the pick hit, or None."""
        self.until(lambda: click(*point), r"SHOOT:")
        time.sleep(1.0)
        while not self.lines.empty():
            self.seen.append(self.lines.get())
        hit = re.match(r"HIT: (\d+)", self.seen[-1])
        return int(hit.group(1)) if hit and 5 <= int(hit.group(1)) < self.floor else None

    def save(self, blocks):
        self.until(lambda: keys("Control_L", "s"), r"Saved %d blocks to \./profile/level\.cfg" % blocks)

    def stop(self):
        self.process.send_signal(signal.SIGTERM)
        try:
            code = self.process.wait(timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            fail("the game did not quit on SIGTERM")
        RUNNING.remove(self.process)
        if code != 0:
            fail("the game exited with %d:\n%s" % (code, "\n".join(self.seen)))


def click(x, y):
    xdotool("mousemove", x, y)
    time.sleep(HOLD)
    xdotool("mousedown", 1)
    time.sleep(HOLD)
    xdotool("mouseup", 1)
    time.sleep(HOLD)


def keys(*names):
    for action, order in (("keydown", names), ("keyup", names[::-1])):
        xdotool(action, *order)
        time.sleep(HOLD)


def screenshot(name):
    """Saves the screen and returns the (x, y, rgb) of every pixel below the bar."""
    path = os.path.join(SHOTS, name)
    subprocess.run(["import", "-window", "root", path], check=True)
    raw = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout
    return [(i % 1280, i // 1280, tuple(raw[3 * i:3 * i + 3])) for i in range(1280 * 64, len(raw) // 3)]


def pixels_of(shot, colour, tolerance=6):
    return [(x, y) for x, y, rgb in shot if all(abs(a - b) <= tolerance for a, b in zip(rgb, colour))]


def centroid(points):
    return (sum(p[0] for p in points) / len(points), sum(p[1] for p in points) / len(points))


def drag_y_arrow(shot):
    """Presses on the green arrow and drags 80 px further along it on screen."""
    (gx, gy), (cx, cy) = centroid(pixels_of(shot, GREEN)), centroid(pixels_of(shot, WHITE, 2))
    length = max(((gx - cx) ** 2 + (gy - cy) ** 2) ** 0.5, 1.0)
    xdotool("mousemove", round(gx), round(gy))
    time.sleep(HOLD)
    xdotool("mousedown", 1)
    for step in range(1, 9):
        time.sleep(0.1)
        xdotool("mousemove", round(gx + (gx - cx) / length * 10 * step), round(gy + (gy - cy) / length * 10 * step))
    time.sleep(HOLD)
    xdotool("mouseup", 1)
    time.sleep(HOLD)


def read_level(folder):
    """The saved blocks as (x, y, z, sx, sy, sz, qw, qx, qy, qz)."""
    names = ["x", "y", "z", "sx", "sy", "sz", "qw", "qx", "qy", "qz"]
    sections = open(os.path.join(folder, "profile", "level.cfg")).read().split("[block")[1:]
    return [tuple(float(dict(re.findall(r"(\w+) = (-?[\d.]+)", s))[n]) for n in names) for s in sections]


def main():
    global SHOTS
    work = tempfile.mkdtemp(prefix="editor_edits_")
    folder, SHOTS = os.path.join(work, "run"), os.environ.get("EDITOR_SHOTS", work)
    shutil.copytree(sys.argv[2], folder)
    game = Game(sys.argv[1], folder)
    game.until(lambda: (click(640, 424), keys("Control_L", "s")), r"Saved 156 blocks")  # Map-Editor
    original = read_level(folder)
    for point in [(100, 300), (300, 200), (200, 380), (520, 120)]:
        moved = game.hit_block(point)
        xdotool("mousemove", 5, 715)
        time.sleep(1.5)
        shot = screenshot("editor_selected.png")
        if moved and len(pixels_of(shot, GREEN)) > 20:
            break
    else:
        fail("no click selected a block with its gizmo in view")
    blue_rows = [y for _, y in pixels_of(shot, BLUE)]  # the z arrow stands upright here
    arrow = max(blue_rows) - min(blue_rows)
    if not ARROW_PIXELS[0] <= arrow <= ARROW_PIXELS[1]:
        fail("the z arrow is %d px long on screen" % arrow)
    drag_y_arrow(shot)
    screenshot("editor_dragged.png")
    deleted = next((b for b in map(game.hit_block, [(1000, 500), (700, 250)]) if b not in (None, moved)), None)
    if deleted is None:
        fail("no second block to delete")
    game.until(lambda: (keys("Delete"), keys("Control_L", "s")), r"Saved 155 blocks")  # Delete is idempotent here
    keys("Control_L", "z")
    game.save(156)
    keys("Control_L", "y")
    game.save(155)
    game.stop()

    level = read_level(folder)
    now = level[moved - 5 - (1 if deleted < moved else 0)]
    before = original[moved - 5]
    if abs(now[1] - before[1]) < 0.1 or now[0] != before[0] or now[2:] != before[2:]:
        fail("block %d was not moved along y alone: %s -> %s" % (moved, before, now))
    if original[deleted - 5] in level or len(level) != 155:
        fail("block %d was not deleted (%d blocks saved)" % (deleted, len(level)))
    restarted = Game(sys.argv[1], folder)
    restarted.stop()
    if restarted.floor != 160:
        fail("the restart built %d blocks, not the saved 155" % (restarted.floor - 5))
    if SHOTS == work:
        shutil.rmtree(work)
    print("editor edits: z arrow %d px; block %d moved from y %.2f to %.2f, block %d deleted, restart FLOOR ID: %d"
          % (arrow, moved, before[1], now[1], deleted, restarted.floor))


if __name__ == "__main__":
    main()
