"""The whole window by keyboard alone and by game controller alone: every choice changed both ways
(arrows and its menu), a profile made, a link opened, the game started; the focus frame shown only
to those who use it. The pad: a stand-in XInput under Wine, a uinput device on Linux."""

import time

import launcher_gui as gui
import pads

PROFILES = ["Anna", "Bob"]
CONFIG = "name Anna\r\nresolution 1\r\nlangage 1\r\nvolume 4\r\n"
ITALIAN_TITLE = "Inserisci il tuo nome (massimo 31 caratteri)"


class ControlsTest(gui.LauncherTestCase):

    def saved(self, install, launcher):
        self.assertEqual(launcher.wait_exit(), 0, launcher.stderr())
        return install.launch_settings("name", "resolution", "langage", "volume")

    # No frame until a key moves the focus; Tab shows it, a click hides it. Arrows step each choice
    # and its menu picks; a profile is made in the dialog (Tab reaches OK and CANCEL); Return and
    # Space open links; the game starts with every pick.
    def test_keyboard_alone(self):
        install = self.installation(profiles=PROFILES, config=CONFIG)
        launcher, window = self.start(install, env=install.link_openers())
        plain = window.pixels()
        window.key("Tab")  # Start Game -> MAIL
        self.assertNotEqual(window.pixels(), plain)
        window.key("Return")
        self.assertEqual(install.opened(1), [gui.MAIL])
        window.click((0, 0, 168, 248))  # the picture: nothing but the frame hides
        self.assertEqual(window.pixels(), plain)
        window.key("Up", "Up", "Up", "Up", "Up",          # MAIL -> Start ... -> mode
                   "Right", "Right", "Left",              # mode 2
                   "space", "Down", "Down", "Return",     # its menu: mode 4
                   "Down", "Right", "Right", "Left",      # language: French
                   "space", "Down", "Down", "Return",     # its menu: Italian
                   "Down", "Right", "Right", "Left",      # profile: Bob, not past it, Anna
                   "Tab", "Left", "space", "Up", "Return")  # volume: 3, its menu: 2
        self.assertTrue(gui.WINE or window.matches("focus_on_volume.png", (168, 135, 312, 44)))
        for last_keys in (("Tab", "Tab", "Return"), ("Tab", "Return")):  # CANCEL, then OK
            window.key("shift+Tab", "Return", "Down", "Down", "Return")  # the new profile
            dialog = launcher.wait_for_window(ITALIAN_TITLE)
            dialog.type("Cleo", *last_keys)
            gui.wait_until(lambda: not self.display.viewable(ITALIAN_TITLE), what="no dialog")
            window.key("Tab")  # back to the volume choice
        window.key("Down", "Right", "Right", "space")  # Start Game, MAIL, WEBSITE
        self.assertEqual(install.opened(2), [gui.MAIL, gui.WEBSITE])
        window.key("Left", "Left", "Return")  # Start Game
        self.assertEqual(self.saved(install, launcher), ("Cleo", "4", "4", "2"))

    def use(self, pad, *inputs):  # button taps and D-pad presses ("up"), one at a time
        for name in inputs:
            if name in pad.BUTTONS:
                pad.tap(name), time.sleep(0.3)
            else:
                pad.dpad(name), time.sleep(0.15), pad.dpad(None), time.sleep(0.15)

    # A pad connected at the first start: the dialog suggests a name, which A confirms. Then the
    # pad alone: the D-pad and the stick move the focus and step the choices, a held direction
    # repeats, A opens a menu and picks, B closes it unchanged and cancels the dialog; opened by the
    # pad, the dialog suggests a name in the window's language, which A makes; A opens a link;
    # pulled out, the pad leaves nothing held; plugged in again it works; Start starts the game.
    def test_controller_alone(self):
        install = self.installation()
        if gui.WINE:
            pad = pads.StandInPad(install.path)
            env = pad.install()
            self.addCleanup(pad.remove)
        elif pads.VirtualPad.available():
            pad, env = pads.VirtualPad(), {}
        else:
            self.skipTest("this machine offers no /dev/uinput")
        pad.connect()
        self.addCleanup(pad.unplug)
        env = dict(install.link_openers(), **env)
        launcher, dialog = self.start(install, title=gui.DIALOG_TITLE, env=env)
        time.sleep(1)  # the launcher looks for pads once the dialog is drawn
        self.use(pad, "A")
        launcher.wait_for_window()
        self.use(pad, "up", "up", "up")                  # volume, profile, language
        pad.stick(0, 1), time.sleep(0.15), pad.stick(0, 0), time.sleep(0.15)  # mode
        self.use(pad, "A", "down", "A")                  # its menu: mode 2
        self.use(pad, "down", "right")                   # language: French
        self.use(pad, "A", "down", "B", "down")          # its menu closed, still French; profile
        for button in ("B", "A"):  # cancelled; made, as its suggested name "Joueur 1"
            self.use(pad, "A", "down", "A")              # its menu: the new-profile dialog
            launcher.wait_for_window(gui.FRENCH_TITLE)
            self.use(pad, button)
            gui.wait_until(lambda: not self.display.viewable(gui.FRENCH_TITLE), what="no dialog")
        self.use(pad, "down")                            # volume 4
        pad.dpad("left"), time.sleep(1.2), pad.dpad(None)  # held: 0, and no further
        pad.dpad("right"), time.sleep(0.2)
        pad.unplug()                                     # after one step: 1
        time.sleep(1.5)
        pad.connect()
        time.sleep(2.5)                                  # found again within 2 s
        self.use(pad, "down", "right", "A")              # Start Game, MAIL opened
        self.assertEqual(install.opened(1), [gui.MAIL])
        self.use(pad, "Start")
        self.assertEqual(self.saved(install, launcher), ("Joueur 1", "2", "2", "1"))
