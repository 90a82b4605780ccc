"""Shared plumbing for the GUI tests.

A test module starts the real launcher binary in a temporary installation
directory on a private Xvfb display and drives it with xdotool:

    class StartupTest(gui.LauncherTestCase):
        def test_escape_ends_with_status_0(self):
            install = self.installation(profiles=["Anna"])
            launcher = self.start(install)
            window = launcher.wait_for_window()
            window.key("Escape")
            self.assertEqual(launcher.wait_exit(), 0)

Environment (set by CTest): LAUNCHER_BINARY, DEMO_GAME_BINARY,
PROJECT_SOURCE_DIR. The launcher runs with ASAN_OPTIONS=detect_leaks=0, so a
sanitizer build's leak report at exit does not change the exit status; any
other sanitizer finding still fails it.
"""

import ctypes
import hashlib
import os
import re
import shutil
import struct
import subprocess
import tempfile
import time
import unittest
from pathlib import Path

LAUNCHER_BINARY = os.environ.get("LAUNCHER_BINARY", "")
DEMO_GAME_BINARY = os.environ.get("DEMO_GAME_BINARY", "")

MAIN_TITLE = "Tarvelline (v1.0 Sept09)"
DIALOG_TITLE = "Enter your name (31 characters max)"
SCREEN_SIZE = (1366, 768)

# Window-relative geometry (x, y, w, h) of the four choices of the main window.
CHOICES = {
    "mode": (308, 8, 160, 30),
    "language": (308, 48, 160, 30),
    "profile": (308, 88, 160, 30),
    "volume": (308, 142, 160, 30),
}
START_BUTTON = (220, 177, 220, 48)
LINKS = {
    "mail": (180, 228, 32, 10),
    "website": (212, 228, 54, 10),
    "us_shop": (266, 228, 150, 10),  # the last 4 px lie under the Europe link
    "europe_shop": (420, 228, 60, 10),
}

PROFILE_FILE_SIZE = 23812


def profile_record(name, levels_done=0, challenges_done=0, tag=b"ABCDEFGH"):
    """A 23812-byte profile record: `levels_done` levels in state 2 and
    `challenges_done` challenge flags set."""
    record = bytearray(PROFILE_FILE_SIZE)
    encoded = name.encode() if isinstance(name, str) else bytes(name)
    record[0:min(len(encoded), 32)] = encoded[:32]
    record[33:41] = tag
    struct.pack_into("<H", record, 42, 1)
    for i in range(10):
        record[48 + 296 * i] = 1
    for level in range(levels_done):
        struct.pack_into("<I", record, 348 + 4 * level, 2)
    for challenge in range(challenges_done):
        record[604 + challenge] = 1
    return bytes(record)


