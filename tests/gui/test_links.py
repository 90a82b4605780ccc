"""The four link labels in the real launcher: each click hands its target to
the desktop's opener found on PATH, and the window goes on running."""

import os
import signal
import unittest

import launcher_gui as gui

# Stand-in openers: record how they were called, then stay alive as a
# browser would, so a launcher that waited for them would be caught.
STAND_IN = """#!/bin/sh
echo "$(basename "$0") $*" >> "{0}/opened.log"
echo $$ >> "{0}/pids"
exec sleep 30
"""


class LinksTest(gui.LauncherTestCase):

    def test_each_click_hands_its_target_over_while_the_window_runs(self):
        install = self.installation(profiles=["Anna"])
        bin_dir = install.file("stand-ins")
        for name in ("xdg-open", "xdg-email"):
            install.write("stand-ins/" + name, STAND_IN.format(install.path))
            (bin_dir / name).chmod(0o755)
        self.addCleanup(self.end_stand_ins, install)
        launcher, window = self.start(install, path_prefix=bin_dir)
        opened = lambda: install.read("opened.log").decode().splitlines() \
            if install.exists("opened.log") else []
        for count, link in enumerate(["mail", "website", "us_shop", "europe_shop", "website"], 1):
            self.display.run("xdotool", "mousemove", "0", "0")
            window.click(gui.LINKS[link])
            gui.wait_until(lambda: len(opened()) >= count, what="hand-off %d" % count)
        website = "xdg-open https://www.tarvelline.example/"
        shop = "xdg-open https://www.korvanex.example/%s/plumbox/games/tarvelline"
        self.assertEqual(opened(), [
            "xdg-email mailto:contact@tarvelline.example?subject=TarvellinePC", website,
            shop % "us", shop % "eu", website])
        # The loop still answers: a pick, then Escape ends it as usual.
        window.pick("language", 1)
        window.key("Escape")
        self.assertEqual(launcher.wait_exit(), 0)
        self.assertEqual(len(opened()), 5)
        self.assertFalse(install.exists("Data/config.ini"))

    def end_stand_ins(self, install):
        for pid in (install.read("pids").split() if install.exists("pids") else []):
            try:
                os.kill(int(pid), signal.SIGTERM)
            except ProcessLookupError:
                pass


if __name__ == "__main__":
    unittest.main()
