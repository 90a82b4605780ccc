"""--play: the game started at once with the saved profile and settings, no window shown; the
window when there is nothing to start with, or to say why the game did not start."""

import time

import launcher_gui as gui

SAVED = "name Bob\r\nresolution 3\r\nlangage 2\r\nvolume 0\r\n"


class PlayTest(gui.LauncherTestCase):

    # The same console lines, files and exit status as a press of Start Game, and no window mapped
    # while the game runs; toolkit switches pass by.
    def test_the_saved_profile_starts_without_a_window(self):
        install = self.installation(profiles=["Anna", "Bob"], config=SAVED,
                                    game_settings="shadows 2\r\n")
        install.write("hold", "")
        launcher, _ = self.start(install, ["--play", "-scheme", "plastic"], title=None)
        gui.wait_until(lambda: install.file("game_started.txt").exists(), what="the game")
        time.sleep(0.5)
        self.assertEqual(self.display.run("xdotool", "search", "--onlyvisible", "--name", ".",
                                          check=False), "")
        install.file("hold").unlink()
        self.assertEqual(launcher.wait_exit(), 0, launcher.stderr())
        self.assertEqual(launcher.stdout().splitlines(), [
            "Program start", "Starting Game", "Loading game. Please wait...", "game running",
            "Closing..."])
        self.assertEqual(install.read("game_saw_config.ini"),
                         b"name Bob\r\nresolution 3\r\nfullscreen 0\r\nscreenx 1365\r\n"
                         b"screeny 768\r\nlangage 2\r\nvolume 0\r\n\r\nshadows 2\r\n")

    # Nothing to start with: the window (or first-profile dialog) as without --play; nothing starts.
    def test_without_a_listed_saved_profile_the_window_opens(self):
        cases = [  # config.ini, profiles, the window shown
            (None, ["Bob"], gui.MAIN_TITLE), ("resolution 3\r\n", ["Bob"], gui.MAIN_TITLE),
            (SAVED, ["Anna"], gui.MAIN_TITLE), ("name Bob\r\n", [], gui.DIALOG_TITLE)]
        for config, profiles, title in cases:
            with self.subTest(config=config, profiles=profiles):
                install = self.installation(profiles=profiles, config=config)
                launcher, window = self.start(install, ["--play"], title)
                if title == gui.DIALOG_TITLE:  # Escape cancels it; the window follows
                    window.key("Escape")
                    window = launcher.wait_for_window()
                time.sleep(0.3)
                self.assertNotIn("Starting Game", launcher.stdout())
                self.assert_ends_writing_nothing(install, launcher, window)
                launcher.stop()

    # A held or failed start opens the window saying so: settings not saved (a press once that was
    # read starts the game anyway), a game that could not start (closing ends with status 1).
    def test_a_held_or_failed_start_opens_the_window_saying_why(self):
        install = self.installation(profiles=["Bob"], config=SAVED, game_settings=bytes(2 << 20))
        launcher, window = self.start(install, ["--play"])
        self.assertIn("larger than", launcher.stderr())
        self.assertTrue(gui.WINE or window.matches("play_settings_not_saved.png", gui.START_BUTTON))
        self.assertFalse(install.file("game_started.txt").exists())
        time.sleep(gui.READING_SECONDS)
        self.start_game(launcher, window, "Return")
        self.assertTrue(install.file("game_started.txt").exists())
        install = self.installation(profiles=["Bob"], config=SAVED)
        install.file("1.exe").unlink()
        launcher, window = self.start(install, ["--play"])
        self.assertIn("1.exe", launcher.stderr())
        window.key("Escape")
        self.assertEqual(launcher.wait_exit(), 1)
