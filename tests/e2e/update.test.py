#!/usr/bin/env python3
"""The self-update and the picture sprites on the real program in the lab; its TMPDIR is
the test's, so the clips can be looked at. Screenshots: <build>/screenshots/update_*.png.
"""

import glob
import os
import time
import unittest

from wizard import BUILD_DIR, STEP_S, WELCOME_START, UpdateInternet, Wizard, lab_for, wait_until
import pictures  # noqa: E402
from pictures import colour_of, pixels  # noqa: E402 (tests/tools/netsim, on the path through wizard)

POPUP_RIGHT, POPUP_CLOSE = (626, 387), (687, 196)  # popups of 618 x 300 centred at (91, 175)
POPUP_MADE = "MessageBoxPage Constructor Initializing"


class UpdateRoads(unittest.TestCase):
    def setUp(self):
        self.lab = lab_for(self, internet=True)
        self.net = UpdateInternet(self.lab)

    def start_to_offer(self, texts=False):
        w = Wizard(BUILD_DIR, lab=self.lab, env={"TMPDIR": self.net.tmp}, texts=texts)
        self.addCleanup(w.stop)
        w.wait_window()
        w.click(*WELCOME_START)
        w.wait_log("Got New Version of Tlom Wizard")
        w.wait_log("URL_EXE:")
        w.wait_log(POPUP_MADE)
        time.sleep(0.5)
        return w

    def assert_clips(self):
        """Both sprites were cut into the clip folders of the run's own picture folder: each clip
        holds its own cell."""
        [own] = glob.glob(os.path.join(self.net.tmp, "tolmwizard-*"))
        for folder, key, rows in (("assemble_image_clip", "AssembleImages", pictures.ASSEMBLE_ROWS),
                                  ("device_icon_clip", "DeivceIcons", pictures.ICON_ROWS)):
            names = {n for row in rows for n in self.net.catalogue[key][row].split(",")}
            clips = sorted(os.listdir(os.path.join(own, folder)))
            self.assertEqual(clips, sorted(n + ".png" for n in names))
            for name in names:
                self.assertEqual(pixels(os.path.join(own, folder, name + ".png"), (1, 1, 2, 2)),
                                 [colour_of(name)], name)

    def test_truncated_download_writes_nothing_then_retry_starts_the_installer(self):
        self.net.set_installer({"mode": "truncate"})
        w = self.start_to_offer()
        w.click(*POPUP_RIGHT)
        w.answer_dialog(self.net.save)
        w.wait_log("installer not downloaded")
        w.snap("update_error_truncated.png", POPUP_MADE, count=2, settle=False)
        self.assertEqual(os.listdir(self.net.save), [])

        # Retry once the service answers again, in pieces: the same file is fetched whole.
        self.net.set_installer({"mode": "trickle", "chunks": 4, "delay": 0.7})
        w.click(*POPUP_RIGHT)
        w.snap("update_downloaded.png", "checkWizardUpdateTimer stop at", settle=False)
        with open(self.net.saved_installer(), "rb") as f:
            self.assertEqual(f.read(), self.net.installer)
        self.assertEqual(os.listdir(self.net.save), [UpdateInternet.INSTALLER_NAME])
        self.assert_clips()

        w.click(*POPUP_RIGHT)
        self.assertEqual(w.wait_exit(), 0)
        wait_until(lambda: os.path.exists(self.net.marker), STEP_S, "the installer's start")
        with open(self.net.marker, encoding="utf-8") as f:
            self.assertEqual(f.read().strip(), self.net.saved_installer())
        log = w.log_text()
        self.assertIn("02 autorun_success true", log)
        self.assertIn("04 QCoreApplication::exit()", log)
        self.assertEqual(glob.glob(os.path.join(self.net.tmp, "tolmwizard-*")), [], "picture folder left behind")

    def test_unwritable_folder_said_then_another_taken(self):
        locked = os.path.join(self.net.dir, "Locked")
        os.makedirs(locked)
        w = self.start_to_offer(texts=True)
        w.read_only(locked)  # for the wizard, whose administrator's rights would write anywhere else
        w.click(*POPUP_RIGHT)
        w.answer_dialog(locked)
        w.snap("update_folder_unwritable.png", POPUP_MADE, count=2, settle=False)
        shown = {t["name"]: t["text"] for t in w.texts() if t["kind"] == "text"}
        self.assertEqual(shown.get("msgBoxTitile_Label"), "Cannot Save to This Folder")
        # Its OK opens the dialog again, on the same folder: another is taken, and the installer written there.
        w.click_named("msgBoxRightBtn_Button")
        w.answer_dialog(self.net.save)
        w.wait_log("checkWizardUpdateTimer stop at")
        self.assertEqual(os.listdir(locked), [])
        with open(self.net.saved_installer(), "rb") as f:
            self.assertEqual(f.read(), self.net.installer)

    def test_cancel_goes_on_with_this_wizard(self):
        w = self.start_to_offer()
        w.click(*POPUP_CLOSE)
        w.wait_log("Url Get from Tolmwizard.json")
        w.wait_log("isBinding =  true", count=2)
        time.sleep(0.8)
        w.screenshot("update_cancel_licence.png")
        self.assertEqual(self.net.requests(), ["/wizard/?version"])


if __name__ == "__main__":
    unittest.main(verbosity=2)
