"""Saved settings in the real launcher: the choices they preselect, the picks
(a language included) that Start Game saves, and damaged settings files."""

import random
import unittest

import launcher_gui as gui

PROFILES = ["Al", "Anna Maria", "Carla"]
DEFAULTS = {"mode": 0, "language": 0, "profile": 0, "volume": 4}


class SettingsTest(gui.LauncherTestCase):

    def selections(self, window, names=DEFAULTS):
        return {name: window.selected(name) for name in names}

    # Lone line feeds and a name of two words are read whole.
    def test_saved_settings_preselect_the_four_choices(self):
        install = self.installation(
            profiles=PROFILES, config="name Anna Maria\nresolution 3\nlangage 2\nvolume 0\n")
        launcher, window = self.start(install)
        self.assertEqual(self.selections(window),
                         {"mode": 2, "language": 1, "profile": 1, "volume": 0})
        self.assert_escape_ends_writing_nothing(install, launcher, window)

    def test_picks_and_language_saved_by_start_game_are_restored_at_the_next_start(self):
        install = self.installation(profiles=PROFILES, game_settings="shadows 2\r\n")
        install.install_stand_in_game()
        launcher, window = self.start(install)
        english = window.pixels(gui.START_BUTTON)
        window.pick("mode", 2)
        window.pick("profile", 2)
        window.pick("volume", 5)
        window.pick("language", 1)
        gui.wait_until(lambda: window.pixels(gui.START_BUTTON) != english,
                       what="the Start button in French")
        self.display.run("xdotool", "mousemove", "0", "0")
        window.click(gui.START_BUTTON)
        self.assertEqual(launcher.wait_exit(), 0, launcher.stderr())
        self.assertIn(b"name Carla\r\nresolution 3\r\n", install.read("Data/config_launch.ini"))
        self.assertIn(b"\r\nlangage 2\r\nvolume 5\r\n", install.read("Data/config_launch.ini"))

        launcher, window = self.start(install)
        self.assertEqual(self.selections(window),
                         {"mode": 2, "language": 1, "profile": 2, "volume": 5})
        self.assert_escape_ends_writing_nothing(install, launcher, window)

    def test_damaged_settings_files_leave_the_launcher_working(self):
        noise = random.Random(5)
        cases = [
            (noise.randbytes(1), {}),
            (noise.randbytes(4096), {}),
            (noise.randbytes(1 << 20), {}),
            ("name Al\r\nvolume 2\r\n" + "key value\r\n" * 100000, {"volume": 2}),
            ("name " + "x" * (1 << 20) + "\r\nvolume 1\r\n", {"profile": 0, "volume": 1}),
            ("name Carla\r\nvolume 3", {"profile": 2, "volume": 3}),
            ("name Al\r\nresolution 0\r\nlangage 9\r\nvolume -7\r\n",
             {"mode": -1, "language": 0, "volume": 4}),
            ("name Al\r\nresolution -2147483648\r\nlangage 2147483647\r\n"
             "volume 99999999999999999999\r\n", {}),
            (None, DEFAULTS),  # a directory in place of the file
        ]
        for config, expected in cases:
            with self.subTest(config=repr(config)[:40]):
                install = self.installation(profiles=PROFILES, config=config)
                if config is None:
                    install.file("Data/config.ini").mkdir()
                launcher, window = self.start(install)
                try:
                    self.assertEqual(self.selections(window, expected), expected)
                    window.pick("mode", 3)
                    self.assertEqual(window.selected("mode"), 3)
                    self.assert_escape_ends_writing_nothing(install, launcher, window)
                finally:
                    launcher.stop()


if __name__ == "__main__":
    unittest.main()
