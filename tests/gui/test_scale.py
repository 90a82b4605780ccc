"""Desktops announcing 150 % and 200 % (Xft.dpi; LogPixels under Wine)."""

import time

import launcher_gui as gui


class ScaledDesktopTest(gui.LauncherTestCase):
    scale = 1.5

    def assert_placed(self, window, size, top=None, scale=None):
        w, h = gui.scaled((0, 0) + size, scale or self.scale)[2:]
        self.assertEqual(window.geometry(), ((1366 - w) // 2, top or (768 - h) // 2, w, h), scale)

    def assert_text_inside(self, window, rect, darker_than):  # clear of its top row and sides
        data, w = window.pixels(rect), gui.scaled(rect, self.scale)[2]
        dark = [i // 3 for i in range(0, len(data), 3) if max(data[i:i + 3]) < darker_than]
        columns = {i % w for i in dark}
        self.assertTrue(dark and dark[0] >= w and 0 < min(columns) <= max(columns) < w - 1, rect)

    def test_dialog_window_picks_and_start_game(self):  # held first: game settings too large
        install = self.installation(game_settings=bytes(2 << 20))
        launcher, dialog = self.start(install, title=gui.DIALOG_TITLE)
        self.assert_placed(dialog, (300, 123), top=384 - gui.scaled((0, 52, 0, 0), self.scale)[1])
        self.assert_text_inside(dialog, (0, 0, 300, 50), 100)  # the prompt
        dialog.type("Anna", "Return")
        window = launcher.wait_for_window()
        self.assert_placed(window, (480, 248))
        self.assertTrue(gui.WINE or window.matches("picture_%d.png" % (self.scale * 100),
                                                   (0, 0, 168, 90)))  # resampled smoothly
        window.pick("language", 1)
        self.assert_text_inside(window, (168, 118, 308, 24), 160)  # the progress line
        window.click(gui.START_BUTTON)
        gui.wait_until(lambda: "larger than" in launcher.stderr(), what="the reason")
        self.assert_text_inside(window, gui.START_BUTTON, 64)
        time.sleep(gui.READING_SECONDS)  # a press counts once the warning was read
        self.start_game(launcher, window)
        self.assertIn(b"screenx 1366\r\nscreeny 768\r\nlangage 2\r\nvolume 4",  # physical
                      install.read("Data/config_launch.ini"))


class DoubleScaleTest(ScaledDesktopTest):
    scale = 2

    def test_the_variable_overrides_the_desktop(self):  # lowered to fit; others ignored
        install = self.installation(profiles=["Bob"])
        for value, scale in (("4", 2.75), ("1.5", 1.5), ("1", 1), ("0.5", 2), ("4.5", 2),
                             ("2x", 2)):
            launcher, window = self.start(install, env={"GAMELAUNCHER_SCALE": value})
            self.assert_placed(window, (480, 248), scale=scale)
            launcher.stop()
