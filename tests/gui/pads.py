"""Game controllers for the GUI tests, one API: under Wine the stand-in xinput1_4.dll scripted
through a file of the installation (StandInPad), on Linux a uinput device (VirtualPad)."""

import fcntl, os, shutil, stat, struct, time
from pathlib import Path


class Pad:
    """What both pads share: the state held, sent whole after each change."""

    def __init__(self):
        self.release_all()

    def release_all(self):  # as a pad plugged in again: nothing held
        self.buttons, self.direction, self.x, self.y = frozenset(), None, 0.0, 0.0

    def connect(self):
        self._send()

    def tap(self, button, hold=0.15):  # "A", "B" or "Start"; held for a launcher that polls
        self._change(button in self.BUTTONS, button, buttons=self.buttons | {button})
        time.sleep(hold)
        self._change(True, button, buttons=self.buttons - {button})

    def dpad(self, direction):  # "up", "down", "left", "right" or None
        self._change(direction in ("up", "down", "left", "right", None), direction,
                     direction=direction)

    def stick(self, x, y):  # each from -1.0 to 1.0, y positive up
        self._change(-1 <= x <= 1 and -1 <= y <= 1, (x, y), x=x, y=y)

    def _change(self, valid, value, **state):
        if not valid:
            raise ValueError("no such button, direction or stick position: %r" % (value,))
        vars(self).update(state)
        self._send()


def _axis(fraction):  # -1.0..1.0 as a signed 16-bit axis
    return max(-32768, min(32767, round(fraction * 32767)))


class StandInPad(Pad):
    """Slot 0 of stand_in_xinput.c: "buttons lx ly" (wButtons in hex) in stand_in_pad.txt in
    the launcher's working directory, the installation; no file is no pad."""

    BUTTONS = {"A": 0x1000, "B": 0x2000, "Start": 0x0010}
    DPAD = {"up": 0x0001, "down": 0x0002, "left": 0x0004, "right": 0x0008}

    def __init__(self, installation_path):
        super().__init__()
        self.file = Path(installation_path) / "stand_in_pad.txt"
        prefix = os.environ.get("WINEPREFIX") or Path.home() / ".wine"
        self.system_dll = Path(prefix, "drive_c", "windows", "system32", "xinput1_4.dll")
        self.wine_dll = self.system_dll.with_name("xinput1_4.dll.wine")  # Wine's own, kept aside

    def install(self):
        """Puts the stand-in where the launcher loads XInput from (system32 only); gives the
        environment entry that makes Wine load it rather than its own."""
        if self.system_dll.exists() and not self.wine_dll.exists():
            os.replace(self.system_dll, self.wine_dll)
        shutil.copyfile(os.environ["STAND_IN_XINPUT_DLL"], self.system_dll)
        overrides = os.environ.get("WINEDLLOVERRIDES", "mscoree,mshtml=;winedbg.exe=d")
        return {"WINEDLLOVERRIDES": overrides + ";xinput1_4=n"}

    def remove(self):  # Wine's own file back
        if self.wine_dll.exists():
            os.replace(self.wine_dll, self.system_dll)

    def unplug(self):
        self.file.unlink(missing_ok=True)
        self.release_all()

    def _send(self):  # whole or not at all: the launcher may read it at any moment
        buttons = sum(self.BUTTONS[b] for b in self.buttons) + self.DPAD.get(self.direction, 0)
        partial = self.file.with_suffix(".partial")
        partial.write_text("%04x %d %d\n" % (buttons, _axis(self.x), _axis(self.y)))
        os.replace(partial, self.file)


# From <linux/input-event-codes.h> and <linux/uinput.h>: struct input_event (struct timeval,
# type, code, value), struct uinput_setup (struct input_id, char name[80], ff_effects_max) and
# struct uinput_abs_setup (code, 2 bytes of padding, struct input_absinfo) in this C ABI.
EV_SYN, EV_KEY, EV_ABS, SYN_REPORT = 0x00, 0x01, 0x03, 0
AXES = ABS_X, ABS_Y, ABS_HAT0X, ABS_HAT0Y = 0x00, 0x01, 0x10, 0x11
INPUT_EVENT, UINPUT_SETUP, UINPUT_ABS_SETUP = "@llHHi", "@4H80sI", "@H2x6i"


def _io(number, argument=None):  # the kernel's _IO, or _IOW of that struct, for uinput ('U')
    size = struct.calcsize(argument) if argument else 0
    return (1 << 30 if argument else 0) | size << 16 | ord("U") << 8 | number


UI_DEV_CREATE, UI_DEV_SETUP, UI_ABS_SETUP = _io(1), _io(3, UINPUT_SETUP), _io(4, UINPUT_ABS_SETUP)
UI_SET_EVBIT, UI_SET_KEYBIT, UI_SET_ABSBIT = (_io(n, "i") for n in (100, 101, 103))
UINPUT = "/dev/uinput"


class VirtualPad(Pad):
    """A pad the kernel takes for a real one, an event device under /dev/input."""

    BUTTONS = {"A": 0x130, "B": 0x131, "Start": 0x13B}  # BTN_SOUTH, BTN_EAST, BTN_START
    HAT = {"left": (-1, 0), "right": (1, 0), "up": (0, -1), "down": (0, 1), None: (0, 0)}
    # Each axis's absinfo after the value: minimum, maximum, fuzz, flat, resolution.
    LIMITS = 2 * ((-32768, 32767, 0, 128, 0),) + 2 * ((-1, 1, 0, 0, 0),)
    descriptor = None

    @staticmethod
    def available():
        return os.access(UINPUT, os.R_OK | os.W_OK) and stat.S_ISCHR(os.stat(UINPUT).st_mode)

    def connect(self):
        device = os.open(UINPUT, os.O_WRONLY | os.O_NONBLOCK | os.O_CLOEXEC)
        try:
            fcntl.ioctl(device, UI_SET_EVBIT, EV_KEY)
            for key in self.BUTTONS.values():
                fcntl.ioctl(device, UI_SET_KEYBIT, key)
            fcntl.ioctl(device, UI_SET_EVBIT, EV_ABS)
            for axis, limits in zip(AXES, self.LIMITS):
                fcntl.ioctl(device, UI_SET_ABSBIT, axis)
                fcntl.ioctl(device, UI_ABS_SETUP, struct.pack(UINPUT_ABS_SETUP, axis, 0, *limits))
            # USB, and the test vendor and product of pid.codes, which name no real pad.
            fcntl.ioctl(device, UI_DEV_SETUP, struct.pack(
                UINPUT_SETUP, 0x03, 0x1209, 0x0001, 1, b"GameLauncher test pad", 0))
            fcntl.ioctl(device, UI_DEV_CREATE)
        except OSError:
            os.close(device)
            raise
        self.descriptor = device

    def unplug(self):  # closing the descriptor removes the device
        self.release_all()
        if self.descriptor is not None:
            os.close(self.descriptor)
            self.descriptor = None

    def _send(self):  # every value, then the report: the kernel passes on only what changed
        if self.descriptor is None:
            raise RuntimeError("the virtual pad is not connected")
        # evdev's Y axes grow downwards.
        axes = zip(AXES, (_axis(self.x), _axis(-self.y), *self.HAT[self.direction]))
        events = [(EV_KEY, code, int(name in self.buttons)) for name, code in self.BUTTONS.items()]
        events += [(EV_ABS, axis, value) for axis, value in axes] + [(EV_SYN, SYN_REPORT, 0)]
        os.write(self.descriptor, b"".join(struct.pack(INPUT_EVENT, 0, 0, *e) for e in events))
