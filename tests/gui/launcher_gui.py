"""GUI test plumbing: the real launcher (LAUNCHER_BINARY, set by CTest) in a
temporary installation on a private Xvfb display, driven with xdotool. A
sanitizer's leak report keeps status 0; any other finding fails it. With
LAUNCHER_WINE set, the programs are Windows programs run through wine in the
caller's WINEPREFIX (tools/run-wine-tests.sh)."""

import ctypes
import errno
import hashlib
import os
import re
import resource
import shutil
import signal
import stat
import struct
import subprocess
import tempfile
import time
import unittest
from pathlib import Path

LAUNCHER_BINARY = os.environ.get("LAUNCHER_BINARY", "")
DEMO_GAME_BINARY = os.environ.get("DEMO_GAME_BINARY", "")
WINE = bool(os.environ.get("LAUNCHER_WINE"))
STAND_IN_GAME_BINARY = os.environ.get("STAND_IN_GAME_BINARY", "")
# How names are stored in file names, profile records and the game's
# settings: the Windows code page (1252 under tools/run-wine-tests.sh), or
# UTF-8 on Linux. Wine shows a Windows file name to Linux in UTF-8.
CODE_PAGE = "cp1252" if WINE else "utf-8"

MAIN_TITLE = "Tarvelline (v1.0 Sept09)"
DIALOG_TITLE = "Enter your name (31 characters max)"
SCREEN_SIZE = (1366, 768)
# Window-relative (x, y, w, h) of the main window's widgets.
CHOICES = {"mode": (308, 8, 160, 30), "language": (308, 48, 160, 30),
           "profile": (308, 88, 160, 30), "volume": (308, 142, 160, 30)}
START_BUTTON = (220, 177, 220, 48)
LINKS = {"mail": (180, 228, 32, 10), "website": (212, 228, 54, 10),
         "us_shop": (266, 228, 150, 10), "europe_shop": (420, 228, 60, 10)}
PROFILE_FILE_SIZE = 23812
# What the stand-in game writes into the installation.
STAND_IN_GAME_FILES = {"game_saw_config.ini", "game_started.txt", "game_ended.txt"}
STAND_IN_GAME_SCRIPT = """#!/bin/sh
cp Data/config.ini game_saw_config.ini 2>/dev/null
echo "game running"
touch game_started.txt
waited=0
while [ -e hold ] && [ $waited -lt 1200 ]; do sleep 0.05; waited=$((waited + 1)); done
touch game_ended.txt
exit 7
"""


def profile_record(name, levels=0, challenges=0):
    """A 23812-byte profile record for `name` with that many levels and
    challenges done (a fresh one by default)."""
    record = bytearray(PROFILE_FILE_SIZE)
    stored = name.encode(CODE_PAGE)[:32]
    record[0:len(stored)] = stored
    record[33:41] = b"ABCDEFGH"
    struct.pack_into("<H", record, 42, 1)
    for i in range(10):
        record[48 + 296 * i] = 1
    for i in range(levels):
        record[348 + 4 * i] = 2
    record[604:604 + challenges] = b"\1" * challenges
    return bytes(record)


def xlib(display_name):
    """libX11 and a new connection to the display."""
    x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    return x11, ctypes.c_void_p(x11.XOpenDisplay(display_name.encode()))


