"""Profiles in the real launcher: the first-profile dialog at start-up, a
profile created from the profile choice, the scan's warning, and names that
must not create files."""

import time
import unittest

import launcher_gui as gui

DIALOG_SIZE = (300, 123)
DIALOG_PLACE = (gui.SCREEN_SIZE[0] // 2 - 150, gui.SCREEN_SIZE[1] // 2 - 52)
CANCEL_BUTTON = (168, 88, 100, 25)
WARNING = "Warning max profile number reached (10)"
# The letters the first profile created in any run gets.
FIRST_TAG = b"ANETNLIV"


class ProfilesTest(gui.LauncherTestCase):

    def setUp(self):
        # Every test starts with the pointer in a corner.
        self.display.run("xdotool", "mousemove", "0", "0")

    def start_without_profile(self):
        install = self.installation()
        launcher = self.start(install)
        dialog = launcher.wait_for_window(gui.DIALOG_TITLE)
        return install, launcher, dialog

    def assert_fresh_profile_file(self, install, name):
        record = install.read("Data/Profils/%s.bin" % name)
        self.assertEqual(len(record), gui.PROFILE_FILE_SIZE)
        self.assertEqual(record[:33], name.encode().ljust(33, b"\0"))
        self.assertEqual(record[33:41], FIRST_TAG)

    def quit(self, launcher, window):
        window.key("Escape")
        self.assertEqual(launcher.wait_exit(), 0, launcher.stderr())

    def test_without_profile_the_dialog_comes_first_at_its_place(self):
        _, launcher, dialog = self.start_without_profile()
        self.assertEqual(dialog.geometry(), DIALOG_PLACE + DIALOG_SIZE)
        time.sleep(0.3)
        self.assertFalse(launcher.window_shown(gui.MAIN_TITLE))
        dialog.key("Escape")
        launcher.wait_for_window()
        self.assertFalse(launcher.window_shown(gui.DIALOG_TITLE))

    def test_a_name_and_enter_create_the_profile(self):
        install, launcher, dialog = self.start_without_profile()
        dialog.type("Anna")
        dialog.key("Return")
        window = launcher.wait_for_window()
        self.assertEqual(install.profile_names(), ["Anna.bin"])
        self.assert_fresh_profile_file(install, "Anna")
        self.quit(launcher, window)

    def test_cancel_leaves_no_profile_and_the_window_shows(self):
        install, launcher, dialog = self.start_without_profile()
        before = install.snapshot()
        dialog.click_center(CANCEL_BUTTON)
        window = launcher.wait_for_window()
        self.assertEqual(install.profile_names(), [])
        self.quit(launcher, window)
        self.assertEqual(install.snapshot(), before)

    def test_profile_created_from_the_choices_last_item(self):
        anna = gui.profile_record("Anna", levels_done=30, challenges_done=4)
        install = self.installation(profiles={"Anna": anna})
        launcher = self.start(install)
        window = launcher.wait_for_window()
        window.pick("profile", 1)
        dialog = launcher.wait_for_window(gui.DIALOG_TITLE)
        dialog.type("Bert")
        dialog.key("Return")
        gui.wait_until(lambda: not launcher.window_shown(gui.DIALOG_TITLE), what="the dialog to close")
        self.assertEqual(install.profile_names(), ["Anna.bin", "Bert.bin"])
        self.assert_fresh_profile_file(install, "Bert")
        self.assertEqual(install.read("Data/Profils/Anna.bin"), anna)
        # Back to Anna: her file is read again, never written.
        window.pick("profile", 0)
        self.assertEqual(install.read("Data/Profils/Anna.bin"), anna)
        self.quit(launcher, window)

    def test_twelve_profiles_and_scores_print_the_warning_twice(self):
        names = ["Player%02d" % i for i in range(12)] + ["Scores"]
        install = self.installation(profiles=names)
        before = install.snapshot()
        launcher = self.start(install)
        window = launcher.wait_for_window()
        self.quit(launcher, window)
        lines = launcher.stdout_lines()
        self.assertEqual(lines[0], "Program start")
        self.assertEqual([line for line in lines if line.startswith("Warning")], [WARNING, WARNING])
        self.assertEqual(install.snapshot(), before)

    def test_unsafe_names_create_nothing_and_keep_the_dialog_open(self):
        install, launcher, dialog = self.start_without_profile()
        before = install.snapshot()
        outside = install.path.parent / "evil.bin"
        self.assertFalse(outside.exists())
        for name in ("../../evil", "..", "CON", "Scores"):
            dialog.type(name)
            dialog.key("Return")
            time.sleep(0.3)
            self.assertTrue(launcher.window_shown(gui.DIALOG_TITLE), name)
            self.assertEqual(install.snapshot(), before, name)
            # The refused text stays selected, so typing replaces it.
        self.assertFalse(launcher.window_shown(gui.MAIN_TITLE))
        self.assertFalse(outside.exists())
        dialog.type("Good")
        dialog.key("Return")
        window = launcher.wait_for_window()
        self.assertEqual(install.profile_names(), ["Good.bin"])
        self.quit(launcher, window)


if __name__ == "__main__":
    unittest.main()
