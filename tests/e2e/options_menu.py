#!/usr/bin/env python3
"""The Options menu in the real game: a click on the resolution row resizes
the window at once, Back leaves the new size in profile/config.cfg with its
comments, and a restart opens at that size with the menu centred in it.

Usage: options_menu.py GAME_BINARY RUN_FOLDER  (DISPLAY must be set)."""
import os, shutil, signal, subprocess, sys, tempfile, threading, time

ROW = 64          # menu rows are 64 px apart
OPTION_ROWS = 6   # five settings and Back, centred as one column


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True, text=True, timeout=30).stdout


class Game:
    def __init__(self, binary, folder):
        self.lines = []
        self.process = subprocess.Popen(["stdbuf", "-oL", binary], cwd=folder, stdout=subprocess.PIPE, text=True)
        threading.Thread(target=self.read, daemon=True).start()
        try:
            self.window = xdotool("search", "--sync", "--name", "^Engine$").split()[0]
        except subprocess.SubprocessError:
            self.stop()
            fail("no game window appeared; output:\n" + "".join(self.lines))
        self.wait_for(lambda: any(l.startswith("FLOOR ID") for l in self.lines), "the game to load")
        time.sleep(1.0)
        xdotool("windowfocus", "--sync", self.window)

    def read(self):
        for line in self.process.stdout:
            self.lines.append(line)

    def wait_for(self, condition, what, seconds=30):
        deadline = time.time() + seconds
        while not condition():
            if time.time() > deadline or self.process.poll() is not None and not condition():
                self.stop()
                fail("waited in vain for " + what + "; output:\n" + "".join(self.lines))
            time.sleep(0.1)

    def geometry(self):
        shell = dict(l.split("=") for l in xdotool("getwindowgeometry", "--shell", self.window).split())
        return [int(shell[k]) for k in ("X", "Y", "WIDTH", "HEIGHT")]

    # Row r of a menu whose first row is lifted by `lift` pixels above the centre.
    def click_row(self, row, lift=0):
        x, y, width, height = self.geometry()
        xdotool("mousemove", str(x + width // 2), str(y + height // 2 - lift + row * ROW))
        time.sleep(0.2)
        for action in ("mousedown", "mouseup"):
            xdotool(action, "1")
            time.sleep(0.2)
        time.sleep(0.3)

    def click_option(self, row):
        self.click_row(row, (OPTION_ROWS - 1) * ROW // 2)

    def stop(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
        return self.process.wait(timeout=30)


def main():
    binary, run_folder = os.path.abspath(sys.argv[1]), sys.argv[2]
    folder = os.path.join(tempfile.mkdtemp(prefix="options_menu_"), "run")
    shutil.copytree(run_folder, folder)
    profile = os.path.join(folder, "profile", "config.cfg")
    comments = [l for l in open(profile) if l.startswith("#")]
    try:
        game = Game(binary, folder)
        if game.geometry()[2:] != [1280, 720]:
            fail("the shipped profile should open a 1280 x 720 window, not %s" % game.geometry()[2:])
        game.click_row(2)                 # Options
        game.click_option(0)              # Resolution: 1280 x 720 -> 960 x 540
        game.wait_for(lambda: game.geometry()[2:] == [960, 540], "the window to become 960 x 540", 5)
        game.click_option(OPTION_ROWS - 1)  # Back
        game.stop()
        text = open(profile).read()
        for needed in ["resolution_width = 960\n", "resolution_height = 540\n"] + comments:
            if needed not in text:
                fail("profile/config.cfg lacks %r:\n%s" % (needed, text))

        game = Game(binary, folder)
        if game.geometry()[2:] != [960, 540]:
            fail("the restarted game opened at %s, not 960 x 540" % game.geometry()[2:])
        game.click_row(3)                 # End Game, where a centred menu puts it in the smaller window
        game.wait_for(lambda: game.process.poll() is not None, "End Game to close the game", 10)
        if game.process.returncode != 0:
            fail("the game exited with %d" % game.process.returncode)
    finally:
        shutil.rmtree(os.path.dirname(folder), ignore_errors=True)
    print("options menu: resize, save and restart at 960 x 540 passed")


if __name__ == "__main__":
    main()