def wait_until(predicate, timeout=10.0, interval=0.05, what="condition"):
    """Polls `predicate` until it returns a true value, which is returned."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError("timed out after %.1fs waiting for %s" % (timeout, what))
        time.sleep(interval)


class Display:
    """A private Xvfb server without a window manager."""

    def __init__(self, width=SCREEN_SIZE[0], height=SCREEN_SIZE[1]):
        self.size = (width, height)
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             "%dx%dx24" % (width, height), "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdin=subprocess.DEVNULL,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb") as pipe:
            # Xvfb writes the number and the newline separately.
            while not number.endswith(b"\n"):
                chunk = pipe.read(1)
                if not chunk:
                    raise RuntimeError("Xvfb did not start")
                number += chunk
        self.name = ":" + number.decode().strip()

    def env(self):
        return dict(os.environ, DISPLAY=self.name)

    def run(self, *args, check=True):
        """Runs an X client (xdotool, xwininfo, ...) on this display."""
        result = subprocess.run(list(args), env=self.env(), stdin=subprocess.DEVNULL,
                                capture_output=True, text=True, timeout=30)
        if check and result.returncode != 0:
            raise RuntimeError("%s failed: %s" % (" ".join(args), result.stderr))
        return result.stdout

    def top_level_windows(self):
        """{window id: (x, y, w, h)} of the root window's children."""
        windows = {}
        out = self.run("xwininfo", "-root", "-children")
        for match in re.finditer(r"^\s+(0x[0-9a-f]+) .*?(\d+)x(\d+)\+(-?\d+)\+(-?\d+)", out, re.M):
            wid = int(match.group(1), 16)
            w, h, x, y = (int(match.group(i)) for i in range(2, 6))
            windows[wid] = (x, y, w, h)
        return windows

    def find_windows(self, title):
        out = self.run("xdotool", "search", "--name", "^%s$" % re.escape(title), check=False)
        return [int(line) for line in out.split()]

    def mouse_location(self):
        out = self.run("xdotool", "getmouselocation", "--shell")
        values = dict(line.split("=", 1) for line in out.split())
        return int(values["X"]), int(values["Y"])

    def mouse_click(self, x, y, button=1):
        # "mousemove --sync" waits for the pointer to move, which never
        # happens when it already stands there.
        if self.mouse_location() != (x, y):
            self.run("xdotool", "mousemove", "--sync", str(x), str(y))
        self.run("xdotool", "click", str(button))

    def screenshot(self, path, window=None, crop=None):
        """Writes a PNG of the screen (or one window, or a crop (x, y, w, h))."""
        args = ["import", "-window", hex(window) if window else "root", "-depth", "8"]
        if crop:
            args += ["-crop", "%dx%d+%d+%d" % (crop[2], crop[3], crop[0], crop[1]), "+repage"]
        self.run(*args, str(path))

    def pixel(self, x, y):
        """(r, g, b) of the screen pixel at x, y."""
        out = self.run("import", "-window", "root", "-depth", "8", "-crop",
                       "1x1+%d+%d" % (x, y), "txt:-")
        match = re.search(r"\((\d+),(\d+),(\d+)", out.splitlines()[-1])
        return tuple(int(v) for v in match.groups())

    def close(self):
        self.process.terminate()
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


class Window:
    """A top-level window on the display, driven by xdotool."""

    def __init__(self, display, wid):
        self.display = display
        self.id = wid

    def geometry(self):
        """(x, y, w, h) on the screen."""
        out = self.display.run("xwininfo", "-id", str(self.id))
        value = lambda label: int(re.search(label + r":\s+(-?\d+)", out).group(1))
        return (value("Absolute upper-left X"), value("Absolute upper-left Y"),
                value("Width"), value("Height"))

    def exists(self):
        return self.id in self.display.top_level_windows()

    def property(self, name):
        return self.display.run("xprop", "-id", str(self.id), name, check=False)

    def focus(self):
        self.display.run("xdotool", "windowfocus", "--sync", str(self.id), check=False)

    def key(self, *keys):
        """Presses keys (xdotool names: "Escape", "Return", "Tab") in this window."""
        self.focus()
        self.display.run("xdotool", "key", "--clearmodifiers", *keys)

    def type(self, text):
        """Types text into the focused widget of this window."""
        self.focus()
        self.display.run("xdotool", "type", "--delay", "15", "--", text)

    def click(self, x, y, button=1):
        """Clicks at window-relative x, y."""
        left, top, _, _ = self.geometry()
        self.display.mouse_click(left + x, top + y, button)

    def click_center(self, rect):
        x, y, w, h = rect
        self.click(x + w // 2, y + h // 2)

    def pick(self, choice, index):
        """Picks item `index` of one of the main window's choices ("mode",
        "language", "profile", "volume") the way a player does: a click opens
        the menu, a second click on the item picks it."""
        before = set(self.display.top_level_windows())
        self.click_center(CHOICES[choice])
        menus = wait_until(lambda: {w: g for w, g in self.display.top_level_windows().items()
                                    if w not in before}, what="the %s menu" % choice)
        menu_id, (x, y, w, h) = max(menus.items(), key=lambda item: item[1][3])
        count = self.menu_item_count(h)
        item_height = (h + 1 - 8) / count
        self.display.mouse_click(x + w // 2, int(y + 4 + item_height * (index + 0.5)))
        wait_until(lambda: menu_id not in self.display.top_level_windows(),
                   what="the %s menu to close" % choice)

    @staticmethod
    def menu_item_count(menu_height, item_height=21):
        # A menu is items x 21 + 2 x 4 - 1 pixels high with the default font.
        return max(1, round((menu_height + 1 - 8) / item_height))

    def close_box(self):
        """Asks the window to close as its title bar's close box does
        (a WM_DELETE_WINDOW message)."""
        send_wm_delete(self.display.name, self.id)

    def screenshot(self, path):
        self.display.screenshot(path, crop=self.geometry())

    def pixel(self, x, y):
        left, top, _, _ = self.geometry()
        return self.display.pixel(left + x, top + y)


def send_wm_delete(display_name, wid):
    """Sends the WM_DELETE_WINDOW client message a window manager sends when
    the close box is clicked."""
    x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]

    class ClientMessage(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                    ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                    ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                    ("format", ctypes.c_int), ("data", ctypes.c_long * 5),
                    ("pad", ctypes.c_long * 24)]

    dpy = x11.XOpenDisplay(display_name.encode())
    if not dpy:
        raise RuntimeError("cannot open display " + display_name)
    try:
        event = ClientMessage()
        event.type = 33  # ClientMessage
        event.window = wid
        event.message_type = x11.XInternAtom(dpy, b"WM_PROTOCOLS", 0)
        event.format = 32
        event.data[0] = x11.XInternAtom(dpy, b"WM_DELETE_WINDOW", 0)
        event.data[1] = 0  # CurrentTime
        x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                                   ctypes.c_long, ctypes.c_void_p]
        x11.XSendEvent(dpy, wid, 0, 0, ctypes.byref(event))
        x11.XFlush.argtypes = [ctypes.c_void_p]
        x11.XFlush(dpy)
    finally:
        x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        x11.XCloseDisplay(dpy)


