#!/usr/bin/env python3
"""The Options menu in the real game: the resolution row resizes the window at
once, Back leaves the new size in profile/config.cfg with its comments, and a
restart opens at that size with the main menu centred in it.
Usage: options_menu.py GAME_BINARY RUN_FOLDER (with DISPLAY set)."""
import os, shutil, signal, subprocess, sys, tempfile, threading, time

ROW = 64
OPTIONS_LIFT = 5 * ROW // 2  # six rows centred as one column
HOLD = 1.0  # a loaded machine under llvmpipe may draw 2 frames a second; a click must span frames


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True, text=True, timeout=30).stdout


class Game:
    def __init__(self, binary, folder):
        self.lines = []
        self.process = subprocess.Popen(["stdbuf", "-oL", binary], cwd=folder, stdout=subprocess.PIPE, text=True)
        threading.Thread(target=lambda: [self.lines.append(l) for l in self.process.stdout], daemon=True).start()
        try:
            self.window = xdotool("search", "--sync", "--name", "^Engine$").split()[0]
        except subprocess.SubprocessError:
            self.fail("no game window appeared")
        self.wait_for(lambda: any(l.startswith("FLOOR ID") for l in self.lines), "the game to load")
        time.sleep(HOLD)
        xdotool("windowfocus", "--sync", self.window)

    def fail(self, message):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
        fail(message + "; output:\n" + "".join(self.lines))

    def wait_for(self, condition, what, seconds=30):
        deadline = time.time() + seconds
        while not condition():
            if time.time() > deadline:
                self.fail("waited in vain for " + what)
            time.sleep(0.1)

    def size(self):
        shell = dict(l.split("=") for l in xdotool("getwindowgeometry", "--shell", self.window).split())
        return [int(shell[k]) for k in ("X", "Y", "WIDTH", "HEIGHT")]

    def click_row(self, row, lift=0):  # rows 64 px apart below the first, which sits lift px above the centre
        x, y, width, height = self.size()
        xdotool("mousemove", str(x + width // 2), str(y + height // 2 - lift + row * ROW))
        time.sleep(HOLD)
        for action in ("mousedown", "mouseup"):
            xdotool(action, "1")
            time.sleep(HOLD)


def main():
    binary, folder = os.path.abspath(sys.argv[1]), os.path.join(tempfile.mkdtemp(prefix="options_menu_"), "run")
    shutil.copytree(sys.argv[2], folder)
    profile = os.path.join(folder, "profile", "config.cfg")
    comments = [l for l in open(profile) if l.startswith("#")]
    try:
        game = Game(binary, folder)
        if game.size()[2:] != [1280, 720]:
            game.fail("the shipped profile opens %s, not 1280 x 720" % game.size()[2:])
        game.click_row(2)  # Options
        game.click_row(0, OPTIONS_LIFT)  # Resolution: 1280 x 720 -> 960 x 540
        game.wait_for(lambda: game.size()[2:] == [960, 540], "the window to become 960 x 540", 10)
        game.click_row(5, OPTIONS_LIFT)  # Back
        game.click_row(3)  # End Game: only in the main menu, centred in the new size
        game.wait_for(lambda: game.process.poll() == 0, "Back, then End Game, to close the game")
        text = open(profile).read()
        for needed in ["resolution_width = 960\n", "resolution_height = 540\n"] + comments:
            if needed not in text:
                fail("profile/config.cfg lacks %r:\n%s" % (needed, text))
        game = Game(binary, folder)
        if game.size()[2:] != [960, 540]:
            game.fail("the restarted game opened at %s, not 960 x 540" % game.size()[2:])
        game.click_row(3)
        game.wait_for(lambda: game.process.poll() == 0, "End Game to close the restarted game")
    finally:
        shutil.rmtree(os.path.dirname(folder), ignore_errors=True)
    print("options menu: resized, saved and restarted at 960 x 540")


if __name__ == "__main__":
    main()
