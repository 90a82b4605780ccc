"""The four link labels in the real launcher: each click hands its target to
the desktop's opener found on PATH, and the window goes on running."""

import os

import launcher_gui as gui

# Stand-in openers: record how they were called, then stay alive as a
# browser would (until the test ends), so a launcher that waited for them
# would be caught.
STAND_IN = """#!/bin/sh
echo "$(basename "$0") $*" >> "{0}/opened.log"
while [ -e "{0}/gate" ]; do sleep 0.1; done
"""


class LinksTest(gui.LauncherTestCase):

    def test_each_click_hands_its_target_over_while_the_window_runs(self):
        install = self.installation(profiles=["Anna"])
        for name in ("xdg-open", "xdg-email"):
            install.write("bin/" + name, STAND_IN.format(install.path))
            install.file("bin/" + name).chmod(0o755)
        install.write("gate", "")
        self.addCleanup(os.remove, install.file("gate"))
        launcher, window = self.start(
            install, env={"PATH": "%s:%s" % (install.file("bin"), os.environ["PATH"])})
        opened = lambda: install.read("opened.log").decode().splitlines() \
            if install.exists("opened.log") else []
        for count, link in enumerate(["mail", "website", "us_shop", "europe_shop", "website"], 1):
            window.click(gui.LINKS[link])
            gui.wait_until(lambda: len(opened()) >= count, what="hand-off %d" % count)
        website = "xdg-open https://www.tarvelline.example/"
        shop = "xdg-open https://www.korvanex.example/%s/plumbox/games/tarvelline"
        self.assertEqual(opened(), [
            "xdg-email mailto:contact@tarvelline.example?subject=TarvellinePC", website,
            shop % "us", shop % "eu", website])
        # The loop still answers: a pick, then Escape ends it as usual.
        window.pick("language", 1)
        self.assert_escape_ends_writing_nothing(install, launcher, window)
