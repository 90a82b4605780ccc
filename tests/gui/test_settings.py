"""Saved settings in the real launcher: the choices they preselect, and
settings files that are damaged, huge or out of range."""

import random
import unittest

import launcher_gui as gui

PROFILES = ["Anna", "Bob", "Carla"]

# Items in each choice of a window over PROFILES (the profile choice adds
# its new-profile item).
ITEM_COUNTS = {"mode": 5, "language": 6, "profile": len(PROFILES) + 1, "volume": 6}


def selected_item(display, window, choice, item_count):
    """The index of the selected item of one of the main window's choices,
    or -1 when none is selected. Read from where its menu opens: the toolkit
    places the selected item over the choice, and drops the menu below the
    choice when nothing is selected. The menu is closed again."""
    before = set(display.top_level_windows())
    window.click_center(gui.CHOICES[choice])
    menus = gui.wait_until(lambda: {w: g for w, g in display.top_level_windows().items()
                                    if w not in before}, what="the %s menu" % choice)
    menu_id, (_, menu_y, _, menu_h) = max(menus.items(), key=lambda item: item[1][3])
    window.key("Escape")
    gui.wait_until(lambda: menu_id not in display.top_level_windows(),
                   what="the %s menu to close" % choice)

    _, window_y, _, _ = window.geometry()
    _, y, _, h = gui.CHOICES[choice]
    choice_top = window_y + y
    if menu_y >= choice_top + h:
        return -1
    item_height = (menu_h + 1 - 8) / item_count
    return round((choice_top - menu_y) / item_height)


class SettingsGuiTestCase(gui.LauncherTestCase):

    def selections(self, window):
        return {name: selected_item(self.display, window, name, count)
                for name, count in ITEM_COUNTS.items()}

    def assert_ends_by_escape_writing_nothing(self, install, launcher, window):
        before = install.snapshot()
        window.key("Escape")
        self.assertEqual(launcher.wait_exit(), 0, launcher.stderr())
        self.assertEqual(install.snapshot(), before)
        self.assertNotIn("Sanitizer", launcher.stderr())
        self.assertNotIn("runtime error", launcher.stderr())


class SavedSettingsTest(SettingsGuiTestCase):

    def test_saved_settings_preselect_the_four_choices(self):
        install = self.installation(
            profiles=PROFILES, config="name Carla\r\nresolution 3\r\nlangage 2\r\nvolume 0\r\n")
        launcher = self.start(install)
        window = launcher.wait_for_window()
        self.assertEqual(self.selections(window),
                         {"mode": 2, "language": 1, "profile": 2, "volume": 0})
        self.assert_ends_by_escape_writing_nothing(install, launcher, window)

    def test_without_a_saved_name_the_choices_keep_their_defaults(self):
        install = self.installation(
            profiles=PROFILES, config="resolution 3\r\nlangage 2\r\nvolume 0\r\n")
        launcher = self.start(install)
        window = launcher.wait_for_window()
        self.assertEqual(self.selections(window),
                         {"mode": 0, "language": 0, "profile": 0, "volume": 4})
        self.assert_ends_by_escape_writing_nothing(install, launcher, window)

    def test_lines_ended_by_a_lone_line_feed_are_read_whole(self):
        install = self.installation(
            profiles=PROFILES, config="name Bob\nresolution 5\nlangage 3\nvolume 1\n")
        launcher = self.start(install)
        window = launcher.wait_for_window()
        self.assertEqual(self.selections(window),
                         {"mode": 4, "language": 2, "profile": 1, "volume": 1})
        self.assert_ends_by_escape_writing_nothing(install, launcher, window)

    def test_profile_name_of_two_words_is_preselected(self):
        # Listed as Al, then Anna Maria.
        install = self.installation(profiles=["Al", "Anna Maria"],
                                    config="name Anna Maria\r\nvolume 2\r\n")
        launcher = self.start(install)
        window = launcher.wait_for_window()
        self.assertEqual(selected_item(self.display, window, "profile", 3), 1)
        self.assert_ends_by_escape_writing_nothing(install, launcher, window)

    def test_picks_saved_by_start_game_are_restored_at_the_next_start(self):
        install = self.installation(profiles=PROFILES, game_settings="shadows 2\r\n")
        install.install_script_game("exit 0\n")
        launcher = self.start(install)
        window = launcher.wait_for_window()
        window.pick("mode", 2)
        window.pick("profile", 1)
        window.pick("volume", 5)
        window.click_center(gui.START_BUTTON)
        self.assertEqual(launcher.wait_exit(), 0, launcher.stderr())

        launcher = self.start(install)
        window = launcher.wait_for_window()
        self.assertEqual(self.selections(window),
                         {"mode": 2, "language": 0, "profile": 1, "volume": 5})
        self.assert_ends_by_escape_writing_nothing(install, launcher, window)


