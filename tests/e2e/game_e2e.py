#!/usr/bin/env python3
"""End-to-end tests of the real game binary, driven as a player drives it.

  game_e2e.py GAME RUN_DIR --datagen DATAGEN --shots DIR SCENARIO...

Runs under an X server of its own (tests/with_display.sh). A scenario is a function listed in SCENARIOS
(and in the scenario list of CMakeLists.txt, which makes it the CTest test e2e_<name>); it fails by
raising Failure, which expect(condition, message) does, and every wait below fails at its timeout.
  with Game(config=None, env=None, damage=None, level=None, files=None) as g:  a copy of the run folder,
                             `stdbuf -oL GAME` started there (SDL's silent "dummy" audio driver unless env names
                             another); damage: [(path, how)]; files: {relative path: bytes, None for a folder,
                             or a text: a symbolic link to it}
  g.start(last_line)         wait for the last start-up line (of the generated level by default), find and focus the window (g.win = x, y, w, h)
  g.wait_line(prefix, after=0) -> line;  g.lines, g.errors: the stdout and stderr lines so far
  g.at(x, y) -> screen point of a window point, y up as the game lays out its interface;  g.centre()
  g.move(point), g.move_by(dx, dy), g.hold(key or "left"/"middle"/"right", seconds | until=check),
  g.click_button(row), g.click_until_line(point, prefix)
  g.wait_screen(check, what) -> Shot (shot.px(x, y) -> (r, g, b));  save(shot, name) keeps it in --shots
  checks: g.menu_shown(shot, rows), g.button_shows(shot, BUTTON | HOVER | PRESSED, row), g.crosshair_shown(shot),
          g.speed_edge(shot), g.bar_shown(shot), Image("textures/...").shows(shot, left, top)
  g.close("signal" | "window") or g.exit_code() -> the exit code (None: still running at the timeout)
"""
import argparse
import concurrent.futures
import ctypes
import ctypes.util
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

START_TIMEOUT = 60  # llvmpipe on two busy cores compiles shaders slowly
SCREEN_TIMEOUT = 30
EXIT_TIMEOUT = 20
HOLD = 0.7  # input is sampled per 10 ms step, but frames come slowly here
SETTLE = 1.5
START_LINES = ["GC CREATE", "START ENGINE", "DONE", "GC INIT", "SHADERGEN", "SHADER END", "Mesh Loading",
               "IMGLOAD end", "GC INIT END", "Player ID: 4", "FLOOR ID: 161"]
MENU_ROWS = 4
BUTTON_SPACING = 64
BUTTON_END = 24  # the part of a button at each end that no label reaches
MOUSE_BUTTONS = {"left": 1, "middle": 2, "right": 3}
ARGS = None


class Failure(Exception):
    pass


def expect(condition, message):
    if not condition:
        raise Failure(message)


def run(*argv, data=None):
    return subprocess.run([str(a) for a in argv], input=data, capture_output=True, check=True, timeout=30).stdout


def xdo(*args):
    return run("xdotool", *args).decode()


def close_to(a, b, tolerance):
    return all(abs(p - q) <= tolerance for p, q in zip(a, b))


class Shot:
    """The whole X screen as binary PPM."""

    def __init__(self, raw):
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", raw)
        self.raw, self.w, self.h, self.base = raw, int(header[1]), int(header[2]), header.end()

    def px(self, x, y):
        at = self.base + 3 * (y * self.w + x)
        return tuple(self.raw[at:at + 3])


def shot():
    return Shot(run("import", "-window", "root", "-depth", "8", "ppm:-"))


def save(screen, name):
    os.makedirs(ARGS.shots, exist_ok=True)
    run("convert", "ppm:-", os.path.join(ARGS.shots, name + ".png"), data=screen.raw)


class Image:
    """An RGBA image of the game's data, compared with the screen on its opaque pixels."""

    def __init__(self, relative_path):
        path = os.path.join(ARGS.run_dir, "data", relative_path)
        self.w, self.h = map(int, run("identify", "-format", "%w %h", path).split())
        self.rgba = run("convert", path, "-depth", "8", "rgba:-")

    def shows(self, screen, left, top, columns=None, tolerance=8):
        compared = 0
        for y in range(self.h):
            for x in columns or range(self.w):
                at = 4 * (y * self.w + x)
                if self.rgba[at + 3] == 255:
                    compared += 1
                    if not close_to(screen.px(left + x, top + y), self.rgba[at:at + 3], tolerance):
                        return False
        return compared > 0


def send_window_close(window):
    """What a window manager sends when the user clicks the close button: WM_PROTOCOLS / WM_DELETE_WINDOW."""
    class ClientMessage(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                    ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                    ("format", ctypes.c_int), ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]
    x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    event = ClientMessage(type=33, window=window, format=32,
                          message_type=x11.XInternAtom(display, b"WM_PROTOCOLS", 0))
    event.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
    x11.XCloseDisplay(display)  # flushes the event


