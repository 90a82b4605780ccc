"""Start Game in the real launcher: the settings the game finds, where it
runs, the console lines, and how the launcher ends."""

import os
import subprocess
import time
import unittest

import launcher_gui as gui

# A stand-in game: notes where it runs and the settings file it finds, then
# waits until the test lets it end (or ends at once without a gate file).
RECORDING_GAME = """\
pwd -P > game_directory.txt
cp Data/config.ini game_saw_config.ini
echo "game running"
touch game_started
while [ -e game_gate ]; do sleep 0.05; done
exit {status}
"""


def region_pixels(display, window, rect):
    """The raw RGB bytes of a window-relative rectangle."""
    left, top, _, _ = window.geometry()
    x, y, w, h = rect
    return subprocess.run(
        ["import", "-window", "root", "-depth", "8", "-crop",
         "%dx%d+%d+%d" % (w, h, left + x, top + y), "rgb:-"],
        env=display.env(), stdin=subprocess.DEVNULL, capture_output=True,
        check=True, timeout=30).stdout


class HandOffTest(gui.LauncherTestCase):

    def setUp(self):
        # A synchronous pointer move to where the pointer already is can
        # stall xdotool; every test starts with the pointer in a corner.
        self.display.run("xdotool", "mousemove", "0", "0")

    def installation_with_game(self, status=0, gate=False, **kwargs):
        install = self.installation(profiles=["Bob"], **kwargs)
        install.install_script_game(RECORDING_GAME.format(status=status))
        if gate:
            install.write("game_gate", "")
        return install

    def test_game_finds_the_joined_settings_in_the_installation(self):
        install = self.installation_with_game(game_settings="shadows 2\r\n")
        launcher = self.start(install)
        window = launcher.wait_for_window()
        window.click_center(gui.START_BUTTON)
        self.assertEqual(launcher.wait_exit(), 0, launcher.stderr())

        self.assertEqual(install.read("game_directory.txt").decode().strip(),
                         os.path.realpath(install.path))
        launch = install.read("Data/config_launch.ini")
        self.assertEqual(launch,
                         b"name Bob\r\nresolution 1\r\nfullscreen 1\r\nscreenx 1366\r\n"
                         b"screeny 768\r\nlangage 1\r\nvolume 4\r\n\r\n")
        self.assertEqual(install.read("game_saw_config.ini"), launch + b"shadows 2\r\n")
        self.assertFalse(install.exists("Data/config.ini.new"))

    def test_console_lines_come_in_order_around_the_game(self):
        install = self.installation_with_game()
        launcher = self.start(install)
        launcher.wait_for_window().click_center(gui.START_BUTTON)
        self.assertEqual(launcher.wait_exit(), 0)
        lines = launcher.stdout_lines()
        self.assertEqual(lines[0], "Program start")
        start = lines.index("Starting Game")
        self.assertEqual(lines[start:], ["Starting Game", "Loading game. Please wait...",
                                         "game running", "Closing..."])

    def test_launcher_waits_for_the_game_and_then_ends_with_status_0(self):
        install = self.installation_with_game(status=3, gate=True)
        launcher = self.start(install)
        window = launcher.wait_for_window()
        waiting_button = region_pixels(self.display, window, gui.START_BUTTON)
        window.click_center(gui.START_BUTTON)
        gui.wait_until(lambda: install.exists("game_started"), what="the game to start")

        time.sleep(0.5)
        self.assertTrue(launcher.running(), "the launcher ended while the game ran")
        self.assertNotIn("Closing...", launcher.stdout())
        # The loading text was drawn before the launcher blocked.
        self.assertNotEqual(region_pixels(self.display, window, gui.START_BUTTON),
                            waiting_button)

        os.remove(install.file("game_gate"))
        self.assertEqual(launcher.wait_exit(), 0)
        self.assertTrue(launcher.stdout().endswith("Closing...\n"))

    def test_missing_game_is_told_in_the_window_and_ends_with_failure(self):
        install = self.installation(profiles=["Bob"])
        launcher = self.start(install)
        window = launcher.wait_for_window()
        waiting_button = region_pixels(self.display, window, gui.START_BUTTON)
        window.click_center(gui.START_BUTTON)

        gui.wait_until(lambda: "1.exe" in launcher.stderr(), what="the error line")
        self.assertIn("No such file", launcher.stderr())
        time.sleep(0.5)
        self.assertTrue(launcher.running(), "the window must stay for the player to read")
        self.assertNotEqual(region_pixels(self.display, window, gui.START_BUTTON),
                            waiting_button)
        # The settings were written all the same, in the usual order.
        self.assertTrue(install.exists("Data/config_launch.ini"))

        window.key("Escape")
        self.assertNotEqual(launcher.wait_exit(), 0)

    def test_unwritable_launch_settings_are_reported_and_the_game_still_runs(self):
        install = self.installation_with_game(config="name Bob\r\nresolution 2\r\n")
        install.file("Data/config_launch.ini").mkdir()
        launcher = self.start(install)
        launcher.wait_for_window().click_center(gui.START_BUTTON)
        self.assertEqual(launcher.wait_exit(), 0)
        self.assertIn("Cannot write Data/config_launch.ini", launcher.stderr())
        self.assertTrue(install.exists("game_started"))
        self.assertEqual(install.read("Data/config.ini"), b"name Bob\r\nresolution 2\r\n")


if __name__ == "__main__":
    unittest.main()
