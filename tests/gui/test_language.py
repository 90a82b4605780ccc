"""Language switching in the real launcher: what the player sees on the
Start button and what Start Game then writes."""

import subprocess
import unittest

import launcher_gui as gui

# A stand-in game that ends at once.
QUICK_GAME = "exit 0\n"

ENGLISH, FRENCH, SPANISH = 0, 1, 2  # positions in the language choice


def region_pixels(display, window, rect):
    """The raw RGB bytes of a window-relative rectangle."""
    left, top, _, _ = window.geometry()
    x, y, w, h = rect
    return subprocess.run(
        ["import", "-window", "root", "-depth", "8", "-crop",
         "%dx%d+%d+%d" % (w, h, left + x, top + y), "rgb:-"],
        env=display.env(), stdin=subprocess.DEVNULL, capture_output=True,
        check=True, timeout=30).stdout


class LanguageTest(gui.LauncherTestCase):

    def setUp(self):
        # A synchronous pointer move to where the pointer already is can
        # stall xdotool; every test starts with the pointer in a corner.
        self.display.run("xdotool", "mousemove", "0", "0")

    def launch(self, config=None):
        install = self.installation(profiles=["Bob"], config=config)
        install.install_script_game(QUICK_GAME)
        launcher = self.start(install)
        return install, launcher, launcher.wait_for_window()

    def start_button(self, window):
        return gui.wait_until(lambda: region_pixels(self.display, window, gui.START_BUTTON),
                              what="the Start button")

    def pick(self, window, position):
        self.display.run("xdotool", "mousemove", "0", "0")
        window.pick("language", position)

    def start_game(self, install, launcher, window):
        self.display.run("xdotool", "mousemove", "0", "0")
        window.click_center(gui.START_BUTTON)
        self.assertEqual(launcher.wait_exit(), 0, launcher.stderr())
        return install.read("Data/config_launch.ini")

    def test_picked_language_relabels_the_button_and_reaches_start_game(self):
        install, launcher, window = self.launch()
        english = self.start_button(window)
        self.pick(window, FRENCH)
        gui.wait_until(lambda: self.start_button(window) != english,
                       what="the Start button to be relabelled")
        self.assertIn(b"\r\nlangage 2\r\n", self.start_game(install, launcher, window))

    def test_english_again_restores_the_english_button(self):
        install, launcher, window = self.launch()
        english = self.start_button(window)
        self.pick(window, FRENCH)
        gui.wait_until(lambda: self.start_button(window) != english, what="French")
        self.pick(window, ENGLISH)
        gui.wait_until(lambda: self.start_button(window) == english, what="English again")
        self.assertIn(b"\r\nlangage 1\r\n", self.start_game(install, launcher, window))

    def test_saved_spanish_keeps_the_english_button_until_a_pick(self):
        _, english_launcher, english_window = self.launch()
        english = self.start_button(english_window)
        english_window.key("Escape")
        self.assertEqual(english_launcher.wait_exit(), 0)

        install, launcher, window = self.launch(config="name Bob\r\nlangage 3\r\n")
        self.assertEqual(self.start_button(window), english)
        # Spanish is already selected: picking it again changes nothing.
        self.pick(window, SPANISH)
        self.assertEqual(self.start_button(window), english)
        self.pick(window, FRENCH)
        self.pick(window, SPANISH)
        gui.wait_until(lambda: self.start_button(window) != english, what="Spanish labels")
        self.assertIn(b"\r\nlangage 3\r\n", self.start_game(install, launcher, window))


if __name__ == "__main__":
    unittest.main()