class Installation:
    """A temporary installation directory: Data, Data/Profils and whatever
    the test puts there.

    config:         bytes or str of Data/config.ini (None: no file)
    game_settings:  bytes or str of Data/config_game.ini (None: no file)
    profiles:       names (fresh records) or {name: record bytes}; a name may
                    carry its own extension ("Anna.BIN"), else ".bin" is added
    profiles_dir:   False to leave out Data/Profils entirely
    game:           path of a program copied in as 1.exe (None: no game)
    """

    def __init__(self, config=None, game_settings=None, profiles=(), profiles_dir=True,
                 game=None):
        self.path = Path(tempfile.mkdtemp(prefix="launcher-install-"))
        (self.path / "Data").mkdir()
        if profiles_dir:
            (self.path / "Data" / "Profils").mkdir()
        if config is not None:
            self.write("Data/config.ini", config)
        if game_settings is not None:
            self.write("Data/config_game.ini", game_settings)
        items = profiles.items() if isinstance(profiles, dict) else ((p, None) for p in profiles)
        for name, record in items:
            self.add_profile(name, record)
        if game:
            self.install_game(game)

    def add_profile(self, name, record=None):
        file_name = name if re.search(r"\.bin$", name, re.I) else name + ".bin"
        stem = file_name[:-4]
        self.write("Data/Profils/" + file_name, record if record is not None else profile_record(stem))

    def install_game(self, program, name="1.exe"):
        target = self.path / name
        shutil.copy(program, target)
        target.chmod(0o755)

    def install_script_game(self, script, name="1.exe"):
        """Installs a shell script as the game."""
        self.write(name, "#!/bin/sh\n" + script)
        (self.path / name).chmod(0o755)

    def file(self, relative):
        return self.path / relative

    def write(self, relative, data):
        target = self.path / relative
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_bytes(data.encode() if isinstance(data, str) else data)

    def read(self, relative):
        return (self.path / relative).read_bytes()

    def exists(self, relative):
        return (self.path / relative).exists()

    def profile_names(self):
        return sorted(p.name for p in (self.path / "Data" / "Profils").iterdir())

    def snapshot(self):
        """{relative path: sha256 of the file, or "dir"} of the whole tree,
        for byte-for-byte comparisons."""
        tree = {}
        for root, dirs, files in os.walk(self.path):
            for name in dirs:
                tree[os.path.relpath(os.path.join(root, name), self.path)] = "dir"
            for name in files:
                full = os.path.join(root, name)
                with open(full, "rb") as f:
                    tree[os.path.relpath(full, self.path)] = hashlib.sha256(f.read()).hexdigest()
        return tree

    def remove(self):
        shutil.rmtree(self.path, ignore_errors=True)


