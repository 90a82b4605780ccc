"""Start Game in the real launcher: the settings the game finds, where it
runs, the console lines, and how the launcher ends."""

import os
import time
import unittest

import launcher_gui as gui

# Notes where it runs and the settings it finds, then waits while the test
# holds the gate, and ends with status 3.
RECORDING_GAME = """\
pwd -P > game_directory.txt
cp Data/config.ini game_saw_config.ini
echo "game running"
touch game_started
while [ -e game_gate ]; do sleep 0.05; done
exit 3
"""


class HandOffTest(gui.LauncherTestCase):

    def test_round_trip_with_a_stand_in_game(self):
        install = self.installation(profiles=["Bob"], game_settings="shadows 2\r\n")
        install.install_script_game(RECORDING_GAME)
        install.write("game_gate", "")
        launcher, window = self.start(install)
        idle_button = window.pixels(gui.START_BUTTON)
        window.click(gui.START_BUTTON)
        gui.wait_until(lambda: install.exists("game_started"), what="the game to start")
        time.sleep(0.5)
        self.assertIsNone(launcher.process.poll(), "the launcher ended while the game ran")
        self.assertNotIn("Closing...", launcher.stdout())
        self.assertNotEqual(window.pixels(gui.START_BUTTON), idle_button,
                            "the loading text is not drawn")
        # While the game runs the window is repainted where it was covered,
        # and answers no click and no close request.
        loading = window.pixels((0, 0, 480, 248))
        left, top, _, _ = window.geometry()
        self.display.cover(left + 100, top + 100, 250, 120)
        gui.wait_until(lambda: window.pixels((0, 0, 480, 248)) == loading, what="the repaint")
        menus_before = set(self.display.top_level_windows())
        for rect in (gui.CHOICES["profile"], gui.START_BUTTON):
            window.click(rect)
        window.close_box()
        time.sleep(0.5)
        self.assertEqual(set(self.display.top_level_windows()), menus_before, "a window opened or closed")
        self.assertTrue(launcher.process.poll() is None and self.display.viewable(gui.MAIN_TITLE),
                        "closed before the game ended")
        os.remove(install.file("game_gate"))
        self.assertEqual(launcher.wait_exit(), 0, "the game's own status must not count")

        lines = launcher.stdout().splitlines()
        self.assertEqual(lines[0], "Program start")
        self.assertEqual(lines[lines.index("Starting Game"):],
                         ["Starting Game", "Loading game. Please wait...", "game running",
                          "Closing..."])
        self.assertEqual(install.read("game_directory.txt").decode().strip(),
                         os.path.realpath(install.path))
        launch = install.read("Data/config_launch.ini")
        self.assertEqual(launch, b"name Bob\r\nresolution 1\r\nfullscreen 1\r\nscreenx 1366\r\n"
                                 b"screeny 768\r\nlangage 1\r\nvolume 4\r\n\r\n")
        self.assertEqual(install.read("game_saw_config.ini"), launch + b"shadows 2\r\n")
        self.assertFalse(install.exists("Data/config.ini.new"))

    def test_missing_game_is_told_and_ends_with_a_failure_status(self):
        install = self.installation(profiles=["Bob"])
        launcher, window = self.start(install)
        idle_button = window.pixels(gui.START_BUTTON)
        window.click(gui.START_BUTTON)
        gui.wait_until(lambda: "1.exe" in launcher.stderr(), what="the error line")
        self.assertIn("No such file", launcher.stderr())
        time.sleep(0.5)
        self.assertIsNone(launcher.process.poll(), "the window must stay for the player to read")
        self.assertNotEqual(window.pixels(gui.START_BUTTON), idle_button)
        self.assertTrue(install.exists("Data/config_launch.ini"))
        window.key("Escape")
        self.assertNotEqual(launcher.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main()