class DamagedSettingsTest(SettingsGuiTestCase):

    def run_with(self, config, **kwargs):
        """Starts the launcher on `config`, checks that it shows its window
        and ends by Escape with status 0 and nothing written; returns the
        selections it showed."""
        install = self.installation(profiles=PROFILES, config=config, **kwargs)
        launcher = self.start(install)
        window = launcher.wait_for_window()
        shown = self.selections(window)
        self.assert_ends_by_escape_writing_nothing(install, launcher, window)
        return shown

    def test_random_bytes(self):
        noise = random.Random(5)
        for size in (1, 4096, 1 << 20):
            with self.subTest(size=size):
                self.run_with(bytes(noise.getrandbits(8) for _ in range(size)))

    def test_hundred_thousand_lines(self):
        lines = "name Bob\r\nvolume 2\r\n" + "key value\r\n" * 100000
        shown = self.run_with(lines)
        self.assertEqual((shown["profile"], shown["volume"]), (1, 2))

    def test_megabyte_line(self):
        shown = self.run_with("name " + "x" * (1 << 20) + "\r\nvolume 1\r\n")
        self.assertEqual(shown["profile"], 0)
        self.assertEqual(shown["volume"], 1)

    def test_file_without_line_end(self):
        shown = self.run_with("name Carla\r\nvolume 3")
        self.assertEqual((shown["profile"], shown["volume"]), (2, 3))

    def test_numbers_out_of_range_select_no_other_item(self):
        shown = self.run_with("name Anna\r\nresolution 0\r\nlangage 9\r\nvolume -7\r\n")
        self.assertEqual(shown, {"mode": -1, "language": 0, "profile": 0, "volume": 4})

    def test_numbers_at_the_int_limits(self):
        self.run_with("name Anna\r\nresolution -2147483648\r\nlangage 2147483647\r\n"
                      "volume 99999999999999999999\r\n")

    def test_window_still_works_after_out_of_range_numbers(self):
        install = self.installation(profiles=PROFILES,
                                    config="name Anna\r\nresolution 9\r\nlangage 0\r\n")
        launcher = self.start(install)
        window = launcher.wait_for_window()
        window.pick("mode", 3)
        window.pick("language", 1)
        self.assertEqual(selected_item(self.display, window, "mode", 5), 3)
        self.assertEqual(selected_item(self.display, window, "language", 6), 1)
        self.assert_ends_by_escape_writing_nothing(install, launcher, window)

    def test_directory_in_place_of_the_settings_file(self):
        install = self.installation(profiles=PROFILES)
        install.file("Data/config.ini").mkdir()
        launcher = self.start(install)
        window = launcher.wait_for_window()
        self.assertEqual(self.selections(window),
                         {"mode": 0, "language": 0, "profile": 0, "volume": 4})
        self.assert_ends_by_escape_writing_nothing(install, launcher, window)


if __name__ == "__main__":
    unittest.main()
