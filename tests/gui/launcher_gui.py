"""The real launcher in a temporary installation on a private Xvfb display, driven with xdotool;
with LAUNCHER_WINE set, the Windows programs run through wine in the caller's WINEPREFIX."""

import ctypes, errno, hashlib, os, re, resource, shutil, signal, stat, subprocess, sys, tempfile
import time, unittest
from pathlib import Path
from subprocess import DEVNULL

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools"))
import x11_session  # noqa: E402 (the X display and windows, shared with tools/)
from x11_session import scaled, wait_until  # noqa: E402,F401 (the tests use them as gui.*)

LAUNCHER_BINARY = os.environ.get("LAUNCHER_BINARY", "")
DEMO_GAME_BINARY = os.environ.get("DEMO_GAME_BINARY", "")
# tests/gui/stand_in_game.cpp, and what it writes into the installation.
STAND_IN_GAME_BINARY = os.environ.get("STAND_IN_GAME_BINARY", "")
STAND_IN_GAME_FILES = {"game_saw_config.ini", "game_started.txt", "game_ended.txt"}
WINE = bool(os.environ.get("LAUNCHER_WINE"))
# Names in files, records and the game's settings: the Windows code page (1252
# under Wine), or UTF-8 on Linux; Wine shows Windows file names in UTF-8.
CODE_PAGE = "cp1252" if WINE else "utf-8"
MAIN_TITLE = "Tarvelline (v1.0 Sept09)"
DIALOG_TITLE = "Enter your name (31 characters max)"
FRENCH_TITLE = "Entrez votre nom (31 caractères max.)"
# Window-relative (x, y, w, h) of the main window's widgets.
CHOICES = {"mode": (308, 8, 160, 30), "language": (308, 48, 160, 30),
           "profile": (308, 88, 160, 30), "volume": (308, 142, 160, 30)}
START_BUTTON = (220, 177, 220, 48)
LINKS = {"mail": (180, 228, 32, 10), "website": (212, 228, 54, 10),
         "us_shop": (266, 228, 150, 10), "europe_shop": (420, 228, 60, 10)}
# Two links' targets as the stand-in openers (Installation.link_openers) log them.
MAIL = "xdg-email mailto:contact@tarvelline.example?subject=TarvellinePC"
WEBSITE = "xdg-open https://www.tarvelline.example/"
# A pixel of the castle in the 16 x 16 icon, as _NET_WM_ICON holds it (ARGB).
ICON_CASTLE = (16, 7, 12, 0xFF161230)
PROFILE_FILE_SIZE = 23812
FULL_DISK_ERROR = os.strerror(errno.EFBIG)
# After a press whose settings could not be saved, how long until a further
# press starts the game anyway (the launcher waits a second).
READING_SECONDS = 1.3


def full_disk():  # as a program's preexec_fn: its writes past 4 KiB fail as on a full disk
    signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
    resource.setrlimit(resource.RLIMIT_FSIZE, (4096, 4096))


def profile_record(name, levels=0, challenges=0):
    record, stored = bytearray(PROFILE_FILE_SIZE), name.encode(CODE_PAGE)
    record[:len(stored)] = stored
    record[348:348 + 4 * levels:4] = b"\2" * levels
    record[604:604 + challenges] = b"\1" * challenges
    return bytes(record)


class Display(x11_session.Display):
    """A private 1366 x 768 display at `scale` (under Wine, Windows' DPI says it)."""

    def __init__(self, scale=1):
        super().__init__(scale, dpi=not WINE)

    def shows(self, png, rect):  # the area drawn as png? LAUNCHER_UPDATE_PICTURES=1 rewrites png
        pixels, png = self.pixels(rect), Path(__file__).parent / png  # a name here, or any path
        drawn = png.exists() and self.run("convert", str(png), "-depth", "8", "rgb:-", text=False)
        if pixels != drawn and os.environ.get("LAUNCHER_UPDATE_PICTURES"):
            drawn = subprocess.run(["convert", "-size", "%dx%d" % tuple(rect[2:]), "-depth", "8",
                                    "rgb:-", str(png)], input=pixels, check=True) and pixels
        return pixels == drawn