def wait_until(predicate, timeout=10.0, what="condition"):
    """Polls `predicate` until it gives a true value, which is returned."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError("timed out after %.1fs waiting for %s" % (timeout, what))
        time.sleep(0.05)


class Display:
    """A private Xvfb server without a window manager."""

    def __init__(self, width, height):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "%dx%dx24" % (width, height),
             "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,), stdin=subprocess.DEVNULL,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb") as pipe:
            while not number.endswith(b"\n"):  # the number and the newline come apart
                chunk = pipe.read(1)
                if not chunk:
                    raise RuntimeError("Xvfb did not start")
                number += chunk
        self.name = ":" + number.decode().strip()

    def env(self):
        return dict(os.environ, DISPLAY=self.name)

    def run(self, *args, check=True, text=True):
        """Runs an X client (xdotool, xwininfo, import, ...) on this display."""
        result = subprocess.run(list(args), env=self.env(), stdin=subprocess.DEVNULL,
                                capture_output=True, text=text, timeout=30)
        if check and result.returncode != 0:
            raise RuntimeError("%s failed: %s" % (" ".join(args), result.stderr))
        return result.stdout

    def top_level_windows(self):
        """{window id: (x, y, w, h)} of the root window's children."""
        out = self.run("xwininfo", "-root", "-children")
        return {int(m.group(1), 16): tuple(int(m.group(i)) for i in (4, 5, 2, 3)) for m in
                re.finditer(r"^\s+(0x[0-9a-f]+) .*?(\d+)x(\d+)\+(-?\d+)\+(-?\d+)", out, re.M)}

    def viewable(self, title):
        """The id of a mapped window with exactly this title, or None."""
        out = self.run("xdotool", "search", "--name", "^%s$" % re.escape(title), check=False)
        return next((int(w) for w in out.split()
                     if "IsViewable" in self.run("xwininfo", "-id", w, check=False)), None)

    def mouse_click(self, x, y):
        # A synchronous move to where the pointer already is never ends.
        values = dict(line.split("=", 1) for line in self.run(
            "xdotool", "getmouselocation", "--shell").split())
        if (int(values["X"]), int(values["Y"])) != (x, y):
            self.run("xdotool", "mousemove", "--sync", str(x), str(y))
        self.run("xdotool", "click", "1")

    def cover(self, x, y, w, h):
        """Maps a plain window over a screen area for a moment and removes it,
        as a game's window would, leaving the area to be repainted."""
        x11, dpy = xlib(self.name)
        x11.XCreateSimpleWindow.restype = ctypes.c_ulong
        window = x11.XCreateSimpleWindow(dpy, ctypes.c_ulong(x11.XDefaultRootWindow(dpy)),
                                         x, y, w, h, 0, ctypes.c_ulong(0), ctypes.c_ulong(0))
        x11.XMapRaised(dpy, ctypes.c_ulong(window))
        x11.XSync(dpy, 0)
        time.sleep(0.3)
        x11.XCloseDisplay(dpy)  # and with it the window

    def pixels(self, x, y, w, h):
        """The raw RGB bytes of a screen area."""
        return self.run("import", "-window", "root", "-depth", "8", "-crop",
                        "%dx%d+%d+%d" % (w, h, x, y), "rgb:-", text=False)

    def close(self):
        self.process.terminate()
        self.process.wait(timeout=10)


