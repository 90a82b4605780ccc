"""The demo installation that ./run.sh lays out, and the demo game that shows
the settings it was started with."""

import os
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

import launcher_gui as gui

MAKE_DEMO = Path(os.environ.get("PROJECT_SOURCE_DIR", Path(__file__).resolve().parents[2])) \
    / "tools" / "make_demo.py"


class DemoLayoutTest(unittest.TestCase):

    def make_demo(self, out, game):
        return subprocess.run([sys.executable, str(MAKE_DEMO), "--out", str(out), "--game", str(game)],
                              capture_output=True, text=True, timeout=60)

    def test_layout_and_a_second_run_keeping_saves_and_settings(self):
        out = Path(tempfile.mkdtemp(prefix="demo-install-"))
        self.addCleanup(shutil.rmtree, out, True)
        game = out / "game"
        game.write_bytes(b"#!/bin/sh\nexit 0\n")
        self.assertEqual(self.make_demo(out, game).returncode, 0)
        self.assertTrue(os.access(out / "1.exe", os.X_OK))
        self.assertFalse((out / "Data" / "config.ini").exists())
        settings = (out / "Data" / "config_game.ini").read_bytes()
        self.assertEqual(settings.count(b"\n"), settings.count(b"\r\n"))
        keys = {line.split(b" ")[0] for line in settings.split(b"\r\n")}
        self.assertFalse(keys & {b"name", b"resolution", b"fullscreen", b"screenx", b"screeny",
                                 b"langage", b"volume"})
        profiles = out / "Data" / "Profils"
        self.assertEqual(sorted(p.name for p in profiles.iterdir()), ["Anna.bin", "Bob.bin"])
        for name in ("Anna", "Bob"):
            record = (profiles / (name + ".bin")).read_bytes()
            self.assertEqual(len(record), gui.PROFILE_FILE_SIZE)
            self.assertEqual(record[:33], name.encode().ljust(33, b"\0"))
            self.assertTrue(all(65 <= b <= 88 for b in record[33:41]), record[33:41])
            levels = [struct.unpack_from("<I", record, 348 + 4 * i)[0] for i in range(64)]
            self.assertTrue(0 < levels.count(2) < 64 and any(record[604:629]), name)

        (profiles / "Anna.bin").write_bytes(b"played on")
        (out / "Data" / "config.ini").write_bytes(b"name Anna\r\n")
        game.write_bytes(b"#!/bin/sh\nexit 1\n")
        self.assertEqual(self.make_demo(out, game).returncode, 0)
        self.assertEqual((profiles / "Anna.bin").read_bytes(), b"played on")
        self.assertEqual((out / "Data" / "config.ini").read_bytes(), b"name Anna\r\n")
        self.assertEqual((out / "1.exe").read_bytes(), game.read_bytes())
        self.assertNotEqual(self.make_demo(out, out / "no-such-game").returncode, 0)


class DemoGameTest(gui.LauncherTestCase):

    def test_shows_the_profile_and_ends_when_closed_with_or_without_settings(self):
        install = self.installation(
            game=gui.DEMO_GAME_BINARY,
            config="name Anna\r\nresolution 3\r\nfullscreen 0\r\nscreenx 1365\r\n"
                   "screeny 768\r\nlangage 2\r\nvolume 4\r\n\r\ngamma 100\r\n")
        game, window = self.start(install, binary=install.file("1.exe"), title="Tarvelline demo game")
        self.assertEqual(game.stdout().splitlines()[0], "Demo game: started for profile 'Anna'")
        window.close_box()
        self.assertEqual(game.wait_exit(), 0)
        os.remove(install.file("Data/config.ini"))
        game, window = self.start(install, binary=install.file("1.exe"), title="Tarvelline demo game")
        self.assert_escape_ends_writing_nothing(install, game, window)


if __name__ == "__main__":
    unittest.main()
