"""The real program's Launcher opens the main window; a program whose X server is gone says so on stderr.

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

    def test_x_server_gone_is_said_on_stderr(self):
        # Qt's X11 plugin ends the program itself (code 1) when the X connection breaks; with the log on,
        # its warning went to log.txt alone.
        with Wizard(BUILD_DIR) as w:
            w.wait_window(MAIN_TITLE)
            w.xserver.proc.kill()
            self.assertEqual(w.wait_exit(), 1)
            w.assert_logged("The X11 connection broke")
            self.assertRegex(w.stderr_text(), "ended by a library.*The X11 connection broke")


if __name__ == "__main__":
    unittest.main(verbosity=2)