def damage_file(path, how):
    data = open(path, "rb").read()
    if how == "missing":
        return os.remove(path)
    # Seeded, so a failing case is reproduced byte for byte.
    damaged = data[:len(data) // 2] if how == "half" else random.Random(20261206).randbytes(len(data))
    open(path, "wb").write(damaged)


class Game:
    """The game started in a copy of the run folder (tests never write into the build's), its lines collected."""

    def __init__(self, config=None, env=None, damage=None, level=None, files=None):
        self.dir = tempfile.mkdtemp(prefix="game_e2e_")
        shutil.copytree(ARGS.run_dir, self.dir, dirs_exist_ok=True)
        if level:
            shutil.copy(level, os.path.join(self.dir, "profile", "level.cfg"))
        if config is not None:
            open(os.path.join(self.dir, "profile", "config.cfg"), "w").write(config)
        for path, how in damage or []:
            damage_file(os.path.join(self.dir, path), how)
        for relative, content in (files or {}).items():
            path = os.path.join(self.dir, relative)
            os.makedirs(path if content is None else os.path.dirname(path), exist_ok=True)
            if isinstance(content, str):
                os.remove(path)
                os.symlink(content, path)
            elif content is not None:
                open(path, "wb").write(content)
        # Without a sound card the machine's default driver would decide what happens; the dummy one plays nothing.
        environment = {**os.environ, "SDL_AUDIODRIVER": "dummy", **(env or {})}
        environment = {k: v for k, v in environment.items() if v is not None}
        self.proc = subprocess.Popen(["stdbuf", "-oL", ARGS.game], cwd=self.dir, env=environment,
                                     stdout=subprocess.PIPE, stderr=subprocess.PIPE, start_new_session=True)
        self.lines, self.errors, self.open_streams = [], [], 2
        self.changed = threading.Condition()
        for stream, into in ((self.proc.stdout, self.lines), (self.proc.stderr, self.errors)):
            threading.Thread(target=self._read, args=(stream, into), daemon=True).start()

    def _read(self, stream, into):
        for raw in stream:
            with self.changed:
                into.append(raw.decode(errors="replace").rstrip("\n"))
                self.changed.notify_all()
        with self.changed:
            self.open_streams -= 1
            self.changed.notify_all()

    def __enter__(self):
        return self

    def __exit__(self, kind, error, trace):
        if self.proc.poll() is None:
            os.killpg(self.proc.pid, signal.SIGKILL)
            self.proc.wait()
        shutil.rmtree(self.dir, ignore_errors=True)
        if isinstance(error, Failure):
            error.args = (f"{error}\n{self.report()}",)

    def report(self):
        return "  stdout: %s\n  stderr: %s" % (self.lines[-40:], self.errors)

    def wait_line(self, prefix, after=0, timeout=START_TIMEOUT, optional=False):
        def found():
            return next((line for line in self.lines[after:] if line.startswith(prefix)), None)
        with self.changed:
            self.changed.wait_for(lambda: found() is not None or self.open_streams == 0, timeout)
            line = found()
        expect(line is not None or optional, f"no line starting with {prefix!r}")
        return line

    def start(self, last_line=START_LINES[-1]):
        self.wait_line(last_line)
        self.find_window()
        xdo("windowfocus", "--sync", self.wid)
        time.sleep(SETTLE)  # the first frames after loading come slowest

    def find_window(self):
        # Repeated: a search fails outright when another game's window vanishes while it runs.
        deadline = time.monotonic() + START_TIMEOUT
        while self.proc.poll() is None and time.monotonic() < deadline:
            found = subprocess.run(["xdotool", "search", "--all", "--pid", str(self.proc.pid), "--name", "^Engine$"],
                                   capture_output=True, text=True, timeout=30).stdout.split()
            if found:
                self.wid = int(found[0])
                geometry = dict(re.findall(r"(\w+)=(\d+)", xdo("getwindowgeometry", "--shell", self.wid)))
                self.win = tuple(int(geometry[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))
                return self.win
            time.sleep(0.1)
        raise Failure("no window titled Engine")

    def exit_code(self, timeout=EXIT_TIMEOUT):
        try:
            code = self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            return None
        with self.changed:
            self.changed.wait_for(lambda: self.open_streams == 0, timeout)
        return code

    def close(self, how):
        if how == "window":
            send_window_close(self.wid)
        else:
            self.proc.send_signal(signal.SIGTERM)  # SDL turns it into a quit request
        return self.exit_code()

    def at(self, x, y):
        return self.win[0] + x, self.win[1] + self.win[3] - 1 - y

    def centre(self):
        return self.at(self.win[2] // 2, self.win[3] // 2 - 1)

    def move(self, point):
        xdo("mousemove", *point)

    def move_by(self, dx, dy, parts=8):
        for _ in range(parts):  # in small steps, as a hand moves a mouse
            xdo("mousemove_relative", "--", dx // parts, dy // parts)
            time.sleep(0.05)

    def hold(self, control, seconds=HOLD, until=None, what=""):
        """Holds a key or mouse button for the seconds, or until the screen passes the check (that screen)."""
        kind, name = ("mouse", MOUSE_BUTTONS[control]) if control in MOUSE_BUTTONS else ("key", control)
        xdo(kind + "down", name)
        try:
            return self.wait_screen(until, what) if until else time.sleep(seconds)
        finally:
            xdo(kind + "up", name)
            time.sleep(HOLD)  # a release counts only once a step has seen it

    def wait_screen(self, check, what):
        deadline = time.monotonic() + SCREEN_TIMEOUT
        while True:
            screen = shot()
            if check(screen):
                return screen
            expect(time.monotonic() < deadline, f"the screen never showed {what}")
            time.sleep(0.2)

    def button_corner(self, row):
        x, y, w, h = self.win
        bottom = h // 2 - BUTTON.h // 2 - int(row * BUTTON_SPACING)
        return x + w // 2 - BUTTON.w // 2, y + h - bottom - BUTTON.h

    def button_shows(self, screen, image, row):
        ends = [*range(BUTTON_END), *range(image.w - BUTTON_END, image.w)]
        return image.shows(screen, *self.button_corner(row), ends, tolerance=6)

    def menu_shown(self, screen, rows=MENU_ROWS):
        return all(self.button_shows(screen, BUTTON, row) for row in range(rows))

    def click_button(self, row):
        """Moves onto the button, presses once it shows its hover look, releases once it shows its pressed one."""
        left, top = self.button_corner(row)
        self.move((left + BUTTON.w // 2, top + BUTTON.h // 2))
        self.wait_screen(lambda s: self.button_shows(s, HOVER, row), f"row {row} hovered")
        self.hold("left", until=lambda s: self.button_shows(s, PRESSED, row), what=f"row {row} pressed")

    def click_until_line(self, point, prefix):
        seen = len(self.lines)
        self.move(point)
        time.sleep(HOLD)
        self.hold("left", until=lambda s: any(l.startswith(prefix) for l in self.lines[seen:]), what=prefix)
        return self.wait_line(prefix, after=seen, timeout=0)

    def crosshair_shown(self, screen):
        x, y = self.centre()
        return CROSSHAIR.shows(screen, x - CROSSHAIR.w // 2, y - CROSSHAIR.h // 2)

    def speed_edge(self, screen):
        """The rightmost pure white column of the speed read-out (one text line from 34 px below the top)."""
        x0, y0 = self.win[:2]
        return max((x for x in range(320) for y in range(34, 62) if screen.px(x0 + x, y0 + y) == (255, 255, 255)),
                   default=-1)

    def bar_shown(self, screen):
        """The editor's black bar along the top, right of its read-out, tool icons and tool text."""
        x0, y0 = self.win[:2]
        return all(screen.px(x0 + x, y0 + y) == (0, 0, 0) for y in range(2, 62, 4) for x in range(1200, self.win[2], 8))


def changed_pixels(a, b, centre, radius=20):
    cx, cy = centre
    return sum(not close_to(a.px(x, y), b.px(x, y), 24)
               for y in range(cy - radius, cy + radius + 1) for x in range(cx - radius, cx + radius + 1))


def play():
    with Game() as g:
        g.start()
        expect(g.lines[:len(START_LINES)] == START_LINES, "start-up lines out of order")
        expect(g.win[2:] == (1280, 720), f"window {g.win}, configured 1280x720")
        g.move(g.at(100, 100))  # away from the buttons: none shows its hover look
        menu = g.wait_screen(g.menu_shown, "the four menu buttons")
        save(menu, "main_menu")
        for row in range(MENU_ROWS):
            left, top = g.button_corner(row)
            label = sum(min(menu.px(x, y)) > 200 for y in range(top, top + BUTTON.h)
                        for x in range(left + BUTTON_END, left + BUTTON.w - BUTTON_END))
            expect(label > 20, f"button row {row} has no label")
        expect(not g.button_shows(menu, BUTTON, MENU_ROWS), "a fifth button")
        for point in (g.at(200, 200), g.at(300, 150)):
            g.move(point)
            moved = g.wait_screen(lambda s: CURSOR.shows(s, *point), f"the cursor's tip at {point}")
        expect(not CURSOR.shows(moved, *g.at(200, 200)), "the cursor stays where the mouse was")

        g.click_button(0)
        g.wait_line("OnEnter ")  # the player has landed
        g.wait_screen(g.crosshair_shown, "the crosshair")
        time.sleep(SETTLE)
        g.move_by(0, 160)  # down onto the floor: no other pure white behind the read-out
        playing = g.wait_screen(lambda s: g.crosshair_shown(s) and g.speed_edge(s) > 0, "crosshair and speed")
        expect(not any(g.button_shows(playing, BUTTON, row) for row in range(MENU_ROWS)), "menu shown in play")
        g.hold("w", 1.5)  # a few steps, then to a stop
        time.sleep(SETTLE)
        standing = g.speed_edge(shot())
        expect(standing > 0, "no speed read-out")
        g.hold("s", until=lambda s: g.speed_edge(s) > standing + 4, what="a two-digit speed walking back")

        paused = g.hold("Escape", until=lambda s: g.button_shows(s, HOVER, 0) and g.button_shows(s, BUTTON, 1),
                        what="the pause menu with the mouse put back over Resume")
        save(paused, "pause_menu")
        expect(not g.crosshair_shown(paused), "crosshair shown while paused")
        expect(CURSOR.shows(paused, *g.centre()), "no cursor at the centre")
        g.click_button(0)
        g.wait_screen(lambda s: g.crosshair_shown(s) and not g.button_shows(s, BUTTON, 1), "play resumed")
        g.hold("Escape", until=lambda s: g.button_shows(s, BUTTON, 1), what="the pause menu")
        g.click_button(1)
        g.move(g.at(100, 100))
        g.wait_screen(g.menu_shown, "the main menu after Back to menu")
        g.click_button(3)
        expect(g.exit_code() == 0, "End Game did not end the program with code 0")
        expect(g.errors == [], "standard error not empty")


def editor():
    with Game() as g:
        g.start()
        g.click_button(1)
        away = g.at(100, 600)  # off the block and the menu rows: the cursor hides nothing compared
        g.move(away)
        time.sleep(SETTLE)
        before = g.wait_screen(g.bar_shown, "the editor's bar")
        expect(not g.button_shows(before, BUTTON, 1), "main menu still shown")
        block = g.at(1000, 220)  # a large block from the camera's starting place; sky under (640, 60)
        g.click_until_line(block, "SHOOT:")
        hit = int(g.wait_line("HIT: ", timeout=EXIT_TIMEOUT)[5:])
        expect(4 < hit < 161, f"picked entity {hit} is not a level block")
        g.move(away)
        selected = g.wait_screen(lambda s: changed_pixels(before, s, block) > 200, "the selection overlay")
        save(selected, "editor_selection")
        g.click_until_line(g.at(640, 60), "SHOOT:")
        g.move(away)
        g.wait_screen(lambda s: changed_pixels(before, s, block) < 20, "the selection cleared by a click on the sky")
        picks = [sum(l.startswith(p) for l in g.lines) for p in ("SHOOT:", "HIT: ")]
        expect(picks == [2, 1], f"SHOOT:/HIT: lines {picks}, expected a hit on the block only")

        paused = g.hold("Escape", until=lambda s: g.menu_shown(s, 2), what="the editor's pause menu")
        expect(g.bar_shown(paused), "the bar is gone behind the pause menu")
        expect(CURSOR.shows(paused, *away), "no cursor at the mouse")
        expect(g.close("window") == 0, "closing the window did not end the program with code 0")
        expect(g.errors == [], "standard error not empty")


def diff_box(a, b, skip_text=True):
    """The bounding box (left, top, right, bottom) of the pixels that differ, or None; the read-outs are skipped."""
    xs, ys = [], []
    for y in range(0, min(a.h, b.h), 2):
        for x in range(0, min(a.w, b.w), 2):
            if not (skip_text and x < 320 and y < 70) and not close_to(a.px(x, y), b.px(x, y), 24):
                xs.append(x), ys.append(y)
    return (min(xs), min(ys), max(xs), max(ys)) if xs else None


def share_differing(a, b):
    box = (0, 70, a.w, a.h)  # below the read-outs
    total = differing = 0
    for y in range(box[1], box[3], 4):
        for x in range(box[0], box[2], 4):
            total += 1
            differing += not close_to(a.px(x, y), b.px(x, y), 24)
    return differing / total


def first_view(g):
    """Singleplayer from the main menu until the player has landed: the screen once the view is still."""
    g.click_button(0)
    g.wait_line("OnEnter ")
    time.sleep(2 * SETTLE)
    return g.wait_screen(g.crosshair_shown, "the crosshair")


def first_view_scenario():
    with Game() as g:
        g.start()
        fresh = first_view(g)
        # The running character is the only thing that moves: what changes between two frames is its extent.
        time.sleep(0.3)
        box = diff_box(fresh, shot())
        expect(box is not None, "nothing moves in the first view: no running character")
        left, top, right, bottom = box
        share = (right - left) * (bottom - top) / (fresh.w * fresh.h)
        expect(share < 0.05, f"the character covers {share:.0%} of the first view")
        expect(left > 0 and top > 70 and right < fresh.w - 2 and bottom < fresh.h - 2, f"the character is cut at {box}")
        save(fresh, "singleplayer")
        g.hold("Escape", until=lambda s: g.button_shows(s, BUTTON, 1), what="the pause menu")
        g.click_button(1)
        g.move(g.at(100, 100))
        g.wait_screen(g.menu_shown, "the main menu")
        g.click_button(1)
        g.wait_screen(g.bar_shown, "the editor's bar")
        # With nothing selected there is no gizmo, not even in the picking pass: a click at the origin picks.
        g.hold("s", 1.0)  # back along the view axis: the origin is at the centre now
        g.click_until_line(g.centre(), "SHOOT:")

    # Keys and clicks in the menu and the editor never reach the player, and the editor's marks stay there.
    with Game() as g:
        g.start()
        g.hold("w", 3)
        g.click_button(1)
        g.wait_screen(g.bar_shown, "the editor's bar")
        g.click_until_line(g.at(1000, 220), "HIT: ")  # the large block that Singleplayer shows on the right
        for key in ("space", "w", "d"):
            g.hold(key, 1.0)
        g.move(g.at(100, 600))
        # Panning stops behind the pause menu, even with the middle button still held.
        xdo("mousedown", 2)
        paused = g.hold("Escape", until=lambda s: g.menu_shown(s, 2), what="the editor's pause menu")
        g.move_by(-240, 0)
        time.sleep(SETTLE)
        still = shot()
        xdo("mouseup", 2)
        scene = (slice(700, 1280), slice(520, 720))  # right of the menu, below the cursor's path
        moved = sum(not close_to(paused.px(x, y), still.px(x, y), 24)
                    for y in range(scene[1].start, scene[1].stop, 4) for x in range(scene[0].start, scene[0].stop, 4))
        expect(moved < 40, f"the editor camera panned behind the pause menu ({moved} pixels changed)")
        g.click_button(1)  # Back to menu
        g.move(g.at(100, 100))
        g.wait_screen(g.menu_shown, "the main menu")
        later = first_view(g)
        changed = share_differing(fresh, later)
        expect(changed < 0.03, f"Singleplayer's first view differs by {changed:.0%} after input in the menu and editor")


GREEN, BLUE, WHITE = (76, 255, 0), (0, 148, 255), (255, 255, 255)  # the gizmo's y and z arrows, its centre


def pixels_of(screen, colour, tolerance=6):
    return [(x, y) for y in range(64, screen.h) for x in range(screen.w) if close_to(screen.px(x, y), colour, tolerance)]


def centroid(points):
    return sum(p[0] for p in points) / len(points), sum(p[1] for p in points) / len(points)


def saved_level(g):
    return saved_level_at(g, "edits")


def saved_level_at(g, name):
    """The saved blocks as (x, y, z, sx, sy, sz, qw, qx, qy, qz)."""
    sections = open(os.path.join(g.dir, "profile", "levels", name + ".cfg")).read().split("[block")[1:]
    keys = ("x", "y", "z", "sx", "sy", "sz", "qw", "qx", "qy", "qz")
    return [tuple(float(dict(re.findall(r"(\w+) = (-?[\d.]+(?:e[-+]?\d+)?)", s))[k]) for k in keys) for s in sections]


def editor_edits():
    with Game() as g:
        g.start()
        g.click_button(1)
        g.wait_screen(g.bar_shown, "the editor's bar")

        def save(blocks):
            seen = len(g.lines)
            g.hold("Control_L+s", until=lambda _: any(l.startswith(f"Saved {blocks} blocks") for l in g.lines[seen:]),
                   what=f"Saved {blocks} blocks")
        seen = len(g.lines)
        g.hold("Control_L+s")  # the generated level has no name yet: Ctrl+S asks for one
        type_keys("e", "d", "i", "t", "s", "Return")
        g.wait_line("Saved 156 blocks to ./profile/levels/edits.cfg", after=seen)
        original = saved_level(g)
        for x, y in [(100, 300), (300, 200), (200, 380), (520, 120)]:  # a block whose gizmo is in view
            moved = int(g.click_until_line((g.win[0] + x, g.win[1] + y), "HIT: ")[5:])
            g.move(g.at(5, 5))
            time.sleep(SETTLE)
            selected = shot()
            if len(pixels_of(selected, GREEN)) > 20:
                break
        else:
            raise Failure("no click selected a block with its gizmo in view")
        rows = [y for _, y in pixels_of(selected, BLUE)]  # the z arrow stands upright
        expect(70 <= max(rows) - min(rows) <= 130, f"the z arrow is {max(rows) - min(rows)} px long on screen")
        (gx, gy), (cx, cy) = centroid(pixels_of(selected, GREEN)), centroid(pixels_of(selected, WHITE, 2))
        length = max(((gx - cx) ** 2 + (gy - cy) ** 2) ** 0.5, 1.0)
        g.move((round(gx), round(gy)))
        time.sleep(HOLD)
        xdo("mousedown", 1)  # drag 80 px further along the arrow
        for step in range(1, 9):
            time.sleep(0.1)
            g.move((round(gx + (gx - cx) / length * 10 * step), round(gy + (gy - cy) / length * 10 * step)))
        time.sleep(HOLD)
        xdo("mouseup", 1)
        time.sleep(HOLD)
        deleted = int(g.click_until_line((g.win[0] + 1000, g.win[1] + 500), "HIT: ")[5:])
        expect(deleted != moved, "the second click picked the moved block again")
        g.hold("Delete")
        save(155)
        g.hold("Control_L+z")
        save(156)
        g.hold("Control_L+y")
        save(155)
        expect(g.close("signal") == 0, "the game did not end with code 0")
        level = saved_level(g)
        now, before = level[moved - 5 - (deleted < moved)], original[moved - 5]
        expect(abs(now[1] - before[1]) > 0.1 and now[0] == before[0] and now[2:] == before[2:],
               f"block {moved} was not moved along y alone: {before} -> {now}")
        expect(len(level) == 155 and original[deleted - 5] not in level, f"block {deleted} was not deleted")
        os.makedirs(ARGS.shots, exist_ok=True)
        shutil.copy(os.path.join(g.dir, "profile", "levels", "edits.cfg"), os.path.join(ARGS.shots, "level.cfg"))
    with Game(level=os.path.join(ARGS.shots, "level.cfg")) as g:  # kept where the game kept it before the folder
        g.start()
        g.wait_line('LEVELS: ./profile/level.cfg moved to ./profile/levels/My level.cfg as "My level"')
        g.click_button(0)
        g.move(g.at(100, 600))
        g.wait_screen(lambda s: g.menu_shown(s, 3), "the level list: Generated, My level, Back")
        seen = len(g.lines)
        g.click_button(1)
        g.wait_line("FLOOR ID: ", after=seen)
        expect(saved_level_at(g, "My level") == level, "the moved level is not the saved one")


def type_keys(*keys):
    for key in keys:
        xdo("keydown", key)
        time.sleep(0.15)
        xdo("keyup", key)
        time.sleep(0.15)


def wait_error(g, prefix):
    deadline = time.monotonic() + SCREEN_TIMEOUT
    while not any(e.startswith(prefix) for e in g.errors):
        expect(time.monotonic() < deadline, f"no error line starting with {prefix!r}")
        time.sleep(0.2)


def list_shown(g, screen):
    """Rows 0, 2 and 3 of the level list; the damaged row's label reaches the ends of its button."""
    return all(g.button_shows(screen, BUTTON, row) for row in (0, 2, 3))


def levels():
    broken = b"[block0]\nx = nan\n"
    damaged = ("LEVEL FILE ./profile/levels/Broken.cfg: line 2: x = nan is not a number; it is not opened")
    with Game(files={os.path.join("profile", "levels", "Broken.cfg"): broken}) as g:
        g.start()
        g.click_button(1)  # Map-Editor: a level is saved, so its list comes first
        g.move(g.at(100, 600))
        g.wait_screen(lambda s: list_shown(g, s), "the level list: Generated, Broken, New level, Back")
        left, top = g.button_corner(1)  # its label hides the hover look's ends
        g.move((left + BUTTON.w // 2, top + BUTTON.h // 2))
        time.sleep(HOLD)
        g.hold("left")
        wait_error(g, damaged)
        g.move(g.at(100, 600))
        g.wait_screen(lambda s: list_shown(g, s), "the list still shown")
        seen = len(g.lines)
        g.click_button(2)  # New level
        floor = g.wait_line("FLOOR ID: ", after=seen)
        expect(floor == "FLOOR ID: 5", f"{floor}: an empty level's floor is not next after the player")
        g.wait_screen(g.bar_shown, "the editor's bar")
        type_keys("1")  # the create tool
        g.move(g.centre())
        xdo("mousedown", 3)  # the camera starts at the floor's height: look down, then back away upwards
        g.move_by(0, 200)
        xdo("mouseup", 3)
        for _ in range(6):
            xdo("click", 5)
            time.sleep(0.2)
        for x in (500, 800):  # the floor below the editor camera
            g.move(g.at(x, 150))
            time.sleep(HOLD)
            g.hold("left")
        seen = len(g.lines)
        g.hold("Control_L+s")
        time.sleep(SETTLE)
        expect(not any(l.startswith("Saved") for l in g.lines[seen:]), "a new level saved without a name")
        type_keys("t", "r", "a", "c", "k", "slash", "space", "t", "w", "o", "Return")
        g.wait_line("Saved 2 blocks to ./profile/levels/track two.cfg", after=seen)
        text = open(os.path.join(g.dir, "profile", "levels", "track two.cfg")).read()
        expect(text.count("[block") == 2, "the saved file does not hold 2 blocks")
        seen = len(g.lines)
        g.hold("Control_L+Shift_L+s")  # save as: the prompt starts from the level's name
        time.sleep(SETTLE)  # a letter the shortcut spells, even a late one, is not typed into the name
        type_keys("End", "space", "b", "Return")
        g.wait_line("Saved 2 blocks to ./profile/levels/track two b.cfg", after=seen)
        g.hold("Escape", until=lambda s: g.menu_shown(s, 6), what="the editor's pause menu of a named level")
        g.click_button(5)  # Delete
        g.click_button(0)  # Yes
        g.wait_line("Deleted track two b: moved to ./profile/levels/.trash", after=seen)
        levels = os.path.join(g.dir, "profile", "levels")
        expect(open(os.path.join(levels, ".trash", "track two b.cfg")).read() == text, "the deleted level is not in the trash")
        expect(not os.path.exists(os.path.join(levels, "track two b.cfg")), "the deleted level is still listed")
        g.move(g.at(100, 600))
        g.wait_screen(lambda s: g.menu_shown(s, 4), "the pause menu of a level without a name")
        g.click_button(1)  # Back to menu
        g.move(g.at(100, 600))
        g.wait_screen(g.menu_shown, "the main menu")
        g.click_button(0)  # Singleplayer
        g.move(g.at(100, 600))
        listed = g.wait_screen(lambda s: list_shown(g, s), "the level list: Generated, Broken, track two, Back")
        save(listed, "level_list")
        seen = len(g.lines)
        g.click_button(2)
        floor = g.wait_line("FLOOR ID: ", after=seen)
        expect(floor == "FLOOR ID: 7", f"{floor}: the two blocks and the floor do not follow the player")
        g.wait_line("OnEnter 7", after=seen)  # the player stands on the chosen level's floor
        expect(g.close("signal") == 0, "the game did not end with code 0")
        expect(g.errors == [damaged], f"standard error {g.errors}")
        expect(open(os.path.join(g.dir, "profile", "levels", "Broken.cfg"), "rb").read() == broken,
               "the damaged file changed")


def editor_loop():
    """Focus, a play-test and back, box selection, copy and paste, ahead of the editor camera (looking along +x):
    a 6 m block at (10, 8), left of the centre, and three 1 m blocks at y = -1, 0 and 1, all on the floor."""
    level = os.path.join(tempfile.mkdtemp(prefix="level_"), "level.cfg")
    blocks = [(8, 6), (-1, 1), (0, 1), (1, 1)]
    open(level, "w").write("".join(f"[block{i}]\nx = 10\ny = {y}\nz = {side / 2}\nsx = {side}\nsy = {side}\nsz = {side}\n"
                                   f"qw = 1\nqx = 0\nqy = 0\nqz = 0\n" for i, (y, side) in enumerate(blocks)))
    with Game(level=level) as g:
        g.wait_line("FLOOR ID: ")
        g.find_window()
        xdo("windowfocus", "--sync", g.wid)
        time.sleep(SETTLE)
        g.click_button(1)  # Map-Editor: the level list, the level moved in as "My level"
        g.move(g.at(100, 600))
        g.wait_screen(lambda s: g.menu_shown(s, 4), "the level list: Generated, My level, New level, Back")
        seen = len(g.lines)
        g.click_button(1)
        g.wait_line("FLOOR ID: ", after=seen)
        save(g.wait_screen(g.bar_shown, "the editor's bar"), "editor_loop_start")
        w, h = g.win[2], g.win[3]
        away = g.at(w - 40, 40)

        def gizmo_centre():
            g.move(away)
            time.sleep(SETTLE)
            screen = shot()
            upright = pixels_of(screen, BLUE) or [(-1e4, -1e4)]  # the z arrow, standing on the gizmo's centre
            return screen, (centroid(upright)[0], max(y for _, y in upright))

        g.click_until_line(g.at(w // 2 - 218, h // 2 + 40), "HIT: ")  # the large block
        _, (x, y) = gizmo_centre()
        expect(x < g.win[0] + w // 2 - 100, f"the selected block is not left of the centre: {x:.0f}, {y:.0f}")
        g.hold("f")
        editing, (x, y) = gizmo_centre()
        centre = (g.win[0] + w / 2, g.win[1] + h / 2)
        save(editing, "editor_focus")
        expect(abs(x - centre[0]) < 20 and abs(y - centre[1]) < 20, f"after F the block is at {x:.0f}, {y:.0f}")

        seen = len(g.lines)
        g.hold("F5")
        start = [float(v) for v in g.wait_line("PLAYTEST: from ", after=seen)[15:].split()]
        expect(start[0] < 7 and abs(start[1] - 8) < 0.1 and abs(start[2]) < 0.01,
               f"the play-test starts at {start}, not on the floor below the camera")
        playing = g.wait_screen(g.crosshair_shown, "the play view")
        expect(not g.bar_shown(playing) and not g.menu_shown(playing, 2), "a menu or the bar over the play view")
        g.hold("F5")
        back, _ = gizmo_centre()
        expect(g.bar_shown(back), "the editor's bar is not back")
        expect(share_differing(editing, back) < 0.01, "the editor's view or selection changed over the play-test")

        def box(start, end):
            seen = len(g.lines)
            g.move(start)
            time.sleep(HOLD)
            xdo("mousedown", 1)
            for step in range(1, 9):
                time.sleep(0.1)
                g.move((start[0] + (end[0] - start[0]) * step // 8, start[1] + (end[1] - start[1]) * step // 8))
            time.sleep(HOLD)
            xdo("mouseup", 1)
            return g.wait_line("BOX: ", after=seen)
        expect(box(g.at(20, h - 80), g.at(200, h - 160)) == "BOX: 0 selected", "a box over the sky selected blocks")
        around = box(g.at(w // 2 + 60, h - 70), g.at(w - 10, 10))  # right of the large block's centre
        expect(around == "BOX: 3 selected", f"a box around the three small blocks: {around}")
        g.hold("Control_L+c")
        g.move(g.at(100, 40))  # the floor, left of the large block
        time.sleep(HOLD)
        g.hold("Control_L+v")
        seen = len(g.lines)
        g.hold("Control_L+s")
        g.wait_line("Saved 7 blocks", after=seen)
        expect(len(saved_level_at(g, "My level")) == 7, "the level file does not hold the three pasted blocks")
        expect(g.close("signal") == 0, "the game did not end with code 0")


OPTIONS_ROW = -3.5  # the Options menu's eight rows are centred as a column: its first row in main-menu rows


def options():
    shipped = open(os.path.join(ARGS.run_dir, "profile", "config.cfg"), "rb").read()
    # The profile is a link, as a user may keep it in another folder.
    with Game(files={"profile/mine/config.cfg": shipped, "profile/config.cfg": "mine/config.cfg"}) as g:
        profile = os.path.join(g.dir, "profile", "config.cfg")
        g.start()
        comments = [line for line in open(profile) if line.startswith("#")]
        g.move(g.at(10, 10))
        tap = 0.2  # short of the X server's key repeat, which would step the highlight again
        g.hold("Down", tap)
        g.wait_screen(lambda s: g.button_shows(s, HOVER, 0), "the first press highlighting Singleplayer")
        g.hold("Down", tap)
        g.hold("Down", tap)
        g.wait_screen(lambda s: g.button_shows(s, HOVER, 2) and g.button_shows(s, BUTTON, 0),
                      "the third press highlighting Options alone")
        g.hold("Return", tap)
        g.wait_screen(lambda s: not any(g.button_shows(s, look, row) for look in (BUTTON, HOVER) for row in (0, 2)),
                      "Enter leaving the main menu")  # for Options: the resolution row's click below proves it

        def press_row(row, done, what):  # its label may overrun the button: judged by what the click does
            for _ in range(3):
                left, top = g.button_corner(OPTIONS_ROW + row)
                g.move((left + BUTTON.w // 2, top + BUTTON.h // 2))
                time.sleep(HOLD)
                g.hold("left", 1.0)
                deadline = time.monotonic() + 10
                while not done() and time.monotonic() < deadline:
                    time.sleep(0.2)
                if done():
                    return
            save(shot(), "options_failure")
            raise Failure(f"{what} never happened; window {g.win}")
        press_row(0, lambda: g.find_window()[2:] == (960, 540), "the resize to 960 x 540 by the resolution row")
        time.sleep(SETTLE)
        g.find_window()  # the window is centred again once it has its new size
        g.move(g.at(10, 10))
        press_row(4, lambda: "render_scale = 0.5\n" in open(profile).read(), "render_scale = 0.5 saved by its row")
        g.move(g.at(10, 10))
        press_row(6, lambda: "volume = 100\n" in open(profile).read(), "volume = 100 saved by its row")
        g.move(g.at(10, 10))
        press_row(7, lambda: g.button_shows(shot(), BUTTON, 0), "the main menu after Back")
        g.move(g.at(10, 10))
        g.wait_screen(g.menu_shown, "the main menu centred in the 960 x 540 window")
        g.click_button(3)
        expect(g.exit_code() == 0, "End Game did not end the program with code 0")
        saved = open(profile).read()
        for needed in ["resolution_width = 960\n", "resolution_height = 540\n", "render_scale = 0.5\n",
                       "volume = 100\n"] + comments:
            expect(needed in saved, f"profile/config.cfg lacks {needed!r}:\n{saved}")
        expect(os.path.islink(profile), "the profile's symbolic link was replaced by a file")
    with Game(config=saved) as g:
        g.start()
        expect(g.win[2:] == (960, 540), f"the restarted game opened at {g.win[2:]}")
        g.move(g.at(10, 10))
        g.wait_screen(g.menu_shown, "the main menu centred after the restart")


# What a damaged data file does, by extension, for (missing, cut to half, random bytes): "stop": start-up
# stops, one stderr line names the file, exit code 1; "run": the game runs and closes with 0; "reported":
# runs after a "MISSING FILE: <path>" line; "either": a font description may still read with whatever
# glyphs survive, or stop.
DAMAGE = ("missing", "half", "random")
OUTCOMES = {**dict.fromkeys((".cmesh", ".camesh", ".cskel", ".canim", ".shconf"), ("stop",) * 3),
            **dict.fromkeys((".vert", ".frag", ".png"), ("run",) * 3), ".fnt": ("reported", "either", "either")}


# The mixer's output as SDL's disk driver writes it, in real time: stereo 16-bit samples at 44.1 kHz.
AUDIO_BYTES_PER_SECOND = 44100 * 2 * 2


def audio_after(path, offset, seconds):
    with open(path, "rb") as f:
        f.seek(offset)
        return f.read(int(seconds * AUDIO_BYTES_PER_SECOND))


def sound():
    """The menu's button heard, silent standing still in play, heard within half a second of a jump and of a
    delete in the editor, never heard at volume 0; with no driver one line and play on."""
    with tempfile.TemporaryDirectory() as folder:
        out = os.path.join(folder, "audio.raw")
        with Game(env={"SDL_AUDIODRIVER": "disk", "SDL_DISKAUDIOFILE": out}) as g:
            g.start()
            expect(not any(l.startswith("NO SOUND: ") for l in g.errors), "no sound with the disk driver")
            g.move(g.at(10, 10))
            time.sleep(HOLD)
            menu = os.path.getsize(out)
            g.click_button(0)
            expect(audio_after(out, menu, 1.0).strip(b"\0"), "no hover or click sound on the menu's button")
            g.wait_line("OnEnter ")  # the player has landed
            time.sleep(SETTLE)  # the landing has died away
            still = os.path.getsize(out)
            time.sleep(1.0)
            expect(os.path.getsize(out) - still > AUDIO_BYTES_PER_SECOND // 2, "the disk driver writes no audio")
            expect(not audio_after(out, still, 1.0).strip(b"\0"), "sound while standing still")
            jumped = os.path.getsize(out)
            g.hold("space", 0.2)
            expect(audio_after(out, jumped, 0.5).strip(b"\0"), "silent within 0.5 s of a jump")
            expect(g.close("signal") == 0, "the game with sound did not end with code 0")
        with Game(env={"SDL_AUDIODRIVER": "disk", "SDL_DISKAUDIOFILE": out}) as g:
            g.start()
            g.click_button(1)
            g.wait_screen(g.bar_shown, "the editor's bar")
            g.click_until_line((g.win[0] + 1000, g.win[1] + 500), "HIT: ")
            time.sleep(SETTLE)  # the menu's click has died away
            selected = os.path.getsize(out)
            expect(not audio_after(out, selected - AUDIO_BYTES_PER_SECOND // 4, 0.25).strip(b"\0"), "sound before a delete")
            g.hold("Delete")
            expect(audio_after(out, selected, 0.5).strip(b"\0"), "silent within 0.5 s of a delete in the editor")
            expect(g.close("signal") == 0, "the editor with sound did not end with code 0")
        shipped = open(os.path.join(ARGS.run_dir, "profile", "config.cfg")).read()
        with Game(config=shipped + "volume = 0\n", env={"SDL_AUDIODRIVER": "disk", "SDL_DISKAUDIOFILE": out}) as g:
            g.start()
            g.click_button(0)
            g.wait_line("OnEnter ")
            g.hold("space", 0.2)
            g.hold("w", 1.0)
            expect(g.close("signal") == 0, "the silent game did not end with code 0")
            expect(os.path.getsize(out) > AUDIO_BYTES_PER_SECOND, "the disk driver wrote no audio")
            expect(not open(out, "rb").read().strip(b"\0"), "sound with volume = 0")
    with Game(env={"SDL_AUDIODRIVER": "nonexistent"}) as g:
        g.start()
        g.click_button(0)
        g.wait_line("OnEnter ")
        g.hold("w", 0.5)
        expect(g.close("signal") == 0, "the silent game did not end with code 0")
        expected = ["NO SOUND: Audio target 'nonexistent' not available"]
        expect(g.errors == expected, f"standard error {g.errors}, expected {expected}")


def data_files():
    """The data files of the damage matrix; the sounds are damaged all at once instead (damaged_sounds_run)."""
    generated = [p for p in run(ARGS.datagen, "--list").decode().split() if not p.endswith(SOUND)]
    expect(generated, "datagen --list names no files")
    data = os.path.join(ARGS.run_dir, "data")
    shaders = ["data/" + n for n in os.listdir(data) if n.endswith(".shconf")]
    return sorted({os.path.normpath(p) for p in generated} | {"data/shader/" + n for n in os.listdir(data + "/shader")}
                  | set(shaders))


def damaged_run(path, how, expected):
    with Game(damage=[(path, how)]) as g:
        ran = g.wait_line(START_LINES[-1], optional=True) is not None
        if ran:
            time.sleep(0.4)  # frames run a moment with whatever loaded before the game is asked to quit
            ran = g.proc.poll() is None
        code = g.close("signal") if ran else g.exit_code(START_TIMEOUT)
        stopped = not ran and code == 1 and len(g.errors) == 1 and path in g.errors[0]
        reported = any(l.startswith("MISSING FILE: ") and l.endswith(path) for l in g.lines)
        good = {"stop": stopped, "run": ran and code == 0, "reported": ran and code == 0 and reported,
                "either": stopped or (ran and code == 0)}[expected]
        expect(good, f"{path} {how}: expected {expected}, {'ran' if ran else 'stopped'} with code {code}")


# Every sound file damaged the same way in one run: the game plays on, each sound that does not load named on a
# line of its own ("random" bytes never read as a sound; a file "half" cut may still load what is left).
SOUND = ".wav"


def damaged_sounds_run(how):
    sounds = [os.path.normpath(p) for p in run(ARGS.datagen, "--list").decode().split() if p.endswith(SOUND)]
    expect(sounds, "datagen --list names no sound files")
    with Game(damage=[(p, how) for p in sounds]) as g:
        g.wait_line(START_LINES[-1])
        time.sleep(0.4)
        expect(g.close("signal") == 0, f"sounds {how}: the game did not play on and end with code 0")
        named = [p for p in sounds if any(l.startswith("SOUND FILE ./" + p + ": ") for l in g.errors)]
        expect(how == "half" or named == sounds, f"sounds {how}: no line for {sorted(set(sounds) - set(named))}")


# Configurations: sizes are applied and the window centred; garbage lines leave the default window; a value
# out of its range leaves its default with one stderr line naming the key and the value.
CONFIGS = [("resolution_width = 800\nresolution_height = 600\n", (240, 60, 800, 600), []),
           ("\x01\x02 = = =\nresolution_width\n= 3\n#\xff\nvsync = yes please\nresolution_height = \nfullscreen maybe\n",
            (0, 0, 1280, 720), []),
           ("resolution_width = 0\nresolution_height = 600\nvsync = 7\n", (0, 60, 1280, 600),
            ["./profile/config.cfg: resolution_width = 0 is outside 320 to ", "./profile/config.cfg: vsync = 7 "])]


def configured_run(config, window, errors):
    with Game(config=config) as g:
        g.wait_line(START_LINES[-1])
        expect(g.find_window() == window, f"window {g.win}, expected {window} from {config!r}")
        expect(g.close("window") == 0, "closing the window did not end the program with code 0")
        expect(len(g.errors) == len(errors) and all(map(str.startswith, g.errors, errors)), f"expected {errors}")


def resize():
    """A size the window is given from outside: the frame and the menu follow it, and the profile keeps it."""
    with Game() as g:
        g.start()
        profile = os.path.join(g.dir, "profile", "config.cfg")
        xdo("windowsize", g.wid, 900, 600)
        deadline = time.monotonic() + SCREEN_TIMEOUT
        while g.find_window()[2:] != (900, 600):
            expect(time.monotonic() < deadline, f"the window stayed at {g.win[2:]}")
            time.sleep(0.2)
        g.move(g.at(10, 10))
        save(g.wait_screen(g.menu_shown, "the main menu centred in the 900 x 600 window"), "resized_menu")
        g.click_button(3)
        expect(g.exit_code() == 0, "End Game did not end the program with code 0")
        saved = open(profile).read()
        for needed in ["resolution_width = 900\n", "resolution_height = 600\n"]:
            expect(needed in saved, f"profile/config.cfg lacks {needed!r}:\n{saved}")


# Start-up without a usable display: (environment, exit code, stdout lines, stderr line prefixes).
NO_WINDOW = [({"SDL_VIDEODRIVER": "dummy"}, 1, ["GC CREATE", "START ENGINE", "Failed to initialize!"],
              ["Engine start-up stopped: the window could not be created: "]),
             ({"SDL_VIDEODRIVER": "x11", "DISPLAY": None, "WAYLAND_DISPLAY": None}, 1,
              ["GC CREATE", "START ENGINE", "SDL could not initialize! SDL Error: ", "Failed to initialize!"], [])]


def windowless_run(env, code, lines, errors):
    with Game(env=env) as g:
        expect(g.exit_code(START_TIMEOUT) == code, f"exit code {g.proc.returncode} without a window, expected {code}")
        for got, prefixes in ((g.lines, lines), (g.errors, errors)):
            expect(len(got) == len(prefixes) and all(map(str.startswith, got, prefixes)), f"expected {prefixes}")


# SDL's EGL path on X11 leaves GLEW without a GLX display; start-up tries once more, names the failing call
# instead of "Unknown error" and goes on, since the context is current and GL itself loaded.
EGL_NOTES = ["Engine start-up: glewInit returned 4 (glXGetCurrentDisplay() gave no display) under SDL's x11 video "
             "driver" + end for end in ("; making the context current again for one more try",
                                        " again; SDL holds the context current, going on without GLEW's GLX extensions")]


def egl_run():
    with Game(env={"SDL_VIDEO_X11_FORCE_EGL": "1"}) as g:
        g.wait_line(START_LINES[-1])
        g.find_window()
        expect(g.close("window") == 0, "the game over EGL did not end with code 0")
        expect(g.errors == EGL_NOTES, f"standard error {g.errors}, expected {EGL_NOTES}")


# A level file the game refuses or cannot read is named on standard error and left alone, and the generated
# level is built; one written by hand loads: (bytes, or None for a folder; the reason, or None; blocks).
BLOCK = b"x = 1e1\r\ny = -2.5E0\r\nz = +3.\r\nsx = 2\r\nsy = .5\r\nsz = 2 ; wide\r\nqw = 1\r\nqx = 0\r\nqy = 0\r\nqz = 0\r\n"
LEVELS = [(b"\x00\x01garbage\xff\n", None),
          (None, "cannot move ./profile/level.cfg to ./profile/levels/My level.cfg: Operation not permitted"),
          (b"\xef\xbb\xbf# by hand\r\n[block0]\r\n" + BLOCK + b"[block1]\r\n" + BLOCK.replace(b"1e1", b"-1e1"), None)]


def levelled_run(level, reason):
    """A level kept where the game kept it before the level folder moves in as "My level", untouched."""
    path = os.path.join("profile", "level.cfg")
    with Game(files={path: level}) as g:
        g.wait_line("FLOOR ID: 161")
        expect(g.close("signal") == 0, "the game did not end with code 0")
        moved = 'LEVELS: ./profile/level.cfg moved to ./profile/levels/My level.cfg as "My level"'
        stays = f"LEVELS: {reason}; ./profile/level.cfg stays where it is"
        expect(moved in g.lines if level is not None else g.errors == [stays],
               f"standard output {g.lines[-3:]}, standard error {g.errors}")
        full = os.path.join(g.dir, path if level is None else os.path.join("profile", "levels", "My level.cfg"))
        expect(os.path.isdir(full) if level is None else open(full, "rb").read() == level, "the level file changed")


def faults():
    cases = [(configured_run, *c) for c in CONFIGS] + [(windowless_run, *c) for c in NO_WINDOW] + [(egl_run,)]
    cases += [(levelled_run, *c) for c in LEVELS] + [(damaged_sounds_run, how) for how in DAMAGE]
    for path in data_files():
        expect(os.path.splitext(path)[1] in OUTCOMES, f"no expected outcome for a damaged {path}")
        cases += [(damaged_run, path, how, outcome) for how, outcome in zip(DAMAGE, OUTCOMES[os.path.splitext(path)[1]])]

    def attempt(case):
        try:
            case[0](*case[1:])
        except Failure as failure:
            return str(failure)
    with concurrent.futures.ThreadPoolExecutor(2) as pool:  # two games keep two cores busy
        problems = [p for p in pool.map(attempt, cases) if p]
    expect(not problems, f"{len(problems)} of {len(cases)} cases failed:\n" + "\n".join(problems))


RACE_LEVEL = "".join(f"[block{i}]\nx = {4 * i}\ny = 0\nz = 0.5\nsx = 4\nsy = 4\nsz = 1\nqw = 1\nqx = 0\nqy = 0\nqz = 0\n"
                     f"kind = {kind}\n" for i, kind in enumerate(("start", "checkpoint", "finish"))).encode()


def race_time(line):
    minutes, seconds = line.split()[2].split(":")
    return int(minutes) * 60 + float(seconds)


def race():
    """Start, checkpoint and finish edge to edge along +X: W runs the course, records.cfg and the ghost follow."""
    records = lambda g: open(os.path.join(g.dir, "profile", "records.cfg")).read()
    with Game(files={os.path.join("profile", "levels", "race.cfg"): RACE_LEVEL}) as g:
        g.start()
        g.click_button(0)  # Singleplayer: the level list
        g.move(g.at(100, 600))
        g.wait_screen(lambda s: g.menu_shown(s, 3), "the level list: Generated, race, Back")
        seen = len(g.lines)
        g.click_button(1)
        g.wait_line("FLOOR ID: ", after=seen)
        g.wait_screen(g.crosshair_shown, "the crosshair")

        def run():
            seen = len(g.lines)
            g.hold("w", until=lambda _: any(l.startswith("RACE FINISH") for l in g.lines[seen:]), what="RACE FINISH")
            return g.wait_line("RACE FINISH", after=seen, timeout=0)
        first = run()
        expect(first.endswith("NEW RECORD"), f"the first run is no record: {first}")
        best = float(re.search(r"best = ([\d.]+)", records(g)).group(1))
        expect(0.3 <= best <= 5.0 and abs(best - race_time(first)) < 0.006, f"best {best}, finish line {first}")
        ghosts = os.listdir(os.path.join(g.dir, "profile", "ghosts"))
        expect(len(ghosts) == 1 and ghosts[0].endswith(".ghost"), f"ghost files {ghosts}")
        kept = records(g)

        g.hold("r")
        g.wait_line("RACE RESTART")
        g.hold("w", 0.3)
        time.sleep(1.5)  # a pause mid-run: slower
        second = run()
        expect(not second.endswith("NEW RECORD") and race_time(second) > best, f"the slower run: {second}")
        expect(records(g) == kept, "a slower run changed records.cfg")

        time.sleep(1.0)
        g.hold("r")  # the timer from zero again: the same quick run as the first
        xdo("keydown", "w")  # starts the timer; the ghost of the first run sets off alongside
        time.sleep(0.1)
        xdo("keyup", "w")
        time.sleep(0.3)
        save(shot(), "race")  # standing while the ghost runs on ahead
        time.sleep(HOLD)
        third = run()
        expect(race_time(third) < race_time(second), f"R did not reset the timer: {third} after {second}")
        expect(g.close("signal") == 0, "the game did not end with code 0")
        expect(g.errors == [], "standard error not empty")
    with Game() as g:
        g.start()
        g.click_button(1)
        g.wait_screen(g.bar_shown, "the editor's bar")
        seen = len(g.lines)
        g.hold("Control_L+s")  # the generated level has no name yet
        type_keys("g", "Return")
        g.wait_line("Saved 156 blocks to ./profile/levels/g.cfg", after=seen)
        level = open(os.path.join(g.dir, "profile", "levels", "g.cfg")).read()
        kinds = [level.count(f"kind = {k}\n") for k in ("start", "checkpoint", "finish")]
        expect(kinds[0] == 0 and kinds[1] >= 3 and kinds[2] == 1, f"start, checkpoint, finish kinds {kinds}")
        expect(g.close("signal") == 0, "the game did not end with code 0")


SCENARIOS = {"play": play, "editor": editor, "editor_loop": editor_loop, "faults": faults,
             "first_view": first_view_scenario, "editor_edits": editor_edits, "options": options, "resize": resize,
             "race": race, "sound": sound, "levels": levels}


def main():
    global ARGS, BUTTON, HOVER, PRESSED, CURSOR, CROSSHAIR
    parser = argparse.ArgumentParser()
    for name in ("game", "run_dir"):
        parser.add_argument(name)
    parser.add_argument("--datagen")
    parser.add_argument("--shots")
    parser.add_argument("scenarios", nargs="+", choices=SCENARIOS)
    ARGS = parser.parse_args()
    if not os.access(ARGS.game, os.X_OK) or not os.path.isdir(ARGS.run_dir):
        sys.exit(f"{ARGS.game} or {ARGS.run_dir} is missing: build the game target first")
    BUTTON, HOVER, PRESSED, CURSOR, CROSSHAIR = map(Image, (
        "textures/ui/button.png", "textures/ui/button_hover.png", "textures/ui/button_down.png",
        "textures/ui/mouse.png", "textures/crosshair.png"))
    failed = 0
    for name in ARGS.scenarios:
        started = time.monotonic()
        try:
            SCENARIOS[name]()
            print(f"PASS {name} ({time.monotonic() - started:.0f} s)")
        except Failure as failure:
            print(f"FAIL {name}: {failure}")
            failed += 1
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
