"""The four link labels in the real launcher: each click hands its target to
the desktop's opener, found on PATH, and the window goes on running."""

import os
import signal
import unittest

import launcher_gui as gui

# Stand-in openers: record how they were called, then stay alive a while, as
# a browser would, so a launcher that waited for them would be caught.
STAND_IN = """#!/bin/sh
echo "$(basename "$0") $*" >> "{log}"
echo $$ >> "{pids}"
exec sleep 30
"""

MAIL = "mailto:contact@tarvelline.example?subject=TarvellinePC"
WEBSITE = "https://www.tarvelline.example/"
US_SHOP = "https://www.korvanex.example/us/plumbox/games/tarvelline"
EUROPE_SHOP = "https://www.korvanex.example/eu/plumbox/games/tarvelline"


class LinksTest(gui.LauncherTestCase):

    def setUp(self):
        # A synchronous pointer move to where the pointer already is can
        # stall xdotool; every test starts with the pointer in a corner.
        self.display.run("xdotool", "mousemove", "0", "0")
        self.bin = self.scratch_dir()
        self.log = self.bin / "opened.log"
        self.pids = self.bin / "pids"
        for name in ("xdg-open", "xdg-email"):
            script = self.bin / name
            script.write_text(STAND_IN.format(log=self.log, pids=self.pids))
            script.chmod(0o755)
        self.addCleanup(self.end_stand_ins)
        self.launcher = self.start(self.installation(profiles=["Anna"]), path_prefix=self.bin)
        self.window = self.launcher.wait_for_window()

    def end_stand_ins(self):
        if not self.pids.exists():
            return
        for line in self.pids.read_text().split():
            try:
                os.kill(int(line), signal.SIGTERM)
            except (ProcessLookupError, ValueError):
                pass

    def opened(self):
        return self.log.read_text().splitlines() if self.log.exists() else []

    def click_and_wait(self, link, count):
        """Clicks a link and waits until `count` hand-offs are recorded."""
        self.display.run("xdotool", "mousemove", "0", "0")
        self.window.click_center(gui.LINKS[link])
        gui.wait_until(lambda: len(self.opened()) >= count, what="hand-off %d" % count)

    def test_each_link_hands_its_own_target_over(self):
        self.click_and_wait("mail", 1)
        self.click_and_wait("website", 2)
        self.click_and_wait("us_shop", 3)
        self.click_and_wait("europe_shop", 4)
        self.assertEqual(self.opened(), ["xdg-email " + MAIL, "xdg-open " + WEBSITE,
                                         "xdg-open " + US_SHOP, "xdg-open " + EUROPE_SHOP])

    def test_two_clicks_hand_the_target_over_twice(self):
        self.click_and_wait("website", 1)
        self.click_and_wait("website", 2)
        self.assertEqual(self.opened(), ["xdg-open " + WEBSITE] * 2)

    def test_window_keeps_running_while_the_opener_does(self):
        self.click_and_wait("mail", 1)
        self.assertTrue(self.launcher.running())
        # The loop still answers: a language pick and then Escape, which ends
        # the launcher as usual, with nothing written.
        self.window.pick("language", 1)
        self.window.key("Escape")
        self.assertEqual(self.launcher.wait_exit(), 0)
        self.assertEqual(len(self.opened()), 1)
        self.assertFalse(self.launcher.installation.exists("Data/config.ini"))


if __name__ == "__main__":
    unittest.main()
