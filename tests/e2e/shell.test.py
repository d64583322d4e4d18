"""The real program's first windows: Launcher, main window and the exit popup.

Never goes past the welcome page (Start is not clicked), so it runs on the host network.
"""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from wizard import LAUNCHER_TITLE, MAIN_TITLE, Wizard  # noqa: E402

BUILD_DIR = os.environ.get("BUILD_DIR", os.path.join(os.path.dirname(__file__), "..", "..", "build"))

# Places inside the windows, as laid out by their forms.
MAIN_EXIT_NO = (91 + 360 + 55, 200 + 180 + 12)    # exit popup centred in 800 x 650
MAIN_EXIT_YES = (91 + 480 + 55, 200 + 180 + 12)
LAUNCHER_SETUP = (170 + 150, 110 + 20)


class ShellWindows(unittest.TestCase):
    def test_launcher_opens_the_wizard(self):
        with Wizard(BUILD_DIR, config={"EnableLauncher": "1"}) as w:
            launcher = w.wait_window(LAUNCHER_TITLE)
            w.screenshot("shell_launcher.png")
            self.assertEqual(w.find_windows(MAIN_TITLE), [])
            w.click(*LAUNCHER_SETUP)
            w.wait_window(MAIN_TITLE)
            w.wait_window_gone(launcher)

    def test_closing_the_main_window_asks_first(self):
        with Wizard(BUILD_DIR, config={"EnableLauncher": "0"}) as w:
            w.wait_window()
            w.close_window()
            w.wait_log("open msgbox ...")
            w.screenshot("shell_exit_popup.png")
            self.assertEqual(w.find_windows(MAIN_TITLE), [w.window])
            self.assertIsNone(w.proc.poll())

            # "No" takes the popup away: the next close opens a new one.
            w.click(*MAIN_EXIT_NO)
            self.assertIsNone(w.proc.poll())
            w.close_window()
            w.wait_log("open msgbox ...", count=2)

            w.click(*MAIN_EXIT_YES)
            self.assertEqual(w.wait_exit(10), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
