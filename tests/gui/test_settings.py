"""Saved settings in the real launcher: the choices they preselect, the picks (a language
included) that Start Game saves, damaged settings files, the system's language if none is saved."""

import launcher_gui as gui

PROFILES = ["Al", "Anna Maria", "Carla"]
# What a language pick relabels: the labels left of three choices, the Start
# button, and the mode choice showing its first item.
RELABELLED = [(168, y, 140, 30) for y in (48, 88, 142)] + [gui.START_BUTTON, gui.CHOICES["mode"]]
TITLES = {1: gui.DIALOG_TITLE, 2: gui.FRENCH_TITLE,
          5: "Gib deinen Namen ein (höchstens 31 Zeichen)"}
AROUND_BUTTON = [(168, 172, 312, 5), (168, 177, 52, 48), (440, 177, 40, 48), (168, 225, 312, 3)]


class SettingsTest(gui.LauncherTestCase):

    def saved(self, install, launcher, window, key=None):  # the numbers Start Game saved
        self.start_game(launcher, window, key)
        return tuple(map(int, install.launch_settings("resolution", "langage", "volume")))

    # A directory in config.ini's place: the first press holds the game, the
    # button saying why within its bounds in every language, the choices answer
    # (a language relabels the window), and the next press saves the picks.
    def test_picks_after_a_press_that_could_not_save_are_saved_by_the_next(self):
        install = self.installation(profiles=PROFILES, game_settings="shadows 2\r\n")
        install.file("Data/config.ini").mkdir()
        launcher, window = self.start(install)
        english = [window.pixels(area) for area in RELABELLED]
        around = [window.pixels(area) for area in AROUND_BUTTON]
        window.click(gui.START_BUTTON)
        for language in (5, 4, 3, 2, 0, 1):  # French last
            shown = window.pixels(gui.START_BUTTON)
            window.pick("language", language)
            gui.wait_until(lambda: window.pixels(gui.START_BUTTON) != shown, what="relabelling")
            self.assertEqual([window.pixels(area) for area in AROUND_BUTTON], around, language)
        for area, before in zip(RELABELLED, english):
            self.assertNotEqual(window.pixels(area), before, area)
        for choice, item in (("mode", 2), ("profile", 2), ("volume", 5)):
            window.pick(choice, item)
            # Every label and item the pick relabelled, as the player sees them.
            self.assertTrue(gui.WINE or window.menu_matches(choice, "french_%s_items.png" % choice))
        self.assertTrue(gui.WINE or window.matches("french_settings_not_saved.png"))
        install.file("Data/config.ini").rmdir()
        # Return presses Start Game again, as a click would.
        self.assertEqual(self.saved(install, launcher, window, "Return"), (3, 2, 5))
        self.assertTrue(install.read("game_saw_config.ini").startswith(b"name Carla\r\n"))
        self.assertEqual(launcher.stdout().count("Starting Game"), 2)

    # Without a name only the language is applied; with one, each number is applied only inside its
    # choice's items (a missing key reads 0: volume "Off", no mode or language). Lone line feeds and
    # a name of two words are read whole.
    def test_saved_settings_preselect_and_damaged_ones_leave_the_launcher_working(self):
        cases = [  # config.ini; the items selected, in CHOICES' order (None: not read); saved
            ("name Anna Maria\nresolution 3\nlangage 2\nvolume 0\n", (2, 1, 1, 0), (3, 2, 0)),
            ("name carla\r\nvolume 5", (0, 0, 0, 5), (1, 1, 5)),
            ("name \r\nresolution 3\r\nlangage 2\r\nvolume 0\r\n", (0, 1, 0, 4), (1, 2, 4)),
            ("name Carla\r\nresolution 6\r\nlangage 6\r\nvolume 6\r\n", (0, 5, 2, 4), (1, 6, 4)),
            ("name Al\r\nresolution 5\r\nlangage 7\r\nvolume -1\r\n", (4, 0, None, 4), (5, 1, 4)),
            ("name Al\r\nresolution -2147483648\r\nlangage 2147483647\r\n"
             "volume 99999999999999999999\r\n", (None,) * 4, (1, 1, 4)),
        ]
        for config, selected, launched in cases:
            with self.subTest(config=repr(config)[:40]):
                install = self.installation(profiles=PROFILES, config=config)
                launcher, window = self.start(install)
                expected = {name: i for name, i in zip(gui.CHOICES, selected) if i is not None}
                self.assertEqual({name: window.selected(name) for name in expected}, expected)
                for menu in ("mode", "volume") if expected.get("profile") == 1 else ():
                    # Start-up relabels the items in the saved language.
                    self.assertTrue(gui.WINE or window.menu_matches(menu, "saved_%s.png" % menu))
                if expected.get("mode") == 4:  # too long for the box: drawn smaller
                    self.assertTrue(gui.WINE or window.matches("half_size_mode.png",
                                                               gui.CHOICES["mode"]))
                self.assertEqual(self.saved(install, launcher, window), launched)

    # With no language saved (or one out of range) the first-profile dialog, the window and what
    # Start Game saves speak the system's language (LANG, which sets Wine's too); a saved one wins;
    # C, and a language the launcher lacks, are English.
    def test_first_start_speaks_the_systems_language_unless_one_is_saved(self):
        locales = self.locale_path("de_DE")  # Wine needs the locale built too
        german = {"LC_ALL": None, "LANG": "de_DE.UTF-8", "LOCPATH": locales}
        cases = [  # environment, config.ini, the language the launcher speaks and saves
            (german, None, 5), (german, "name Bert\r\nlangage 9\r\n", 5),
            (german, "langage 2\r\n", 2), (dict(german, LC_ALL="C"), None, 1),
            (dict(german, LANG="pt_BR.UTF-8"), None, 1),
        ]
        for env, config, language in cases:
            with self.subTest(env=env, config=config):
                install = self.installation(config=config)
                launcher, dialog = self.start(install, title=TITLES[language], env=env)
                dialog.type("Anna", "Return")
                window = launcher.wait_for_window()
                if language == 5 and not config:  # the whole window, in German (X11)
                    self.assertTrue(gui.WINE or window.matches("german_window.png"))
                self.assertEqual(self.saved(install, launcher, window)[1], language)
