"""Start Game in the real launcher: the settings the game finds, where it
runs, the console lines, and how the launcher ends."""

import os
import shutil
import tempfile
import time
import unittest
from pathlib import Path

import launcher_gui as gui

LAUNCH = (b"name Bob\r\nresolution 1\r\nfullscreen 1\r\nscreenx 1366\r\nscreeny 768\r\n"
          b"langage 1\r\nvolume 4\r\n\r\n")
GAME_SETTINGS = b"shadows 2\r\n"
# Saved choices that a damaged start must neither lose nor keep in place of
# the new ones; "name X" makes the profile X current when it is listed.
OLD_CONFIG = b"name X\r\nresolution 1\r\nlangage 1\r\nvolume 4\r\n"


class HandOffTest(gui.LauncherTestCase):

    def test_round_trip_with_a_stand_in_game(self):
        install = self.installation(profiles=["Bob"], game_settings="shadows 2\r\n")
        install.install_stand_in_game()
        install.write("hold", "")
        launcher, window = self.start(install)
        idle_button = window.pixels(gui.START_BUTTON)
        window.click(gui.START_BUTTON)
        # The game's files appear in the installation: it runs there.
        gui.wait_until(lambda: install.exists("game_started.txt"), what="the game to start")
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
        os.remove(install.file("hold"))
        self.assertEqual(launcher.wait_exit(), 0, "the game's own status must not count")

        lines = launcher.stdout().splitlines()
        self.assertEqual(lines[0], "Program start")
        self.assertEqual(lines[lines.index("Starting Game"):],
                         ["Starting Game", "Loading game. Please wait...", "game running",
                          "Closing..."])
        launch = install.read("Data/config_launch.ini")
        self.assertEqual(launch, LAUNCH)
        self.assertEqual(install.read("game_saw_config.ini"), launch + b"shadows 2\r\n")
        self.assertFalse(install.exists("Data/config.ini.new"))

    def test_missing_game_is_told_and_ends_with_a_failure_status(self):
        install = self.installation(profiles=["Bob"])
        launcher, window = self.start(install)
        idle_button = window.pixels(gui.START_BUTTON)
        window.click(gui.START_BUTTON)
        gui.wait_until(lambda: "1.exe" in launcher.stderr(), what="the error line")
        self.assertIn("(error 2)" if gui.WINE else "No such file", launcher.stderr())
        time.sleep(0.5)
        self.assertIsNone(launcher.process.poll(), "the window must stay for the player to read")
        self.assertNotEqual(window.pixels(gui.START_BUTTON), idle_button)
        self.assertTrue(install.exists("Data/config_launch.ini"))
        window.key("Escape")
        self.assertNotEqual(launcher.wait_exit(), 0)

    # Each damage in turn: the launcher shows its window and ends within
    # seconds of Start Game, config.ini holds this start's settings or stays
    # as it was, the reason is told, and nothing outside Data changes.
    def test_damaged_installations_never_hang_write_through_links_or_join_stale_settings(self):
        outside = Path(tempfile.mkdtemp(prefix="launcher-outside-"))
        self.addCleanup(shutil.rmtree, outside, True)
        (outside / "target.ini").write_bytes(b"outside")
        fifo = lambda path: lambda install: os.mkfifo(install.cleared(path))
        link = lambda path, to: lambda install: os.symlink(to, install.cleared(path))
        directory = lambda path: lambda install: install.cleared(path) and install.write(
            path + "/keep", "")
        big_game_settings = lambda install, size: install.write("Data/config_game.ini", bytes(size))
        joined, old = LAUNCH + GAME_SETTINGS, OLD_CONFIG
        cases = [  # damage, config.ini afterwards, told on standard error (None: the
                   # reason that restrict_data's writes meet)
            (directory("Data/config_launch.ini"), joined, "Cannot write Data/config_launch.ini"),
            (directory("Data/config_game.ini"), old, "Is a directory"),
            (lambda install: big_game_settings(install, 2 << 20), old, "larger than"),
        ]
        # Windows has no FIFOs in its file system, Wine follows Unix links
        # unseen, and a full or read-only Data is made with Linux's limits.
        cases += [] if gui.WINE else [
            (fifo("Data/config.ini"), joined, ""),
            (fifo("Data/Profils/X.bin"), joined.replace(b"Bob", b"X"), "not a regular file"),
            (fifo("Data/config_game.ini"), old, "not a regular file"),
            (fifo("Data/config_launch.ini"), joined, ""),
            (link("Data/config_game.ini", "/dev/zero"), old, "not a regular file"),
            (link("Data/config.ini.new", outside / "target.ini"), joined, ""),
            (link("Data/config_launch.ini", outside / "target.ini"), joined, ""),
            (link("Data/config_launch.ini", outside / "created.ini"), joined, ""),
            (lambda install: big_game_settings(install, 8192) or self.restrict_data(install, "full"),
             old, None),
            (lambda install: self.restrict_data(install, "read-only"), old, None),
        ]
        for number, (damage, config, told) in enumerate(cases):
            with self.subTest(case=number, told=told):
                install = self.installation(profiles=["Bob"], config=OLD_CONFIG,
                                            game_settings=GAME_SETTINGS)
                install.install_stand_in_game()
                outside_data = lambda: {path: digest for path, digest in install.snapshot().items()
                                        if path.split(os.sep)[0] != "Data"
                                        and path not in gui.STAND_IN_GAME_FILES}
                preexec_fn = damage(install)
                before = outside_data()
                launcher, window = self.start(install, preexec_fn=preexec_fn)
                window.click(gui.START_BUTTON)
                self.assertEqual(launcher.wait_exit(timeout=10), 0, launcher.stderr())
                if told is None:
                    told = os.strerror(self.write_error)
                self.assertIn(told, launcher.stderr())
                self.assertEqual(install.read("Data/config.ini"), config)
                self.assertEqual(outside_data(), before)
                self.assertEqual(os.listdir(outside), ["target.ini"])
                self.assertEqual((outside / "target.ini").read_bytes(), b"outside")
                self.assertFalse([name for name in os.listdir(install.file("Data"))
                                  if name.endswith(".new")])
                launcher.stop()


if __name__ == "__main__":
    unittest.main()