class Window:
    """A top-level window on the display."""

    def __init__(self, display, wid):
        self.display = display
        self.id = wid

    def geometry(self):
        """(x, y, w, h) on the screen."""
        out = self.display.run("xwininfo", "-id", str(self.id))
        return tuple(int(re.search(label + r":\s+(-?\d+)", out).group(1)) for label in (
            "Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

    def property(self, name):
        return self.display.run("xprop", "-id", str(self.id), name, check=False)

    def key(self, *keys):
        """Presses keys (xdotool names: "Escape", "Return") in this window."""
        self.display.run("xdotool", "windowfocus", "--sync", str(self.id), check=False)
        self.display.run("xdotool", "key", "--clearmodifiers", *keys)

    def type(self, text):
        self.display.run("xdotool", "windowfocus", "--sync", str(self.id), check=False)
        self.display.run("xdotool", "type", "--delay", "15", "--", text)

    def click(self, rect):
        """Clicks the middle of a window-relative rectangle."""
        left, top, _, _ = self.geometry()
        x, y, w, h = rect
        self.display.mouse_click(left + x + w // 2, top + y + h // 2)

    def pixels(self, rect):
        left, top, _, _ = self.geometry()
        return self.display.pixels(left + rect[0], top + rect[1], rect[2], rect[3])

    def _menu(self, choice):
        """Opens a choice's menu: its id, geometry, item count and height."""
        before = set(self.display.top_level_windows())
        self.click(CHOICES[choice])
        menus = wait_until(lambda: {w: g for w, g in self.display.top_level_windows().items()
                                    if w not in before}, what="the %s menu" % choice)
        menu_id, geometry = max(menus.items(), key=lambda item: item[1][3])
        # A menu is items x 21 + 2 x 4 - 1 pixels high with the default font.
        count = max(1, round((geometry[3] + 1 - 8) / 21))
        return menu_id, geometry, count, (geometry[3] + 1 - 8) / count

    def _menu_closed(self, menu_id):
        wait_until(lambda: menu_id not in self.display.top_level_windows(), what="the menu to close")

    def pick(self, choice, index):
        """Picks item `index` of a choice as a player does: click, then click the item."""
        menu_id, (x, y, w, _), _, item_height = self._menu(choice)
        self.display.mouse_click(x + w // 2, int(y + 4 + item_height * (index + 0.5)))
        self._menu_closed(menu_id)

    def selected(self, choice):
        """The selected item of a choice, or -1: the toolkit opens the menu with
        the selected item over the choice, and below it when none is."""
        menu_id, (_, menu_y, _, _), _, item_height = self._menu(choice)
        self.key("Escape")
        self._menu_closed(menu_id)
        choice_top = self.geometry()[1] + CHOICES[choice][1]
        if menu_y >= choice_top + CHOICES[choice][3]:
            return -1
        return round((choice_top - menu_y) / item_height)

    def close_box(self):
        """Sends the WM_DELETE_WINDOW message a window manager's close box sends."""
        x11, dpy = xlib(self.display.name)
        atom = lambda name: x11.XInternAtom(dpy, name, 0)
        # An XClientMessageEvent in the 24 longs of an XEvent: type (33),
        # serial, send_event, display, window, message_type, format, data.
        event = (ctypes.c_long * 24)(33, 0, 0, 0, self.id, atom(b"WM_PROTOCOLS"), 32,
                                     atom(b"WM_DELETE_WINDOW"))
        x11.XSendEvent(dpy, ctypes.c_ulong(self.id), 0, ctypes.c_long(0), event)
        x11.XFlush(dpy)
        x11.XCloseDisplay(dpy)


class Installation:
    """A temporary installation: Data, Data/Profils with `profiles` (names;
    ".bin" added unless given), the settings files when given, and `game`
    (a program's path) copied in as 1.exe."""

    def __init__(self, config=None, game_settings=None, profiles=(), game=None):
        self.path = Path(tempfile.mkdtemp(prefix="launcher-install-"))
        (self.path / "Data" / "Profils").mkdir(parents=True)
        if config is not None:
            self.write("Data/config.ini", config)
        if game_settings is not None:
            self.write("Data/config_game.ini", game_settings)
        for name in profiles:
            file_name = name if re.search(r"\.bin$", name, re.I) else name + ".bin"
            self.write("Data/Profils/" + file_name, profile_record(file_name[:-4]))
        if game:
            shutil.copy(game, self.path / "1.exe")

    def install_stand_in_game(self):
        """1.exe: tests/platform/win32/stand_in_game.cpp, or the same steps as
        a script on Linux."""
        if WINE:
            shutil.copy(STAND_IN_GAME_BINARY, self.path / "1.exe")
        else:
            self.write("1.exe", STAND_IN_GAME_SCRIPT)
            (self.path / "1.exe").chmod(0o755)

    def file(self, relative):
        return self.path / relative

    def write(self, relative, data):
        target = self.path / relative
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_bytes(data.encode() if isinstance(data, str) else data)

    def cleared(self, relative):
        """The path of `relative`, with the file that was there removed."""
        (self.path / relative).unlink(missing_ok=True)
        return self.path / relative

    def read(self, relative):
        return (self.path / relative).read_bytes()

    def exists(self, relative):
        return (self.path / relative).exists()

    def snapshot(self, below=""):
        """{relative path: sha256 of the file, "dir", a link's target or the
        mode of another entry (never opened)} of the tree below `below`."""
        tree = {}
        for root, dirs, files in os.walk(self.path / below):
            for name in dirs + files:
                full = os.path.join(root, name)
                mode = os.lstat(full).st_mode
                tree[os.path.relpath(full, self.path)] = (
                    "dir" if stat.S_ISDIR(mode) else "-> " + os.readlink(full)
                    if stat.S_ISLNK(mode) else hashlib.sha256(Path(full).read_bytes()).hexdigest()
                    if stat.S_ISREG(mode) else oct(mode))
        return tree


class Launcher:
    """A program (the launcher unless `binary` is given) running in an
    installation on a display; its output goes to files outside it."""

    def __init__(self, display, installation, args=(), env=None, path_prefix=None, binary=None,
                 preexec_fn=None):
        self.display = display
        self._logs = Path(tempfile.mkdtemp(prefix="launcher-logs-"))
        environment = dict(display.env(), ASAN_OPTIONS="detect_leaks=0")
        environment.pop("FLTK_SCHEME", None)
        if path_prefix:
            environment["PATH"] = str(path_prefix) + os.pathsep + environment.get("PATH", "")
        environment.update(env or {})
        self._out = open(self._logs / "stdout", "wb")
        self._err = open(self._logs / "stderr", "wb")
        self.process = subprocess.Popen(
            ["wine"] * WINE + [str(binary or LAUNCHER_BINARY), *args], cwd=installation.path,
            env=environment, stdin=subprocess.DEVNULL, stdout=self._out, stderr=self._err,
            preexec_fn=preexec_fn)

    def wait_for_window(self, title=MAIN_TITLE, timeout=15):
        """The window with this exact title, once it is mapped and drawn."""
        def mapped():
            if self.process.poll() is not None:
                raise AssertionError("exited with %s before showing %r; stderr: %s"
                                     % (self.process.returncode, title, self.stderr()))
            return self.display.viewable(title)
        wid = wait_until(mapped, timeout, what="window %r" % title)
        time.sleep(0.2)
        return Window(self.display, wid)

    def wait_exit(self, timeout=15):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError("still running after %ss" % timeout)

    def stdout(self):
        return (self._logs / "stdout").read_text(errors="replace")

    def stderr(self):
        return (self._logs / "stderr").read_text(errors="replace")

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self._out.close()
        self._err.close()
        shutil.rmtree(self._logs, ignore_errors=True)


class LauncherTestCase(unittest.TestCase):
    """One Xvfb display per test class; installations and programs started
    through it are cleaned up after each test, which starts with the pointer
    in a corner."""

    @classmethod
    def setUpClass(cls):
        cls.display = Display(*SCREEN_SIZE)

    @classmethod
    def tearDownClass(cls):
        cls.display.close()

    def setUp(self):
        self.display.run("xdotool", "mousemove", "0", "0")

    def installation(self, **kwargs):
        install = Installation(**kwargs)
        self.addCleanup(shutil.rmtree, install.path, True)
        return install

    def start(self, installation, args=(), title=MAIN_TITLE, **kwargs):
        """Starts the launcher; returns it and the window titled `title`."""
        launcher = Launcher(self.display, installation, args, **kwargs)
        self.addCleanup(launcher.stop)
        return launcher, launcher.wait_for_window(title)

    def restrict_data(self, install, how):
        """Makes writes in the installation's Data fail: how="full" as on a
        full disk, "read-only" as on a read-only file system. Where a tmpfs
        can be mounted (as root), Data becomes a 64 KiB one holding what it
        held, filled or remounted read-only; otherwise a file-size limit
        (returned: the launcher's preexec_fn) or, for a user other than root,
        a directory without write permission stands in. self.write_error is
        the errno that the launcher's writes then meet."""
        data = install.file("Data")
        self.write_error = {"full": errno.ENOSPC, "read-only": errno.EROFS}[how]
        if self.mount_small_tmpfs(data):
            if how == "full":
                filler = os.open(data / "filler", os.O_WRONLY | os.O_CREAT)
                try:
                    while os.write(filler, bytes(4096)):
                        pass
                except OSError:
                    pass
                os.close(filler)
            else:
                subprocess.run(["mount", "-o", "remount,ro", str(data)], check=True)
            return None
        if how == "full":
            self.write_error = errno.EFBIG
            return lambda: (signal.signal(signal.SIGXFSZ, signal.SIG_IGN),
                            resource.setrlimit(resource.RLIMIT_FSIZE, (4096, 4096)))
        if os.geteuid() == 0:
            self.skipTest("root without mount: no way to make Data read-only")
        self.write_error = errno.EACCES
        data.chmod(0o555)
        self.addCleanup(data.chmod, 0o755)
        return None

    def mount_small_tmpfs(self, data):
        """Puts Data's contents on a 64 KiB tmpfs mounted at Data; False,
        with Data as it was, where mounting is not allowed."""
        if os.geteuid() != 0:
            return False
        saved = data.with_name("Data.saved")
        data.rename(saved)
        data.mkdir()
        mounted = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs", str(data)],
                                 stderr=subprocess.DEVNULL).returncode == 0
        if not mounted:
            data.rmdir()
            saved.rename(data)
            return False
        self.addCleanup(subprocess.run, ["umount", str(data)], check=True)
        shutil.copytree(saved, data, dirs_exist_ok=True)
        shutil.rmtree(saved)
        return True

    def assert_escape_ends_writing_nothing(self, install, launcher, window):
        before = install.snapshot()
        window.key("Escape")
        self.assertEqual(launcher.wait_exit(), 0, launcher.stderr())
        self.assertEqual(install.snapshot(), before)
        self.assertNotIn("Sanitizer", launcher.stderr())
        self.assertNotIn("runtime error", launcher.stderr())
