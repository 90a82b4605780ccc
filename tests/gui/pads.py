"""Game controllers for the GUI tests, one API on both systems: under Wine a
stand-in xinput1_4.dll whose slot 0 plays the pad scripted in a file of the
installation (StandInPad); on Linux a virtual evdev device made through
/dev/uinput (VirtualPad).

    pad.connect(); pad.tap("A"); pad.dpad("down"); pad.dpad(None)
    pad.stick(0, 1)   # x, y from -1.0 to 1.0, y positive up
    pad.unplug()
"""

import fcntl
import os
import shutil
import stat
import struct
import time
from pathlib import Path

DIRECTIONS = ("up", "down", "left", "right")


class Pad:
    """What both pads share: the state held, sent whole after each change."""

    def __init__(self):
        self.release_all()

    def release_all(self):  # as a pad plugged in again: nothing held
        self.buttons, self.direction, self.x, self.y = set(), None, 0.0, 0.0

    def press(self, button):  # "A", "B" or "Start"
        self._check_button(button)
        self.buttons.add(button)
        self._send()

    def release(self, button):
        self._check_button(button)
        self.buttons.discard(button)
        self._send()

    def tap(self, button, hold=0.15):
        """Press and release, held long enough for a launcher that polls."""
        self.press(button)
        time.sleep(hold)
        self.release(button)

    def dpad(self, direction):  # one of DIRECTIONS, or None for none
        if direction is not None and direction not in DIRECTIONS:
            raise ValueError("no D-pad direction %r" % (direction,))
        self.direction = direction
        self._send()

    def stick(self, x, y):
        if not (-1 <= x <= 1 and -1 <= y <= 1):
            raise ValueError("stick position (%r, %r) outside -1..1" % (x, y))
        self.x, self.y = x, y
        self._send()

    def _check_button(self, button):
        if button not in self.BUTTONS:
            raise ValueError("no button %r" % (button,))

    @staticmethod
    def _axis(fraction):  # -1.0..1.0 as a signed 16-bit axis
        return max(-32768, min(32767, round(fraction * 32767)))


class StandInPad(Pad):
    """Slot 0 of tests/gui/stand_in_xinput.c, which reads stand_in_pad.txt in
    the launcher's working directory (the installation) at each call: one line
    "buttons lx ly", wButtons in hex; no file is no pad."""

    BUTTONS = {"A": 0x1000, "B": 0x2000, "Start": 0x0010}
    DPAD = {"up": 0x0001, "down": 0x0002, "left": 0x0004, "right": 0x0008}

    def __init__(self, installation_path):
        super().__init__()
        self.file = Path(installation_path) / "stand_in_pad.txt"
        prefix = os.environ.get("WINEPREFIX") or os.path.expanduser("~/.wine")
        system32 = Path(prefix) / "drive_c" / "windows" / "system32"
        self.system_dll = system32 / "xinput1_4.dll"
        self.wine_dll = system32 / "xinput1_4.dll.wine"  # Wine's own, kept aside

    def install(self):
        """Puts the stand-in where the launcher loads XInput from (system32
        only); gives the environment entry that makes Wine load it there rather
        than its built-in XInput. A process started without it keeps Wine's."""
        if self.system_dll.exists() and not self.wine_dll.exists():
            os.replace(self.system_dll, self.wine_dll)
        shutil.copyfile(os.environ["STAND_IN_XINPUT_DLL"], self.system_dll)
        overrides = os.environ.get("WINEDLLOVERRIDES", "mscoree,mshtml=;winedbg.exe=d")
        return {"WINEDLLOVERRIDES": overrides + ";xinput1_4=n"}

    def remove(self):
        """Puts Wine's own file back."""
        if self.wine_dll.exists():
            os.replace(self.wine_dll, self.system_dll)

    def connect(self):
        self._send()

    def unplug(self):
        self.file.unlink(missing_ok=True)
        self.release_all()

    def _send(self):
        buttons = sum(self.BUTTONS[b] for b in self.buttons) + self.DPAD.get(self.direction, 0)
        # Whole or not at all: the launcher may read it at any moment.
        partial = self.file.with_suffix(".partial")
        partial.write_text("%04x %d %d\n" % (buttons, self._axis(self.x), self._axis(self.y)))
        os.replace(partial, self.file)


# From <linux/input-event-codes.h>.
EV_SYN, EV_KEY, EV_ABS, SYN_REPORT = 0x00, 0x01, 0x03, 0
BTN_SOUTH, BTN_EAST, BTN_START = 0x130, 0x131, 0x13B
BTN_DPAD = {"up": 0x220, "down": 0x221, "left": 0x222, "right": 0x223}
ABS_X, ABS_Y, ABS_HAT0X, ABS_HAT0Y = 0x00, 0x01, 0x10, 0x11
BUS_USB = 0x03
# struct input_event (struct timeval, then type, code, value), struct
# uinput_setup (struct input_id, char name[80], ff_effects_max) and struct
# uinput_abs_setup (code, 2 bytes of padding, struct input_absinfo), as in
# <linux/input.h> and <linux/uinput.h> on this machine's C ABI.
INPUT_EVENT = "@llHHi"
UINPUT_SETUP = "@4H80sI"
UINPUT_ABS_SETUP = "@H2x6i"


