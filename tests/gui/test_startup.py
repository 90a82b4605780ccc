"""Start-up and the end of the real launcher: first output, the window's
title, size, place and frame, the command line, closing, and the picture."""

import os
import re
import unittest
from pathlib import Path

import launcher_gui as gui

PICTURE = Path(os.environ.get("PROJECT_SOURCE_DIR", Path(__file__).resolve().parents[2])) \
    / "GameLauncher" / "assets" / "launcher_picture.xpm"
WINDOW_SIZE = (480, 248)


def picture_pixels():
    """The picture's rows as lists of (r, g, b), decoded from the XPM file."""
    strings = re.findall(r'"((?:[^"\\]|\\.)*)"', PICTURE.read_text())
    width, height, colours, _ = (int(v) for v in strings[0].split())
    palette = {}
    for line in strings[1:1 + colours]:
        value = line.split(" c #")[1]
        palette[line[:2]] = tuple(int(value[i:i + 2], 16) for i in (0, 2, 4))
    rows = strings[1 + colours:1 + colours + height]
    return [[palette[row[2 * x:2 * x + 2]] for x in range(width)] for row in rows]


def screen_pixels(display, x, y, w, h):
    """{(x, y): (r, g, b)} of a screen area, relative to its corner."""
    out = display.run("import", "-window", "root", "-depth", "8", "-crop",
                      "%dx%d+%d+%d" % (w, h, x, y), "+repage", "txt:-")
    pixels = {}
    for match in re.finditer(r"^(\d+),(\d+): \((\d+),(\d+),(\d+)", out, re.M):
        px, py, r, g, b = (int(v) for v in match.groups())
        pixels[(px, py)] = (r, g, b)
    return pixels


class StartupTest(gui.LauncherTestCase):

    def start_with_profile(self, args=(), **install):
        install = self.installation(profiles=["Anna"], **install)
        launcher = self.start(install, args)
        return install, launcher, launcher.wait_for_window()

    def assert_ends_with_status_0(self, launcher):
        self.assertEqual(launcher.wait_exit(), 0, launcher.stderr())
        self.assertNotIn("Sanitizer", launcher.stderr())
        self.assertNotIn("runtime error", launcher.stderr())

    def test_first_output_line_is_program_start(self):
        _, launcher, window = self.start_with_profile()
        self.assertEqual(launcher.stdout_lines()[0], "Program start")
        window.key("Escape")
        self.assert_ends_with_status_0(launcher)
        self.assertEqual(launcher.stdout_lines()[0], "Program start")

    def test_window_has_the_title(self):
        _, _, window = self.start_with_profile()
        self.assertIn('"Tarvelline (v1.0 Sept09)"', window.property("WM_NAME"))

    def test_window_is_480_by_248_centred_on_the_screen(self):
        _, _, window = self.start_with_profile()
        screen_w, screen_h = self.display.size
        width, height = WINDOW_SIZE
        self.assertEqual(window.geometry(),
                         ((screen_w - width) // 2, (screen_h - height) // 2, width, height))

    def test_window_cannot_be_resized(self):
        _, _, window = self.start_with_profile()
        hints = window.property("WM_NORMAL_HINTS")
        self.assertIn("minimum size: 480 by 248", hints)
        self.assertIn("maximum size: 480 by 248", hints)

    def test_window_asks_for_a_normal_frame_with_a_close_box(self):
        _, _, window = self.start_with_profile()
        self.assertIn("Override Redirect State: no",
                      self.display.run("xwininfo", "-id", str(window.id)))
        self.assertIn("WM_DELETE_WINDOW", window.property("WM_PROTOCOLS"))
        # Motif hints: flags, functions, decorations. A borderless window
        # sets the decorations flag (2) with no decorations.
        motif = re.findall(r"0x[0-9a-f]+", window.property("_MOTIF_WM_HINTS"))
        if motif:
            flags, decorations = int(motif[0], 16), int(motif[2], 16)
            self.assertFalse(flags & 2 and decorations == 0, motif)

    def test_escape_ends_with_status_0_and_changes_no_byte(self):
        install, launcher, window = self.start_with_profile(
            config="name Anna\r\nresolution 3\r\nlangage 1\r\nvolume 2\r\n",
            game_settings="gamma 100\r\n")
        before = install.snapshot()
        window.key("Escape")
        self.assert_ends_with_status_0(launcher)
        self.assertEqual(install.snapshot(), before)

    def test_close_box_ends_with_status_0_and_changes_no_byte(self):
        install, launcher, window = self.start_with_profile(game_settings="gamma 100\r\n")
        before = install.snapshot()
        window.close_box()
        self.assert_ends_with_status_0(launcher)
        self.assertEqual(install.snapshot(), before)

    def test_clicking_the_picture_and_the_progress_line_changes_nothing(self):
        install, launcher, window = self.start_with_profile()
        before = install.snapshot()
        window.click(84, 120)
        window.click(330, 128)
        self.assertTrue(launcher.running())
        self.assertTrue(window.exists())
        window.key("Escape")
        self.assert_ends_with_status_0(launcher)
        self.assertEqual(install.snapshot(), before)

    def test_scheme_switch_is_taken_and_acts_on_the_main_window(self):
        _, plain_launcher, plain_window = self.start_with_profile()
        plain = screen_pixels(self.display, *plain_window.geometry())
        plain_window.key("Escape")
        self.assert_ends_with_status_0(plain_launcher)

        _, launcher, window = self.start_with_profile(args=["-scheme", "plastic"])
        self.assertEqual(window.geometry()[2:], WINDOW_SIZE)
        # The plastic scheme draws the raised background differently.
        self.assertNotEqual(screen_pixels(self.display, *window.geometry()), plain)
        window.key("Escape")
        self.assert_ends_with_status_0(launcher)

    # The screen is measured, and with it the X display opened, before
    # fl_initialize takes the switches: -display must count all the same.
    def test_display_switch_picks_the_display(self):
        install = self.installation(profiles=["Anna"])
        launcher = self.start(install, ["-display", self.display.name], env={"DISPLAY": ""})
        window = launcher.wait_for_window()
        window.key("Escape")
        self.assert_ends_with_status_0(launcher)

    def test_unknown_arguments_are_ignored(self):
        install, launcher, window = self.start_with_profile(
            args=["--no-such-option", "Data/config.ini", "-x"])
        before = install.snapshot()
        self.assertEqual(launcher.stdout_lines()[0], "Program start")
        self.assertEqual(window.geometry()[2:], WINDOW_SIZE)
        window.key("Escape")
        self.assert_ends_with_status_0(launcher)
        self.assertEqual(install.snapshot(), before)

    def picture_offset(self):
        """The picture row shown in the window's top row, when the window's
        left 168 x 248 pixels are exactly the picture from that row on."""
        _, _, window = self.start_with_profile()
        x, y, _, height = window.geometry()
        expected = picture_pixels()
        width = len(expected[0])
        self.assertEqual(height, len(expected) - 8)
        shown = screen_pixels(self.display, x, y, width, height)
        for offset in range(len(expected) - height + 1):
            if all(shown.get((px, py)) == expected[py + offset][px]
                   for py in range(height) for px in range(width)):
                return offset
        return None

    def test_picture_is_drawn_pixel_for_pixel_at_the_left(self):
        self.assertIsNotNone(self.picture_offset(), "the picture is not drawn as it is")

    # The picture is 8 rows taller than the window: the bottom rows are the
    # hidden ones, not the top ones.
    def test_picture_bottom_rows_are_the_hidden_ones(self):
        self.assertEqual(self.picture_offset(), 0)

if __name__ == "__main__":
    unittest.main()
