"""The demo installation that ./run.sh lays out (tools/make_demo.py), played
through: the launcher shows it as the README's screenshot does and starts the
demo game, which shows the profile it was started for."""

import subprocess
import sys
from pathlib import Path

import launcher_gui as gui

ROOT = Path(__file__).resolve().parents[2]


class DemoTest(gui.LauncherTestCase):

    def make_demo(self, out, game):
        return subprocess.run([sys.executable, str(ROOT / "tools" / "make_demo.py"), "--out",
                               str(out), "--game", str(game)], capture_output=True).returncode

    # A second run keeps the player's saves and settings.
    def test_demo_played_through_and_laid_out_again(self):
        install = self.installation()
        self.assertEqual(self.make_demo(install.path, gui.DEMO_GAME_BINARY), 0)
        self.assertFalse(install.exists("Data/config.ini"))
        anna = install.read("Data/Profils/Anna.bin")
        launcher, window = self.start(install)
        # As the README shows it (tools/screenshot.sh takes the picture on X11).
        self.assertTrue(gui.WINE or window.matches(ROOT / "docs" / "screenshot.png"),
                        "not as the screenshot")
        window.click(gui.START_BUTTON)
        game = launcher.wait_for_window("Tarvelline demo game")
        self.assertIn("Demo game: started for profile 'Anna'", launcher.stdout())
        game.close_box()
        self.assertEqual(launcher.wait_exit(), 0)
        self.assertIn(b"\r\ngamma ", install.read("Data/config.ini"))
        install.write("Data/config.ini", "name Bob\r\n")
        self.assertEqual(self.make_demo(install.path, gui.DEMO_GAME_BINARY), 0)
        self.assertEqual(install.read("Data/Profils/Anna.bin"), anna)
        self.assertEqual(install.read("Data/config.ini"), b"name Bob\r\n")
        self.assertNotEqual(self.make_demo(install.path, install.file("no-such-game")), 0)