def _ioc(direction, number, size):  # the kernel's _IOC for type 'U' (uinput)
    return direction << 30 | size << 16 | ord("U") << 8 | number


UI_DEV_CREATE, UI_DEV_DESTROY = _ioc(0, 1, 0), _ioc(0, 2, 0)
UI_DEV_SETUP = _ioc(1, 3, struct.calcsize(UINPUT_SETUP))
UI_ABS_SETUP = _ioc(1, 4, struct.calcsize(UINPUT_ABS_SETUP))
INT_SIZE = struct.calcsize("i")
UI_SET_EVBIT, UI_SET_KEYBIT, UI_SET_ABSBIT = (_ioc(1, n, INT_SIZE) for n in (100, 101, 103))


class VirtualPad(Pad):
    """A pad the kernel takes for a real one (an event device under
    /dev/input): the D-pad as a hat, or as BTN_DPAD_* keys with dpad_keys."""

    DEVICE = "/dev/uinput"
    BUTTONS = {"A": BTN_SOUTH, "B": BTN_EAST, "Start": BTN_START}

    @staticmethod
    def available():
        try:
            return stat.S_ISCHR(os.stat(VirtualPad.DEVICE).st_mode) and os.access(
                VirtualPad.DEVICE, os.R_OK | os.W_OK)
        except OSError:
            return False

    def __init__(self, dpad_keys=False):
        super().__init__()
        self.dpad_keys, self.descriptor, self.sent = dpad_keys, None, {}

    def connect(self):
        descriptor = os.open(self.DEVICE, os.O_WRONLY | os.O_NONBLOCK | os.O_CLOEXEC)
        try:
            fcntl.ioctl(descriptor, UI_SET_EVBIT, EV_KEY)
            for key in list(self.BUTTONS.values()) + list(BTN_DPAD.values()):
                fcntl.ioctl(descriptor, UI_SET_KEYBIT, key)
            fcntl.ioctl(descriptor, UI_SET_EVBIT, EV_ABS)
            for axis, low, high, flat in ((ABS_X, -32768, 32767, 128), (ABS_Y, -32768, 32767, 128),
                                          (ABS_HAT0X, -1, 1, 0), (ABS_HAT0Y, -1, 1, 0)):
                fcntl.ioctl(descriptor, UI_SET_ABSBIT, axis)
                # value, minimum, maximum, fuzz, flat, resolution
                fcntl.ioctl(descriptor, UI_ABS_SETUP,
                            struct.pack(UINPUT_ABS_SETUP, axis, 0, low, high, 0, flat, 0))
            # The test vendor and product of pid.codes, which name no real pad.
            fcntl.ioctl(descriptor, UI_DEV_SETUP, struct.pack(
                UINPUT_SETUP, BUS_USB, 0x1209, 0x0001, 1, b"GameLauncher test pad", 0))
            fcntl.ioctl(descriptor, UI_DEV_CREATE)
        except OSError:
            os.close(descriptor)
            raise
        self.descriptor, self.sent = descriptor, {}

    def unplug(self):
        self.release_all()
        if self.descriptor is not None:
            try:
                fcntl.ioctl(self.descriptor, UI_DEV_DESTROY)
            finally:
                os.close(self.descriptor)
                self.descriptor = None

    close = unplug

    def _send(self):
        """The events for what changed since the last report, then the report."""
        if self.descriptor is None:
            raise RuntimeError("the virtual pad is not connected")
        hat = {"left": (-1, 0), "right": (1, 0), "up": (0, -1), "down": (0, 1)}
        hat_x, hat_y = (0, 0) if self.dpad_keys else hat.get(self.direction, (0, 0))
        values = {(EV_KEY, code): int(name in self.buttons) for name, code in self.BUTTONS.items()}
        values.update({(EV_KEY, code): int(self.dpad_keys and name == self.direction)
                       for name, code in BTN_DPAD.items()})
        # evdev's Y axes grow downwards.
        values.update({(EV_ABS, ABS_X): self._axis(self.x), (EV_ABS, ABS_Y): self._axis(-self.y),
                       (EV_ABS, ABS_HAT0X): hat_x, (EV_ABS, ABS_HAT0Y): hat_y})
        events = [(kind, code, value) for (kind, code), value in values.items()
                  if self.sent.get((kind, code), 0) != value]
        for kind, code, value in events + [(EV_SYN, SYN_REPORT, 0)]:
            os.write(self.descriptor, struct.pack(INPUT_EVENT, 0, 0, kind, code, value))
        self.sent = values
