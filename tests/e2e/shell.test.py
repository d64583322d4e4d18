"""The real program's Launcher opens the main window; a program whose X server is gone says so on stderr.

Never goes past the welcome page (Start is not clicked), so it needs no lab: the harness gives it a
network of its own with only loopback.
"""

import os
import signal
import unittest

from wizard import BUILD_DIR, LAUNCHER_TITLE, MAIN_EXIT_LINK, MAIN_TITLE, POPUP_MADE, STEP_S, Wizard, wait_until

LAUNCHER_SETUP, LAUNCHER_VIEWER = (320, 130), (320, 185)
# An installer that runs until it is ended, saying when it has started.
LONG_INSTALLER = '#!/bin/sh\necho started > "$0.started"\nexec sleep 600\n'
# One that ends when asked, leaving a child that ignores it, as does the child's own; each writes its id.
GROUP_INSTALLER = ('#!/bin/sh\nsh -c \'trap "" TERM; sleep 600 & echo $! $$ >> "$0.pids"; exec sleep 600\' "$0" &\n'
                   'echo $$ >> "$0.pids"\necho started > "$0.started"\nexec sleep 600\n')


def recorded_ids(path, count):
    """The process ids written into path, once there are count of them."""
    with open(path, encoding="utf-8") as f:
        ids = [int(word) for word in f.read().split()]
    return ids if len(ids) == count else None


def running(pid):
    """Whether the process runs (a zombie has ended)."""
    try:
        with open("/proc/%d/stat" % pid, encoding="utf-8") as f:
            return f.read().rsplit(")", 1)[1].split()[0] != "Z"
    except FileNotFoundError:
        return False


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


class SignalEnd(unittest.TestCase):
    """SIGTERM, SIGINT and SIGHUP end the program as its own exit does, whatever it shows: status 0, its
    process group gone, and an installer's with it, its temporary folder (TMPDIR) empty as it found it. A signal
    ignored when it started (nohup) stays ignored."""

    ROWS = (  # the signal, what the program is doing when it comes
        (signal.SIGTERM, "main window, the signal twice"),
        (signal.SIGINT, "exit popup"),
        (signal.SIGHUP, "Launcher waiting for an installer"),
        (signal.SIGTERM, "Launcher waiting for an installer whose children ignore it"),
        (signal.SIGTERM, "SIGHUP ignored since its start"),
    )

    def test_signals(self):
        for signum, state in self.ROWS:
            with self.subTest(signal=signum.name, state=state):
                self.end_by_signal(signum, state)

    def end_by_signal(self, signum, state):
        launcher = "installer" in state
        nohup = signal.signal(signal.SIGHUP, signal.SIG_IGN) if "ignored" in state else None
        try:
            w = Wizard(BUILD_DIR, config={"EnableLauncher": "1" if launcher else "0"},
                       files={"installer/viewer_setup": GROUP_INSTALLER if "children" in state else LONG_INSTALLER})
        finally:
            if nohup is not None:
                signal.signal(signal.SIGHUP, nohup)
        with w:
            w.wait_window(LAUNCHER_TITLE if launcher else MAIN_TITLE)
            self.assertTrue([d for d in os.listdir(w.tmp) if d.startswith("qt_temp-")], "no temporary folder made")
            if "popup" in state:
                w.close_window()
                w.wait_log(POPUP_MADE)
            if launcher:
                w.click(*LAUNCHER_VIEWER)
                wait_until(lambda: os.path.exists(os.path.join(w.dir, "installer", "viewer_setup.started")), STEP_S,
                           "the installer's start")
            pids = wait_until(lambda: recorded_ids(os.path.join(w.dir, "installer", "viewer_setup.pids"), 3), STEP_S,
                              "the installer's processes") if "children" in state else []
            self.addCleanup(lambda: [os.kill(pid, signal.SIGKILL) for pid in pids if running(pid)])
            if nohup is not None:
                os.kill(w.proc.pid, signal.SIGHUP)
                w.click_for_popup(MAIN_EXIT_LINK)  # passes of its event loop, the signal's turn among them
                self.assertIsNone(w.proc.poll(), "ended by an ignored SIGHUP")
            for _ in range(2 if "twice" in state else 1):
                os.kill(w.proc.pid, signum)
            self.assertEqual(w.wait_exit(), 0)
            w.assert_logged("ended by signal %d" % signum)
            with self.assertRaises(ProcessLookupError, msg="processes of its group still run"):
                os.killpg(w.proc.pid, 0)
            self.assertEqual(os.listdir(w.tmp), [])
            # Killed once the wizard has ended; 5 s for the kill's delivery on a busy machine.
            wait_until(lambda: not any(map(running, pids)), 5, "the end of the installer's processes")


if __name__ == "__main__":
    unittest.main(verbosity=2)
