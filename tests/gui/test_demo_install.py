"""The demo installation that ./run.sh starts the launcher on: the layout
tools/make_demo.py writes, that it never overwrites a player's files, and the
demo game that shows the settings it was started with."""

import os
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

import launcher_gui as gui

SOURCE_DIR = Path(os.environ.get("PROJECT_SOURCE_DIR", Path(__file__).resolve().parents[2]))
MAKE_DEMO = SOURCE_DIR / "tools" / "make_demo.py"
DEMO_TITLE = "Tarvelline demo game"


def make_demo(out, game):
    return subprocess.run([sys.executable, str(MAKE_DEMO), "--out", str(out), "--game", str(game)],
                          capture_output=True, text=True, timeout=60)


def progress(record):
    levels = sum(1 for i in range(64) if struct.unpack_from("<I", record, 348 + 4 * i)[0] == 2)
    challenges = sum(1 for b in record[604:629] if b)
    return levels, challenges


class DemoLayoutTest(unittest.TestCase):

    def setUp(self):
        self.out = Path(tempfile.mkdtemp(prefix="demo-install-"))
        self.addCleanup(shutil.rmtree, self.out, True)
        self.game = self.out.parent / (self.out.name + "-game")
        self.game.write_bytes(b"#!/bin/sh\nexit 0\n")
        self.addCleanup(self.game.unlink)

    def lay_out(self):
        result = make_demo(self.out, self.game)
        self.assertEqual(result.returncode, 0, result.stderr)

    def test_lays_out_game_settings_and_two_profiles(self):
        self.lay_out()
        self.assertEqual((self.out / "1.exe").read_bytes(), self.game.read_bytes())
        self.assertTrue(os.access(self.out / "1.exe", os.X_OK))
        self.assertEqual(sorted(p.name for p in (self.out / "Data" / "Profils").iterdir()),
                         ["Anna.bin", "Bob.bin"])
        self.assertFalse((self.out / "Data" / "config.ini").exists())

    def test_game_settings_use_cr_lf_and_none_of_the_launchers_keys(self):
        self.lay_out()
        data = (self.out / "Data" / "config_game.ini").read_bytes()
        self.assertTrue(data.endswith(b"\r\n"))
        self.assertEqual(data.count(b"\n"), data.count(b"\r\n"))
        keys = [line.split(b" ")[0] for line in data.split(b"\r\n") if line and line[:1] != b"#"]
        self.assertGreaterEqual(len(keys), 3)
        for key in (b"name", b"resolution", b"fullscreen", b"screenx", b"screeny", b"langage",
                    b"volume"):
            self.assertNotIn(key, keys)

    def test_profiles_are_save_records_with_some_progress(self):
        self.lay_out()
        for name in ("Anna", "Bob"):
            record = (self.out / "Data" / "Profils" / (name + ".bin")).read_bytes()
            self.assertEqual(len(record), gui.PROFILE_FILE_SIZE)
            self.assertEqual(record[:33].rstrip(b"\0"), name.encode())
            self.assertEqual(record[32], 0)
            self.assertTrue(all(ord("A") <= b <= ord("X") for b in record[33:41]), record[33:41])
            self.assertEqual(record[41], 0)
            self.assertEqual(struct.unpack_from("<H", record, 42)[0], 1)
            self.assertEqual([record[48 + 296 * i] for i in range(10)], [1] * 10)
            levels, challenges = progress(record)
            self.assertGreater(levels, 0, name)
            self.assertLess(levels, 64, name)
            self.assertGreater(challenges, 0, name)

    def test_running_again_refreshes_the_game_but_keeps_saves_and_settings(self):
        self.lay_out()
        anna = self.out / "Data" / "Profils" / "Anna.bin"
        anna.write_bytes(b"played on")
        config = self.out / "Data" / "config.ini"
        config.write_bytes(b"name Anna\r\n")
        (self.out / "Data" / "config_game.ini").write_bytes(b"stale\r\n")
        self.game.write_bytes(b"#!/bin/sh\nexit 1\n")
        self.lay_out()
        self.assertEqual(anna.read_bytes(), b"played on")
        self.assertEqual(config.read_bytes(), b"name Anna\r\n")
        self.assertIn(b"gamma", (self.out / "Data" / "config_game.ini").read_bytes())
        self.assertEqual((self.out / "1.exe").read_bytes(), b"#!/bin/sh\nexit 1\n")

    def test_missing_game_is_refused_with_a_message(self):
        result = make_demo(self.out, self.out / "no-such-game")
        self.assertNotEqual(result.returncode, 0)
        self.assertIn("demo_game", result.stderr)


class DemoGameTest(gui.LauncherTestCase):

    def setUp(self):
        if not gui.DEMO_GAME_BINARY:
            self.skipTest("DEMO_GAME_BINARY is not set (run the GUI tests through ctest)")

    def start_game(self, install):
        return self.start(install, binary=install.file("1.exe"))

    def test_shows_the_launch_settings_and_ends_when_closed(self):
        install = self.installation(
            game=gui.DEMO_GAME_BINARY, game_settings="gamma 100\r\n",
            config="name Anna\r\nresolution 3\r\nfullscreen 0\r\nscreenx 1365\r\n"
                   "screeny 768\r\nlangage 2\r\nvolume 4\r\n\r\ngamma 100\r\n")
        game = self.start_game(install)
        window = game.wait_for_window(DEMO_TITLE)
        self.assertEqual(game.stdout_lines()[0], "Demo game: started for profile 'Anna'")
        before = install.snapshot()
        window.close_box()
        self.assertEqual(game.wait_exit(), 0)
        self.assertEqual(install.snapshot(), before)

    def test_starts_without_a_settings_file_and_ends_on_escape(self):
        install = self.installation(game=gui.DEMO_GAME_BINARY)
        game = self.start_game(install)
        window = game.wait_for_window(DEMO_TITLE)
        window.key("Escape")
        self.assertEqual(game.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main()