class Launcher:
    """The launcher binary running in an installation on a display.
    Its standard output and error go to files outside the installation."""

    def __init__(self, display, installation, args=(), env=None, path_prefix=None,
                 binary=None):
        self.display = display
        self.installation = installation
        self._logs = Path(tempfile.mkdtemp(prefix="launcher-logs-"))
        environment = display.env()
        environment["ASAN_OPTIONS"] = "detect_leaks=0"
        environment.pop("FLTK_SCHEME", None)
        if path_prefix:
            environment["PATH"] = str(path_prefix) + os.pathsep + environment.get("PATH", "")
        environment.update(env or {})
        self._stdout = open(self._logs / "stdout", "wb")
        self._stderr = open(self._logs / "stderr", "wb")
        self.process = subprocess.Popen(
            [binary or LAUNCHER_BINARY, *args], cwd=installation.path, env=environment,
            stdin=subprocess.DEVNULL, stdout=self._stdout, stderr=self._stderr)

    def wait_for_window(self, title=MAIN_TITLE, timeout=15):
        """The window with this exact title, once it is mapped."""
        def mapped():
            if self.process.poll() is not None:
                raise AssertionError("launcher exited with %s before showing %r; stderr: %s"
                                     % (self.process.returncode, title, self.stderr()))
            for wid in self.display.find_windows(title):
                if "IsViewable" in self.display.run("xwininfo", "-id", str(wid), check=False):
                    return wid
            return None
        wid = wait_until(mapped, timeout, what="window %r" % title)
        time.sleep(0.2)  # let the first expose be drawn
        return Window(self.display, wid)

    def window_shown(self, title):
        return any("IsViewable" in self.display.run("xwininfo", "-id", str(w), check=False)
                   for w in self.display.find_windows(title))

    def running(self):
        return self.process.poll() is None

    def wait_exit(self, timeout=15):
        """The exit status; fails the test when the launcher does not end."""
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError("launcher still running after %ss" % timeout)

    def stdout(self):
        self._stdout.flush()
        return (self._logs / "stdout").read_bytes().decode(errors="replace")

    def stderr(self):
        self._stderr.flush()
        return (self._logs / "stderr").read_bytes().decode(errors="replace")

    def stdout_lines(self):
        return self.stdout().splitlines()

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self._stdout.close()
        self._stderr.close()
        shutil.rmtree(self._logs, ignore_errors=True)


class LauncherTestCase(unittest.TestCase):
    """Base class: one Xvfb display per test class; installations and
    launchers made through it are cleaned up after each test."""

    screen_size = SCREEN_SIZE

    @classmethod
    def setUpClass(cls):
        if not LAUNCHER_BINARY:
            raise unittest.SkipTest("LAUNCHER_BINARY is not set (run the GUI tests through ctest)")
        cls.display = Display(*cls.screen_size)

    @classmethod
    def tearDownClass(cls):
        cls.display.close()

    def installation(self, **kwargs):
        install = Installation(**kwargs)
        self.addCleanup(install.remove)
        return install

    def start(self, installation, args=(), **kwargs):
        launcher = Launcher(self.display, installation, args, **kwargs)
        self.addCleanup(launcher.stop)
        return launcher

    def scratch_dir(self):
        path = Path(tempfile.mkdtemp(prefix="launcher-scratch-"))
        self.addCleanup(shutil.rmtree, path, True)
        return path
