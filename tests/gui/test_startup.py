"""Start-up and closing of the real launcher: first line, the window's
title, size, place and frame, the toolkit's switches (the demo test compares
the whole window with the README's screenshot)."""

import re

import launcher_gui as gui


class StartupTest(gui.LauncherTestCase):

    def test_window_as_shown_and_escape_writes_nothing(self):
        install = self.installation(profiles=["Anna"], game_settings="gamma 100\r\n",
                                    config="name Anna\r\nresolution 3\r\nlangage 1\r\nvolume 2\r\n")
        # Arguments that are no toolkit switches are ignored.
        launcher, window = self.start(install, ["--no-such-option", "Data/config.ini", "-x"])
        self.assertEqual(launcher.stdout().splitlines()[0], "Program start")
        self.assertIn('"%s"' % gui.MAIN_TITLE, window.property("WM_NAME"))
        self.assertEqual(window.geometry(), ((1366 - 480) // 2, (768 - 248) // 2, 480, 248))
        hints = window.property("WM_NORMAL_HINTS")
        self.assertIn("minimum size: 480 by 248", hints)
        self.assertIn("maximum size: 480 by 248", hints)
        # A normal frame with a close box: no override-redirect, no Motif
        # hints asking for no decorations.
        self.assertIn("Override Redirect State: no",
                      self.display.run("xwininfo", "-id", str(window.id)))
        self.assertIn("WM_DELETE_WINDOW", window.property("WM_PROTOCOLS"))
        motif = [int(v, 16) for v in re.findall(r"0x[0-9a-f]+", window.property("_MOTIF_WM_HINTS"))]
        self.assertFalse(motif and motif[0] & 2 and motif[2] == 0, motif)
        window.click((0, 0, 168, 248))  # the picture and the progress line do nothing
        window.click((330, 120, 1, 16))
        self.assert_escape_ends_writing_nothing(install, launcher, window)

    def test_toolkit_switches_are_taken_and_the_close_box_ends_writing_nothing(self):
        install = self.installation(profiles=["Anna"], game_settings="gamma 100\r\n")
        launcher, window = self.start(install)
        plain = window.pixels((0, 0, 480, 248))
        self.assert_escape_ends_writing_nothing(install, launcher, window)
        # The screen is measured before the toolkit opens the display: -display
        # must count all the same. Windows has no displays to name.
        display = [] if gui.WINE else ["-display", self.display.name]
        launcher, window = self.start(install, display + ["-scheme", "plastic"],
                                      env=None if gui.WINE else {"DISPLAY": ""})
        self.assertEqual(window.geometry()[2:], (480, 248))
        self.assertNotEqual(window.pixels((0, 0, 480, 248)), plain)
        before = install.snapshot()
        window.close_box()
        self.assertEqual(launcher.wait_exit(), 0, launcher.stderr())
        self.assertEqual(install.snapshot(), before)
