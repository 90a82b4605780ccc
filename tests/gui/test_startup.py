"""Start-up and closing of the real launcher on the demo installation that ./run.sh lays out
(tools/make_demo.py): first line, the window as the README's screenshot shows it, its frame and
links, the scan's warnings, the toolkit's switches, the demo game started for the profile shown."""

import re, subprocess, sys
from pathlib import Path

import launcher_gui as gui

ROOT = Path(__file__).resolve().parents[2]


class StartupTest(gui.LauncherTestCase):

    def make_demo(self, install, game=gui.DEMO_GAME_BINARY):
        return subprocess.run([sys.executable, ROOT / "tools" / "make_demo.py", "--out",
                               install.path, "--game", game], capture_output=True).returncode

    # A second layout keeps the player's saves and settings.
    def test_demo_shown_as_the_screenshot_played_and_laid_out_again(self):
        install = self.installation()
        self.assertEqual(self.make_demo(install), 0)
        anna = install.read("Data/Profils/Anna.bin")
        # --version and --help answer first: no display, no file, no window.
        before = install.snapshot()
        for switch in ["--version", "--help", "-h"] + ["/?"] * gui.WINE:
            out = subprocess.run(["wine"] * gui.WINE + [gui.LAUNCHER_BINARY, switch], timeout=60,
                                 cwd=install.path, env=dict(self.display.env, DISPLAY=""),
                                 capture_output=True, text=True)
            self.assertEqual(out.returncode, 0, out.stderr)
            self.assertRegex(out.stdout, r"^GameLauncher 1\.0\.0 \(Tarvelline\)\n$"
                             if switch == "--version" else r"^Usage: (.|\n)* -s\[cheme\] scheme")
        self.assertEqual(install.snapshot(), before)
        if gui.WINE:  # the icon (16, 32, 48, 256), version information and manifest of the .exe
            rc = self.display.run("x86_64-w64-mingw32-windres", "-i", gui.LAUNCHER_BINARY, "-Orc")
            self.assertEqual(re.findall(r'"\\(\d+)\\\1\\000\\000", 1, 32,', rc),
                             ["020", "040", "060", "000"])
            self.assertEqual(dict(re.findall(r'VALUE "(\w+)", "(.*)"', rc)), {
                "FileDescription": "Tarvelline launcher", "ProductName": "Tarvelline",
                "FileVersion": "1.0.0.0", "ProductVersion": "1.0.0.0", "InternalName":
                "GameLauncher", "OriginalFilename": "GameLauncher.exe"})
            self.assertEqual(rc.count("RT_MANIFEST"), 1)
        # Arguments that are no toolkit switches are ignored.
        launcher, window = self.start(install, ["--no-such-option", "Data/config.ini", "-x"])
        self.assertEqual(launcher.stdout().splitlines()[0], "Program start")
        # tools/screenshot.sh takes the picture on X11.
        self.assertTrue(gui.WINE or window.matches(ROOT / "docs" / "screenshot.png"))
        self.assertIn('"%s"' % gui.MAIN_TITLE, window.property("WM_NAME"))
        self.assertEqual(window.icon_pixel(*gui.ICON_CASTLE[:3]), gui.ICON_CASTLE[3])
        self.assertTrue(gui.WINE or window.icon_pixel(48, 0, 0) >> 24 == 0)  # X11: 16, 32, 48
        self.assertEqual(window.geometry(), ((1366 - 480) // 2, (768 - 248) // 2, 480, 248))
        self.assertRegex(window.property("WM_NORMAL_HINTS"),
                         "minimum size: 480 by 248\n.*maximum size: 480 by 248")
        # A normal frame with a close box: no override-redirect, no Motif hints for no decorations.
        self.assertIn("Override Redirect State: no",
                      self.display.run("xwininfo", "-id", str(window.id)))
        self.assertIn("WM_DELETE_WINDOW", window.property("WM_PROTOCOLS"))
        motif = [int(v, 16) for v in re.findall(r"0x[0-9a-f]+", window.property("_MOTIF_WM_HINTS"))]
        self.assertFalse(motif and motif[0] & 2 and motif[2] == 0, motif)
        window.click((0, 0, 168, 248))  # the picture and the progress line do nothing
        window.click((330, 120, 1, 16))
        window.click(gui.START_BUTTON)
        game = launcher.wait_for_window("Tarvelline demo game")
        self.assertIn("Demo game: started for profile 'Anna'", launcher.stdout())
        game.close_box()
        self.assertEqual(launcher.wait_exit(), 0)
        self.assertIn(b"\r\ngamma ", install.read("Data/config.ini"))
        install.write("Data/config.ini", "name Bob\r\n")
        self.assertEqual(self.make_demo(install), 0)
        self.assertEqual(install.read("Data/Profils/Anna.bin"), anna)
        self.assertEqual(install.read("Data/config.ini"), b"name Bob\r\n")
        self.assertNotEqual(self.make_demo(install, install.file("no-such-game")), 0)

    # Each link hands its target to the opener on PATH; the stand-ins stay alive as a browser
    # would, so waiting for one would be caught. The scan warns of each profile past the tenth, not
    # counting names the "name" line could not carry or the score file (in any case); the saved
    # name, listed nowhere, is looked for among all ten. Console lines are out when printed.
    def test_scan_warnings_links_toolkit_switches_and_the_close_box(self):
        names = ["Player%02d" % i for i in range(12)] + ["sCORES", " Lead", "Tab\t"]
        install = self.installation(config="name Nobody\r\n", game_settings="gamma 100\r\n",
                                    profiles=names)
        install.write("gate", "")
        self.addCleanup(install.file("gate").unlink)
        launcher, window = self.start(install, env=install.link_openers())
        self.assertEqual(launcher.stdout().splitlines(),
                         ["Program start"] + ["Warning max profile number reached (10)"] * 2)
        plain = window.pixels()
        for count, link in enumerate(["mail", "website", "us_shop", "europe_shop", "website"], 1):
            window.click(gui.LINKS[link])
            install.opened(count)
        shop = "xdg-open https://www.korvanex.example/%s/plumbox/games/tarvelline"
        self.assertEqual(install.opened(5),
                         [gui.MAIL, gui.WEBSITE, shop % "us", shop % "eu", gui.WEBSITE])
        self.assert_ends_writing_nothing(install, launcher, window)
        # The screen is measured before the toolkit opens the display: -display must count all the
        # same. Windows has no displays to name.
        display = [] if gui.WINE else ["-display", self.display.name]
        launcher, window = self.start(install, display + ["-scheme", "plastic"],
                                      env=None if gui.WINE else {"DISPLAY": ""})
        self.assertEqual(window.geometry()[2:], (480, 248))
        self.assertNotEqual(window.pixels(), plain)
        self.assert_ends_writing_nothing(install, launcher, window, close_box=True)
