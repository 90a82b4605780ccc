"""Profiles in the real launcher: the first-profile dialog at start-up, a profile created from
the profile choice, refused names."""

import os, time

import launcher_gui as gui

HINT = (16, 75, 268, 13)  # the dialog's hint line
OK, CANCEL = (32, 88, 100, 25), (168, 88, 100, 25)
LINE = (168, 118, 312, 24)  # the progress line, between the profile and volume choices


def fresh_record(name, tag):  # a new player's record, with the tag letters the launcher drew
    record = bytearray(gui.profile_record(name))
    record[33:44] = tag + b"\0\1\0"
    record[48:3008:296] = b"\1" * 10
    return bytes(record)


class ProfilesTest(gui.LauncherTestCase):

    # Tag letters come from the never-seeded Microsoft C generator: the same
    # for the first two profiles of every run.
    def test_first_dialog_refused_names_and_profiles_created_by_enter(self):
        install = self.installation(config="name Bert\r\n")  # whose save is gone
        install.file("Data/Profils").rmdir()  # made with the first profile
        launcher, dialog = self.start(install, title=gui.DIALOG_TITLE)
        self.assertEqual(dialog.geometry(), (1366 // 2 - 150, 768 // 2 - 52, 300, 123))
        self.assertEqual(dialog.icon_pixel(*gui.ICON_CASTLE[:3]), gui.ICON_CASTLE[3])
        before = install.snapshot()
        for name in ("../../evil", "..", "CON", "Scores"):
            dialog.type(name, "Return")  # replaces the refused text, which stays selected
            time.sleep(0.3)
            self.assertTrue(self.display.viewable(gui.DIALOG_TITLE), name)
            self.assertEqual(install.snapshot(), before, name)
        self.assertTrue(gui.WINE or dialog.matches("refused_name_dialog.png"), "refused names")
        self.assertFalse(self.display.viewable(gui.MAIN_TITLE), "shown before the dialog ended")
        dialog.click(CANCEL)
        window = launcher.wait_for_window()
        # From the choice, with no profile listed too: a name makes or selects one; on Windows also
        # a name of the same file in another letter case. Either Enter key confirms it, with the
        # mouse over the main window (where the toolkit offers keys first), never starting the game.
        x, y, _, _ = window.geometry()
        for name, item, selected, key in (("Anna", 0, 0, "Return"), ("Bert", 1, 1, "KP_Enter"),
                                          ("anna", 2, 0 if gui.WINE else 2, "Return"),
                                          ("Anna", 3 - gui.WINE, 0, "KP_Enter")):
            window.pick("profile", item)
            dialog = launcher.wait_for_window(gui.DIALOG_TITLE)
            dialog.type(name)
            self.display.run("xdotool", "mousemove", "--sync", str(x + 240), str(y + 200))
            dialog.key(key)
            gui.wait_until(lambda: not self.display.viewable(gui.DIALOG_TITLE), what="no dialog")
            self.assertEqual(window.selected("profile"), selected, name)
        self.assertNotIn("Starting Game", launcher.stdout())
        self.assertTrue(gui.WINE or window.menu_matches("profile", "added_profile_items.png"))
        self.assertTrue(gui.WINE or window.matches("added_profile_line.png", LINE))
        self.start_game(launcher, window, "KP_Enter")
        self.assertTrue(install.read("Data/config.ini").startswith(b"name Anna\r\n"))
        self.assertEqual(sorted(os.listdir(install.file("Data/Profils"))),
                         ["Anna.bin", "Bert.bin"] + ["anna.bin"] * (not gui.WINE))
        self.assertTrue(gui.WINE or install.file("Data/Profils").stat().st_mode & 0o777 == 0o755)
        self.assertEqual(install.read("Data/Profils/Anna.bin"), fresh_record("Anna", b"ANETNLIV"))
        self.assertEqual(install.read("Data/Profils/Bert.bin"), fresh_record("Bert", b"TREUQMHA"))

    # The line's text is wider and taller than its box: a pick draws the longer one whole and leaves
    # no pixel behind. A dialog picked again comes forward; cancelled, it keeps profile and line.
    def test_progress_line_follows_the_current_profile(self):
        install = self.installation(config="name Bob\r\n", profiles=["Cleo"])
        install.write("Data/Profils/Bob.bin", gui.profile_record("Bob", levels=64, challenges=25))
        launcher, window = self.start(install)
        bob = window.pixels(LINE)
        window.pick("profile", 2)
        dialog = launcher.wait_for_window(gui.DIALOG_TITLE)
        drawn = dialog.pixels(CANCEL)
        self.display.run("xdotool", "windowraise", str(window.id))
        window.pick("profile", 2)
        self.assertEqual(dialog.pixels(CANCEL), drawn)
        window.pick("mode", 2)
        dialog.click(CANCEL)
        gui.wait_until(lambda: window.pixels(LINE) == bob, timeout=3, what="Bob's line")
        self.assertEqual(window.selected("profile"), 0)  # not the last one listed
        self.start_game(launcher, window)
        self.assertTrue(install.read("Data/config.ini").startswith(b"name Bob\r\nresolution 3"))
        install.write("Data/config.ini", "name Cleo\r\n")
        launcher, window = self.start(install)
        cleo = window.pixels(LINE)
        for item, line in ((0, bob), (1, cleo)):
            window.pick("profile", item)
            gui.wait_until(lambda: window.pixels(LINE) == line, timeout=3, what="the line")
        self.assertNotEqual(cleo, bob)

    # Typed, or made by the game, a name beyond ASCII names its file, its
    # record and the game's settings in the code page the game uses.
    def test_names_beyond_ascii_are_kept_in_the_code_page(self):
        install = self.installation(profiles=["Zoë"])
        launcher, window = self.start(install)
        window.pick("language", 1)  # the dialog's hint in the player's language
        window.pick("profile", 1)
        dialog = launcher.wait_for_window(gui.FRENCH_TITLE)
        dialog.type("a:b", "Return")
        time.sleep(0.3)
        self.assertTrue(gui.WINE or dialog.matches("french_hint.png", HINT))
        dialog.type("Chloé", "Return")
        gui.wait_until(lambda: not self.display.viewable(gui.FRENCH_TITLE), what="no dialog")
        window.pick("profile", 0)
        self.start_game(launcher, window)
        self.assertEqual(sorted(os.listdir(install.file("Data/Profils"))), ["Chloé.bin", "Zoë.bin"])
        chloe = "Chloé".encode(gui.CODE_PAGE)
        self.assertEqual(install.read("Data/Profils/Chloé.bin")[:len(chloe) + 1], chloe + b"\0")
        self.assertEqual(install.read("Data/config.ini").split(b"\r\n")[0],
                         b"name " + "Zoë".encode(gui.CODE_PAGE))

    # The toolkit takes the locale from the environment; in Turkish "i" and
    # "I" are no pair. Names fold ASCII letters: "iris.BIN" is listed, first.
    def test_names_fold_ascii_letters_under_a_turkish_locale(self):
        if gui.WINE:
            self.skipTest("a locale of the Linux C library")
        install = self.installation(profiles=["Zed"])
        install.write("Data/Profils/iris.BIN", gui.profile_record("iris"))
        locales = {"LOCPATH": self.locale_path("tr_TR"), "LC_ALL": "tr_TR.UTF-8"}
        launcher, window = self.start(install, env=locales)
        self.start_game(launcher, window)
        self.assertTrue(install.read("Data/config.ini").startswith(b"name iris\r\n"))

    # A profile whose file cannot be written is not listed: the dialog stays with the reason under
    # the name (drawn whole over an earlier hint), and nothing is left on disk.
    def test_full_disk_then_cancel_leave_no_profile_and_the_window_shows(self):
        install = self.installation()
        before = install.snapshot()
        launcher, dialog = self.start(install, title=gui.DIALOG_TITLE, preexec_fn=gui.full_disk)
        hints = [dialog.pixels(HINT)]
        for name in ("Zed", "CON", "Zed"):
            dialog.type(name)
            dialog.click(OK)
            time.sleep(0.3)
            hints.append(dialog.pixels(HINT))
        self.assertEqual(launcher.stderr().count("Cannot create the profile Zed"), 2)
        # Wine words a file-size limit its own way.
        self.assertTrue(gui.WINE or gui.FULL_DISK_ERROR in launcher.stderr(), launcher.stderr())
        self.assertTrue(self.display.viewable(gui.DIALOG_TITLE))
        self.assertEqual(len(set(hints)), 3)
        self.assertEqual(hints[1], hints[3])
        self.assertEqual(install.snapshot(), before)
        dialog.close_box()  # as its cancel button
        window = launcher.wait_for_window()
        self.assertEqual(window.selected("profile"), -1)
        self.assert_ends_writing_nothing(install, launcher, window)