class Window(x11_session.Window):
    def icon_pixel(self, size, x, y):  # pixel (x, y) of its size x size _NET_WM_ICON, or None
        values = [int(v) for v in re.findall(r"\d+", self.property("-notype", "-f", "_NET_WM_ICON",
                                                                 "32c", " $0+", "_NET_WM_ICON"))]
        while len(values) > 2 and values[:2] != [size, size]:
            values = values[2 + values[0] * values[1]:]
        return values[2 + y * size + x] if len(values) > 2 else None

    def matches(self, png, rect=None):  # whether the area is drawn as the picture `png`
        return self.display.shows(png, self.area(rect))

    def menu_matches(self, choice, png):  # whether the choice's menu, opened, is drawn as `png`
        return self._menu(choice, lambda menu, item_height: self.display.shows(png, menu))

    def _menu(self, choice, action, escape=True):  # opens it; action(its geometry, item height)
        before = set(self.display.top_level_windows())
        self.click(CHOICES[choice])
        menus = wait_until(lambda: {w: g for w, g in self.display.top_level_windows().items()
                                    if w not in before}, what="the %s menu" % choice)
        menu_id, menu = max(menus.items(), key=lambda item: item[1][3])
        # A menu is items x 21 + 2 x 4 - 1 pixels high with the default font.
        item = 4 + 17 * self.display.scale  # the text's height scales, the rest does not
        result = action(menu, (menu[3] - 7) / max(1, round((menu[3] - 7) / item)))
        if escape:  # closes it unchanged
            self.key("Escape")
        wait_until(lambda: menu_id not in self.display.top_level_windows(), what="no menu")
        return result

    def pick(self, choice, index):  # as a player does: click, then click the item
        self._menu(choice, lambda menu, item_height: self.display.mouse_click(
            menu[0] + menu[2] // 2, int(menu[1] + 4 + item_height * (index + 0.5))), escape=False)

    def selected(self, choice):
        """The selected item of a choice, or -1: the toolkit opens the menu with the selected item
        over the choice, and below it when none is."""
        menu_y, item_height = self._menu(choice, lambda menu, item_height: (menu[1], item_height))
        _, top, _, height = self.area(CHOICES[choice])
        return -1 if menu_y >= top + height else round((top - menu_y) / item_height)

    def close_box(self):  # the WM_DELETE_WINDOW message a window manager's close box sends
        x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        dpy = ctypes.c_void_p(x11.XOpenDisplay(self.display.name.encode()))
        atom = lambda name: x11.XInternAtom(dpy, name, 0)
        # An XClientMessageEvent in the 24 longs of an XEvent: type (33),
        # serial, send_event, display, window, message_type, format, data.
        event = (ctypes.c_long * 24)(33, 0, 0, 0, self.id, atom(b"WM_PROTOCOLS"), 32,
                                     atom(b"WM_DELETE_WINDOW"))
        x11.XSendEvent(dpy, ctypes.c_ulong(self.id), 0, ctypes.c_long(0), event)
        x11.XCloseDisplay(dpy)


class Installation:
    """A temporary installation: the settings files given, `profiles`, the stand-in game (1.exe)."""

    def __init__(self, config=None, game_settings=None, profiles=()):
        self.path = Path(tempfile.mkdtemp(prefix="launcher-install-"))
        self.file("Data/Profils").mkdir(parents=True)
        shutil.copy(STAND_IN_GAME_BINARY, self.file("1.exe"))
        for relative, data in [("Data/config.ini", config), ("Data/config_game.ini", game_settings)
                               ] + [("Data/Profils/%s.bin" % name, profile_record(name))
                                    for name in profiles]:
            if data is not None:
                self.write(relative, data)

    def file(self, relative):
        return self.path / relative

    def write(self, relative, data):
        self.file(relative).parent.mkdir(parents=True, exist_ok=True)
        self.file(relative).write_bytes(data.encode() if isinstance(data, str) else data)

    def cleared(self, relative):  # the path of `relative`, with the file that was there removed
        self.file(relative).unlink(missing_ok=True)
        return self.file(relative)

    def read(self, relative):
        return self.file(relative).read_bytes()

    def link_openers(self):
        """Stand-ins for the desktop's openers that log what links hand them and stay alive (as
        a browser would) while a file "gate" exists; gives the PATH that finds them."""
        for name in ("xdg-open", "xdg-email"):
            self.write("bin/" + name, '#!/bin/sh\necho "$(basename "$0") $*" >> "%s/opened.log"'
                       '\nwhile [ -e "%s/gate" ]; do sleep 0.1; done\n' % ((self.path,) * 2))
            self.file("bin/" + name).chmod(0o755)
        return {"PATH": "%s:%s" % (self.file("bin"), os.environ["PATH"])}

    def opened(self, count):  # the openers' log, once it has `count` lines
        log = self.file("opened.log")
        return wait_until(lambda: log.exists() and len(log.read_text().splitlines()) >= count
                          and log.read_text().splitlines(), what="hand-off %d" % count)

    def launch_settings(self, *keys):  # their values in Data/config_launch.ini
        lines = dict(line.split(" ", 1) for line in
                     self.read("Data/config_launch.ini").decode(CODE_PAGE).split("\r\n") if line)
        return tuple(lines[key] for key in keys)

    def snapshot(self):  # {path: a file's sha256, "dir", a link's target or another's mode}
        def state(path):
            mode = os.lstat(path).st_mode
            return ("dir" if stat.S_ISDIR(mode) else "-> " + os.readlink(path)
                    if stat.S_ISLNK(mode) else hashlib.sha256(Path(path).read_bytes()).hexdigest()
                    if stat.S_ISREG(mode) else oct(mode))
        return {os.path.relpath(path, self.path): state(path) for root, dirs, files in
                os.walk(self.path) for path in (os.path.join(root, n) for n in dirs + files)}


class Launcher:
    """The launcher running in an installation, output kept outside it."""

    def __init__(self, display, installation, args=(), env=None, preexec_fn=None):
        self.display = display
        self.logs = Path(tempfile.mkdtemp(prefix="launcher-logs-"))
        # The C locale (English; code page 1252 under Wine) unless `env` overrides it; None unsets.
        unset = dict.fromkeys(("FLTK_SCHEME", "LANGUAGE", "LC_MESSAGES", "LANG"))
        environment = dict(display.env, **unset, ASAN_OPTIONS="detect_leaks=0", LC_ALL="C.UTF-8")
        environment = {n: v for n, v in {**environment, **(env or {})}.items() if v is not None}
        with open(self.logs / "stdout", "wb") as out, open(self.logs / "stderr", "wb") as err:
            self.process = subprocess.Popen(
                ["wine"] * WINE + [LAUNCHER_BINARY, *args], cwd=installation.path,
                env=environment, stdin=DEVNULL, stdout=out, stderr=err, preexec_fn=preexec_fn)

    def wait_for_window(self, title=MAIN_TITLE, timeout=15):  # once mapped and drawn
        def mapped():
            if self.process.poll() is not None:
                raise AssertionError("exited with %s before showing %r; stderr: %s"
                                     % (self.process.returncode, title, self.stderr()))
            return self.display.viewable(title)
        window = Window(self.display, wait_until(mapped, timeout, what="window %r" % title))
        time.sleep(0.2)
        return window

    def wait_exit(self, timeout=15):
        return self.process.wait(timeout=timeout)

    def stdout(self):
        return (self.logs / "stdout").read_text(errors="replace")

    def stderr(self):
        return (self.logs / "stderr").read_text(errors="replace")

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        shutil.rmtree(self.logs, ignore_errors=True)


class LauncherTestCase(unittest.TestCase):
    """One display per test class at its scale; what a test starts is cleaned up after it."""
    scale = 1

    @classmethod
    def setUpClass(cls):
        cls.display = Display(cls.scale)
        cls.addClassCleanup(cls.display.process.terminate)
        if WINE and cls.scale != 1:  # Windows' system DPI, read as a program starts
            reg = ["wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t",
                   "REG_DWORD", "/f", "/d"]
            cls.display.run(*reg, str(round(96 * cls.scale)))
            cls.addClassCleanup(cls.display.run, *reg, "96")

    def setUp(self):
        self.display.run("xdotool", "mousemove", "0", "0")

    def installation(self, **kwargs):
        install = Installation(**kwargs)
        self.addCleanup(shutil.rmtree, install.path, True)
        return install

    def start(self, installation, args=(), title=MAIN_TITLE, **kwargs):
        """Starts the launcher; it and its window titled `title` (None: waits for none)."""
        launcher = Launcher(self.display, installation, args, **kwargs)
        self.addCleanup(launcher.stop)
        return launcher, title and launcher.wait_for_window(title)

    def start_game(self, launcher, window, key=None):  # a click on Start Game or `key`; status 0
        window.key(key) if key else window.click(START_BUTTON)
        self.assertEqual(launcher.wait_exit(), 0, launcher.stderr())

    def locale_path(self, language):  # a temporary LOCPATH with `language` ("tr_TR") in UTF-8
        path = tempfile.mkdtemp(prefix="launcher-locales-")
        self.addCleanup(shutil.rmtree, path, True)
        subprocess.run(["localedef", "-i", language, "-f", "UTF-8",
                        "%s/%s.UTF-8" % (path, language)], check=True)
        return path

    def assert_ends_writing_nothing(self, install, launcher, window, close_box=False):  # or Escape
        before = install.snapshot()
        window.close_box() if close_box else window.key("Escape")
        self.assertEqual(launcher.wait_exit(), 0, launcher.stderr())
        self.assertEqual(install.snapshot(), before)
        self.assertNotIn("runtime error", launcher.stderr())
