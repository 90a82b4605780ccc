"""Profiles in the real launcher: the first-profile dialog at start-up, a
profile created from the profile choice, refused names, the scan's warning."""

import os
import time
import unittest

import launcher_gui as gui

HINT = (16, 76, 268, 12)  # the dialog's hint line


class ProfilesTest(gui.LauncherTestCase):

    def test_first_dialog_refused_names_and_profiles_created_by_enter(self):
        install = self.installation()
        launcher, dialog = self.start(install, title=gui.DIALOG_TITLE)
        self.assertEqual(dialog.geometry(), (1366 // 2 - 150, 768 // 2 - 52, 300, 123))
        before = install.snapshot()
        for name in ("../../evil", "..", "CON", "Scores"):
            dialog.type(name)  # replaces the refused text, which stays selected
            dialog.key("Return")
            time.sleep(0.3)
            self.assertTrue(self.display.viewable(gui.DIALOG_TITLE), name)
            self.assertEqual(install.snapshot(), before, name)
        self.assertFalse(self.display.viewable(gui.MAIN_TITLE), "shown before the dialog ended")

        dialog.type("Anna")
        dialog.key("Return")
        window = launcher.wait_for_window()
        self.assertEqual(sorted(os.listdir(install.file("Data/Profils"))), ["Anna.bin"])
        anna = install.read("Data/Profils/Anna.bin")
        # The letters the first profile of every run gets.
        self.assertEqual(anna[:41], b"Anna".ljust(33, b"\0") + b"ANETNLIV")
        self.assertEqual(len(anna), gui.PROFILE_FILE_SIZE)

        window.pick("profile", 1)
        dialog = launcher.wait_for_window(gui.DIALOG_TITLE)
        dialog.type("Bert")
        dialog.key("Return")
        gui.wait_until(lambda: not self.display.viewable(gui.DIALOG_TITLE), what="the dialog to close")
        self.assertEqual(sorted(os.listdir(install.file("Data/Profils"))), ["Anna.bin", "Bert.bin"])
        self.assertEqual(len(install.read("Data/Profils/Bert.bin")), gui.PROFILE_FILE_SIZE)
        # A listed name typed again selects that profile: no second item.
        window.pick("profile", 2)
        dialog = launcher.wait_for_window(gui.DIALOG_TITLE)
        dialog.type("Anna")
        dialog.key("Return")
        gui.wait_until(lambda: not self.display.viewable(gui.DIALOG_TITLE), what="the dialog to close")
        self.assertEqual(window.selected("profile"), 0)
        self.assert_escape_ends_writing_nothing(install, launcher, window)
        self.assertEqual(install.read("Data/Profils/Anna.bin"), anna)

    # The line's text is wider and taller than its box: a pick must leave no
    # pixel of the previous profile's line.
    def test_progress_line_after_a_pick_is_drawn_as_at_start_up(self):
        install = self.installation(config="name Bob\r\n")
        install.write("Data/Profils/Anna.bin", gui.profile_record("Anna", levels=30, challenges=8))
        install.write("Data/Profils/Bob.bin", gui.profile_record("Bob", levels=5, challenges=1))
        line_area = (168, 118, 312, 24)  # between the profile and volume choices
        launcher, window = self.start(install)
        bob = window.pixels(line_area)
        self.assert_escape_ends_writing_nothing(install, launcher, window)
        install.write("Data/config.ini", "name Anna\r\n")
        launcher, window = self.start(install)
        self.assertNotEqual(window.pixels(line_area), bob)
        window.pick("profile", 1)
        gui.wait_until(lambda: window.pixels(line_area) == bob, timeout=3,
                       what="the line as Bob's at start-up")

    # Typed, or made by the game, a name beyond ASCII names its file, its
    # record and the game's settings in the code page the game uses.
    def test_names_beyond_ascii_are_kept_in_the_code_page(self):
        install = self.installation(profiles=["Zoë"])
        install.install_stand_in_game()
        launcher, window = self.start(install)
        window.pick("profile", 1)
        dialog = launcher.wait_for_window(gui.DIALOG_TITLE)
        dialog.type("Chloé")
        dialog.key("Return")
        gui.wait_until(lambda: not self.display.viewable(gui.DIALOG_TITLE), what="the dialog to close")
        window.pick("profile", 0)
        window.click(gui.START_BUTTON)
        self.assertEqual(launcher.wait_exit(), 0, launcher.stderr())
        self.assertEqual(sorted(os.listdir(install.file("Data/Profils"))), ["Chloé.bin", "Zoë.bin"])
        chloe = "Chloé".encode(gui.CODE_PAGE)
        self.assertEqual(install.read("Data/Profils/Chloé.bin")[:len(chloe) + 1], chloe + b"\0")
        self.assertEqual(install.read("Data/config.ini").split(b"\r\n")[0],
                         b"name " + "Zoë".encode(gui.CODE_PAGE))

    # A profile whose file cannot be written is not listed: the dialog stays
    # with the reason under the name, and nothing is left on disk.
    def test_full_disk_then_cancel_leave_no_profile_and_the_window_shows(self):
        install = self.installation()
        preexec_fn = self.restrict_data(install, "full")
        before = install.snapshot()
        launcher, dialog = self.start(install, title=gui.DIALOG_TITLE, preexec_fn=preexec_fn)
        hint = dialog.pixels(HINT)
        dialog.type("Zed")
        dialog.key("Return")
        reason = os.strerror(self.write_error)
        gui.wait_until(lambda: reason in launcher.stderr(), what="the reason on standard error")
        self.assertIn("Zed", launcher.stderr())
        self.assertTrue(self.display.viewable(gui.DIALOG_TITLE))
        self.assertNotEqual(dialog.pixels(HINT), hint)
        self.assertEqual(install.snapshot(), before)
        dialog.click((168, 88, 100, 25))
        window = launcher.wait_for_window()
        self.assertEqual(window.selected("profile"), -1)
        self.assert_escape_ends_writing_nothing(install, launcher, window)
        self.assertEqual(install.snapshot(), before)

    def test_twelve_profiles_and_scores_print_the_warning_twice(self):
        install = self.installation(profiles=["Player%02d" % i for i in range(12)] + ["Scores"])
        before = install.snapshot()
        launcher, window = self.start(install)
        self.assert_escape_ends_writing_nothing(install, launcher, window)
        self.assertEqual([line for line in launcher.stdout().splitlines() if "Warning" in line],
                         ["Warning max profile number reached (10)"] * 2)
        self.assertEqual(install.snapshot(), before)


if __name__ == "__main__":
    unittest.main()
