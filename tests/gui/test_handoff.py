"""Start Game in the real launcher: the settings the game finds, where it runs, the console lines,
and how the launcher ends."""

import os, shutil, tempfile, time
from pathlib import Path

import launcher_gui as gui

LAUNCH = (b"name Bob\r\nresolution 1\r\nfullscreen 1\r\nscreenx 1366\r\nscreeny 768\r\n"
          b"langage 1\r\nvolume 4\r\n\r\n")
GAME_SETTINGS = b"shadows 2\r\n"
# Saved choices that a damaged start must neither lose nor keep over the new.
OLD_CONFIG = b"name X\r\nresolution 1\r\nlangage 1\r\nvolume 4\r\n"


class HandOffTest(gui.LauncherTestCase):

    def assert_clicks_open_nothing(self, window):
        windows = set(self.display.top_level_windows())
        # One at a time: a second click would close a menu the first opened.
        for rect in (gui.CHOICES["profile"], gui.START_BUTTON):
            window.click(rect)
            time.sleep(0.5)
            self.assertEqual(set(self.display.top_level_windows()), windows, "a menu opened")

    # While the game runs, the window is drawn again when uncovered and answers no click or close.
    def test_round_trip_with_a_stand_in_game(self):
        install = self.installation(profiles=["Bob"], game_settings=GAME_SETTINGS)
        install.write("hold", "")
        launcher, window = self.start(install)
        idle_button = window.pixels(gui.START_BUTTON)
        window.click(gui.START_BUTTON)
        # The game's files appear in the installation: it runs there.
        gui.wait_until(lambda: install.file("game_started.txt").exists(), what="the game to start")
        time.sleep(0.5)
        self.assertNotEqual(window.pixels(gui.START_BUTTON), idle_button, "no loading text")
        self.assertTrue(gui.WINE or window.matches("loading_button.png", gui.START_BUTTON))
        loading = window.pixels()
        for command in ("windowunmap", "windowmap"):  # all of it to be drawn again
            self.display.run("xdotool", command, "--sync", str(window.id))
        gui.wait_until(lambda: window.pixels() == loading, what="the repaint")
        self.assert_clicks_open_nothing(window)
        window.key("Return")  # as a click, nothing while the game runs
        window.close_box()
        time.sleep(0.3)
        self.assertIsNone(launcher.process.poll(), "ended before the game")
        self.assertNotIn("Closing...", launcher.stdout())
        install.file("hold").unlink()
        self.assertEqual(launcher.wait_exit(), 0, "the game's own status must not count")
        lines = launcher.stdout().splitlines()
        self.assertEqual(lines[lines.index("Starting Game"):], [
            "Starting Game", "Loading game. Please wait...", "game running", "Closing..."])
        self.assertEqual(install.read("Data/config_launch.ini"), LAUNCH)
        self.assertEqual(install.read("game_saw_config.ini"), LAUNCH + GAME_SETTINGS)

    # The reason stays on the button until the player closes the window: with the game back in its
    # place, neither a click nor Enter starts it then. A 1.exe found on PATH is not the game.
    def test_missing_game_is_told_and_ends_with_a_failure_status(self):
        install = self.installation(profiles=["Bob"])
        os.renames(install.file("1.exe"), install.file("bin/1.exe"))
        launcher, window = self.start(
            install, env={"PATH": "%s:%s" % (install.file("bin"), os.environ["PATH"])})
        idle_button = window.pixels(gui.START_BUTTON)
        window.click(gui.START_BUTTON)
        gui.wait_until(lambda: "1.exe" in launcher.stderr(), what="the error line")
        self.assertIn("(error 2)" if gui.WINE else "No such file", launcher.stderr())
        time.sleep(0.3)
        self.assertNotEqual(window.pixels(gui.START_BUTTON), idle_button)
        self.assertTrue(install.file("Data/config_launch.ini").exists())
        os.rename(install.file("bin/1.exe"), install.file("1.exe"))
        self.assert_clicks_open_nothing(window)
        window.key("KP_Enter")
        time.sleep(0.5)
        self.assertEqual(launcher.stdout().count("Starting Game"), 1)
        self.assertFalse(install.file("game_started.txt").exists())
        window.key("Escape")
        self.assertEqual(launcher.wait_exit(), 1)

    # Each damage in turn: the launcher ends within seconds of Start Game, config.ini holds this
    # start's settings or stays as it was, the reason is told, and nothing outside Data changes.
    def test_damaged_installations_never_hang_write_through_links_or_join_stale_settings(self):
        outside = Path(tempfile.mkdtemp(prefix="launcher-outside-"))
        self.addCleanup(shutil.rmtree, outside, True)
        (outside / "target.ini").write_bytes(b"outside")
        fifo = lambda path: lambda install: os.mkfifo(install.cleared(path))
        link = lambda path, to: lambda install: os.symlink(to, install.cleared(path))
        directory = lambda path: lambda install: install.cleared(path) and install.write(
            path + "/keep", "")
        big = lambda size: lambda install: install.write("Data/config_game.ini", bytes(size))
        joined, old = LAUNCH + GAME_SETTINGS, OLD_CONFIG
        cases = [  # damage (gives the launcher's preexec_fn), config.ini afterwards, told
            (directory("Data/config_launch.ini"), joined, "Cannot write Data/config_launch.ini"),
            (directory("Data/config_game.ini"), old, "Is a directory"),
            (big(2 << 20), old, "larger than"),
            # Links under Wine too, which follows them in its file calls.
            (link("Data/config_game.ini", "/dev/zero"), old, "not a regular file"),
            (link("Data/config.ini.new", outside / "target.ini"), joined, ""),
            (link("Data/config_launch.ini", outside / "target.ini"), joined, ""),
            (link("Data/config_launch.ini", outside / "created.ini"), joined, ""),
        ]
        # Windows has no FIFOs in its file system, and a full disk is made with Linux's limits.
        cases += [] if gui.WINE else [
            (fifo("Data/config.ini"), joined, ""),
            (fifo("Data/Profils/X.bin"), joined.replace(b"Bob", b"X"), "not a regular file"),
            (fifo("Data/config_game.ini"), old, "not a regular file"),
            (fifo("Data/config_launch.ini"), joined, ""),
            (lambda install: big(8192)(install) or gui.full_disk, old, gui.FULL_DISK_ERROR),
        ]
        for number, (damage, config, told) in enumerate(cases):
            with self.subTest(case=number, told=told):
                install = self.installation(profiles=["Bob"], config=OLD_CONFIG,
                                            game_settings=GAME_SETTINGS)
                outside_data = lambda: {path: digest for path, digest in install.snapshot().items()
                                        if path.split(os.sep)[0] != "Data"
                                        and path not in gui.STAND_IN_GAME_FILES}
                preexec_fn = damage(install)
                before = outside_data()
                temporaries = lambda: [n for n in os.listdir(install.file("Data")) if ".new" in n]
                left = temporaries() if gui.WINE else []  # Windows removes none: may be a link
                launcher, window = self.start(install, preexec_fn=preexec_fn)
                window.click(gui.START_BUTTON)
                if config == old:  # the game waits for a second press; case 1 closes
                    time.sleep(gui.READING_SECONDS)
                    window.key("Escape") if number == 1 else window.click(gui.START_BUTTON)
                self.assertEqual(launcher.wait_exit(timeout=10), number == 1, launcher.stderr())
                self.assertIn(told, launcher.stderr())
                self.assertEqual(install.read("Data/config.ini"), config)
                self.assertEqual(outside_data(), before)
                self.assertEqual(os.listdir(outside), ["target.ini"])
                self.assertEqual((outside / "target.ini").read_bytes(), b"outside")
                self.assertEqual(temporaries(), left)
                launcher.stop()

    # Settings that cannot be saved hold the game: a double-click's second click, or Return's
    # auto-repeat, does not start it with the old ones; a new press once the warning was read does.
    def test_a_double_click_or_a_held_key_does_not_skip_the_warning(self):
        for key in (None, "Return"):  # the first press: a double-click, or the key held down
            with self.subTest(key=key):
                install = self.installation(profiles=["Bob"], config=OLD_CONFIG,
                                            game_settings=bytes(2 << 20))
                launcher, window = self.start(install)
                if key:
                    window.key(key, command="keydown")
                    time.sleep(1.5)  # Xvfb repeats a key held for 660 ms
                    window.key(key, command="keyup")
                else:
                    window.click(gui.START_BUTTON, clicks=2)
                time.sleep(gui.READING_SECONDS)
                self.assertEqual(launcher.stdout().count("Starting Game"), 1, launcher.stdout())
                self.assertIsNone(launcher.process.poll())
                self.assertFalse(install.file("game_started.txt").exists())
                self.start_game(launcher, window, key)  # released, the key counts again
                self.assertTrue(install.file("game_started.txt").exists())
                self.assertEqual(launcher.stdout().count("Starting Game"), 2)
