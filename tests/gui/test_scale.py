"""The launcher on a desktop announcing 150 % and 200 % (Xft.dpi; LogPixels
under Wine), and GAMELAUNCHER_SCALE."""

import launcher_gui as gui


class ScaledDesktopTest(gui.LauncherTestCase):
    scale = 1.5

    def assert_centred(self, window, size, scale=None, raise_by=None):
        w, h = gui.scaled((0, 0) + size, scale or self.scale)[2:]
        top = 384 - gui.scaled((0, raise_by, 0, 0), self.scale)[1] if raise_by else (768 - h) // 2
        self.assertEqual(window.geometry(), ((1366 - w) // 2, top, w, h), scale)

    def assert_text_inside(self, window, rect, darker_than):
        """No text pixel on the top row or at the sides of `rect`."""
        data, w = window.pixels(rect), gui.scaled(rect, self.scale)[2]
        dark = [i // 3 for i in range(0, len(data), 3) if max(data[i:i + 3]) < darker_than]
        columns = [p % w for p in dark]
        self.assertTrue(dark and dark[0] >= w and 0 < min(columns) <= max(columns) < w - 1, rect)

    # Held by game settings that cannot be joined, the first press says so on
    # the button, wrapped and made smaller; the second starts the game.
    def test_dialog_window_picks_and_start_game(self):
        install = self.installation()
        install.file("Data/config_game.ini").mkdir()
        launcher, dialog = self.start(install, title=gui.DIALOG_TITLE)
        self.assert_centred(dialog, (300, 123), raise_by=52)
        self.assert_text_inside(dialog, (0, 0, 300, 50), 100)  # the prompt's three lines
        dialog.type("Anna")
        dialog.key("Return")
        window = launcher.wait_for_window()
        self.assert_centred(window, (480, 248))
        for choice, item in (("language", 1), ("volume", 0), ("mode", 0)):
            window.pick(choice, item)
            self.assertEqual(window.selected(choice), item)
        self.assert_text_inside(window, (168, 118, 308, 24), 160)  # the progress line
        window.click(gui.START_BUTTON)
        gui.wait_until(lambda: "Is a directory" in launcher.stderr(), what="the reason")
        self.assert_text_inside(window, gui.START_BUTTON, 64)
        window.click(gui.START_BUTTON)
        self.assertEqual(launcher.wait_exit(), 0, launcher.stderr())
        # The game's resolution is the screen's, in its pixels.
        self.assertEqual(install.read("Data/config_launch.ini"), b"name Anna\r\nresolution 1\r\n"
                         b"fullscreen 1\r\nscreenx 1366\r\nscreeny 768\r\nlangage 2\r\nvolume 0"
                         b"\r\n\r\n")


class DoubleScaleTest(ScaledDesktopTest):
    scale = 2

    # Lowered until the window fits the screen; a value out of range or no
    # plain number leaves the desktop's factor.
    def test_the_variable_overrides_the_desktop(self):
        install = self.installation(profiles=["Bob"])
        for value, scale in (("4", 2.75), ("1.5", 1.5), ("1", 1), ("4.5", 2), ("2x", 2)):
            launcher, window = self.start(install, env={"GAMELAUNCHER_SCALE": value})
            self.assert_centred(window, (480, 248), scale)
            launcher.stop()
