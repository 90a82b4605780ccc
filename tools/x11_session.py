"""A private X display and windows on it, driven with xdotool and read with xwininfo and
ImageMagick: what tools/review_windows.py and the GUI tests (tests/gui) share."""

import os, re, subprocess, time
from subprocess import DEVNULL


def scaled(r, scale):  # a 96-dpi (x, y, w, h), its edges rounded as the launcher's
    x, y, right, bottom = (int(v * scale + 0.5) for v in (r[0], r[1], r[0] + r[2], r[1] + r[3]))
    return x, y, right - x, bottom - y


def wait_until(predicate, timeout=10.0, what="condition"):
    deadline = time.monotonic() + timeout
    while not (value := predicate()):
        if time.monotonic() > deadline:
            raise AssertionError("timed out after %.1fs waiting for %s" % (timeout, what))
        time.sleep(0.05)
    return value


class Display:
    """A private Xvfb server without a window manager; at `scale`, Xft.dpi set as xrdb sets it
    (`dpi` False: left to the caller, as under Wine)."""

    def __init__(self, scale=1, size="1366x768", dpi=True):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", size + "x24", "-nolisten",
             "tcp", "-noreset"], pass_fds=(write_end,), stdout=DEVNULL, stderr=DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            self.name = ":" + pipe.readline().strip()
        self.env, self.scale = dict(os.environ, DISPLAY=self.name), scale
        if scale != 1 and dpi:
            self.run("xprop", "-root", "-format", "RESOURCE_MANAGER", "8s", "-set",
                     "RESOURCE_MANAGER", "Xft.dpi:\t%g\n" % (96 * scale))

    def run(self, *args, check=True, text=True):
        return subprocess.run(args, env=self.env, stdin=DEVNULL, capture_output=True, text=text,
                              timeout=30, check=check).stdout

    def top_level_windows(self):  # {window id: (x, y, w, h)} of the root window's children
        return {int(m[1], 16): (int(m[4]), int(m[5]), int(m[2]), int(m[3])) for m in re.finditer(
            r"^\s+(0x[0-9a-f]+) .*?(\d+)x(\d+)\+(-?\d+)\+(-?\d+)",
            self.run("xwininfo", "-root", "-children"), re.M)}

    def viewable(self, title):  # the id of a mapped window with exactly this title, or None
        # xdotool matches bytes: a character beyond ASCII is one or more of them.
        pattern = "".join(re.escape(c) if c.isascii() else ".+" for c in title)
        found = self.run("xdotool", "search", "--onlyvisible", "--name", "^%s$" % pattern,
                         check=False).split()
        return int(found[0]) if found else None

    def pixels(self, rect, out="rgb:-"):  # raw RGB bytes of a screen area (x, y, w, h), or a file
        return self.run("import", "-window", "root", "-depth", "8", "-crop", "%dx%d+%d+%d"
                        % (rect[2], rect[3], rect[0], rect[1]), "+repage", out, text=False)

    def mouse_click(self, x, y, clicks=1):  # several: 120 ms apart, as a double-click
        # A synchronous move to where the pointer already is never ends.
        if self.run("xdotool", "getmouselocation").split()[:2] != ["x:%d" % x, "y:%d" % y]:
            self.run("xdotool", "mousemove", "--sync", str(x), str(y))
        self.run("xdotool", "click", "--repeat", str(clicks), "--delay", "120", "1")


class Window:
    def __init__(self, display, wid):
        self.display, self.id = display, wid

    def geometry(self):
        out = self.display.run("xwininfo", "-id", str(self.id))
        return tuple(int(re.search(label + r":\s+(-?\d+)", out)[1]) for label in (
            "Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

    def area(self, rect=None):  # on the screen: a window-relative (x, y, w, h) at 96 dpi, or all
        x, y, w, h = self.geometry()
        rect = scaled(rect, self.display.scale) if rect else (0, 0, w, h)
        return (x + rect[0], y + rect[1]) + rect[2:]

    def property(self, *name):
        return self.display.run("xprop", "-id", str(self.id), *name, check=False)

    def key(self, *keys, command="key"):  # xdotool's names: "Escape", "Return"
        self.display.run("xdotool", "windowfocus", "--sync", str(self.id), check=False)
        self.display.run("xdotool", command, "--delay", "15", "--", *keys)

    def type(self, text, *then):  # then presses the keys `then` ("Return")
        self.key(text, command="type")
        if then:
            self.key(*then)

    def click(self, rect, clicks=1):  # in its middle
        x, y, w, h = self.area(rect)
        self.display.mouse_click(x + w // 2, y + h // 2, clicks)

    def pixels(self, rect=None):  # raw RGB bytes of an area (see area)
        return self.display.pixels(self.area(rect))
