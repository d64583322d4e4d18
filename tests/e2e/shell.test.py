"""The real program's Launcher opens the main window.

Never goes past the welcome page (Start is not clicked), so it needs no lab: the harness gives it a
network of its own with only loopback.
"""

import unittest

from wizard import BUILD_DIR, LAUNCHER_TITLE, MAIN_TITLE, Wizard

LAUNCHER_SETUP = (320, 130)


class ShellWindows(unittest.TestCase):
    def test_launcher_opens_the_wizard(self):
        with Wizard(BUILD_DIR, config={"EnableLauncher": "1"}) as w:
            launcher = w.wait_window(LAUNCHER_TITLE)
            w.screenshot("shell_launcher.png")
            self.assertEqual(w.find_windows(MAIN_TITLE), [])
            w.click(*LAUNCHER_SETUP)
            w.wait_window(MAIN_TITLE)
            w.wait_window_gone(launcher)


if __name__ == "__main__":
    unittest.main(verbosity=2)
