#!/usr/bin/env python3
"""The self-update and the picture sprites on the real program in the lab; its TMPDIR is
the test's, so the clips can be looked at. Screenshots: <build>/screenshots/update_*.png.
"""

import glob
import os
import sys
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE_DIR = os.environ.get("SOURCE_DIR", os.path.dirname(os.path.dirname(HERE)))
BUILD_DIR = os.environ.get("BUILD_DIR", os.path.join(SOURCE_DIR, "build"))
TOOLS = os.path.join(SOURCE_DIR, "tests", "tools", "netsim")
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(SOURCE_DIR, "tests", "lab"))
sys.path.insert(0, TOOLS)
import lab as labmod  # noqa: E402
import pictures  # noqa: E402
from pictures import colour_of, pixels  # noqa: E402
from wizard import MODEL_LIST, WELCOME_START, UpdateInternet, Wizard  # noqa: E402

INSTALLER_NAME = UpdateInternet.INSTALLER_NAME

# Places in the main window (800 x 650; popups of 618 x 300 centred at (91, 175)).
POPUP_RIGHT = (91 + 480 + 55, 175 + 200 + 12)
POPUP_CLOSE = (91 + 590 + 6, 175 + 15 + 6)
PANEL_AREA = (701, 301, 49, 245)   # w, h, x, y

POPUP_MADE = "MessageBoxPage Constructor Initializing"


class UpdateRoads(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        reason = labmod.unavailable_reason()
        if reason:
            raise unittest.SkipTest(reason)

    def setUp(self):
        self.lab = labmod.Lab(internet=True).start()
        self.addCleanup(self.lab.close)
        self.net = UpdateInternet(self.lab)
        saved = os.environ.get("TMPDIR")
        os.environ["TMPDIR"] = self.net.tmp
        self.addCleanup(lambda: os.environ.pop("TMPDIR") if saved is None else os.environ.update(TMPDIR=saved))

    def start_to_offer(self):
        w = Wizard(BUILD_DIR, lab=self.lab)
        self.addCleanup(w.stop)
        w.wait_window()
        w.click(*WELCOME_START)
        w.wait_log("Got New Version of Tlom Wizard", 15)
        w.wait_log("URL_EXE:", 10)
        w.wait_log(POPUP_MADE, 5)
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

    def test_update_downloads_and_starts_the_installer(self):
        self.net.set_installer({"mode": "trickle", "chunks": 4, "delay": 0.7})
        w = self.start_to_offer()
        w.click(*POPUP_RIGHT)
        w.answer_dialog(self.net.save)
        w.wait_log("checkWizardUpdateTimer stop at", 15)
        w.screenshot("update_downloaded.png")
        with open(self.net.saved_installer(), "rb") as f:
            self.assertEqual(f.read(), self.net.installer)
        self.assertEqual(os.listdir(self.net.save), [INSTALLER_NAME])
        self.assert_clips()

        w.click(*POPUP_RIGHT)
        self.assertEqual(w.wait_exit(15), 0)
        end = time.monotonic() + 10
        while not os.path.exists(self.net.marker) and time.monotonic() < end:
            time.sleep(0.1)
        with open(self.net.marker, encoding="utf-8") as f:
            self.assertEqual(f.read().strip(), self.net.saved_installer())
        log = w.log_text()
        self.assertIn("02 autorun_success true", log)
        self.assertIn("04 QCoreApplication::exit()", log)
        self.assertEqual(glob.glob(os.path.join(self.net.tmp, "tolmwizard-*")), [], "picture folder left behind")

    def test_truncated_download_writes_nothing(self):
        self.net.set_installer({"mode": "truncate"})
        w = self.start_to_offer()
        w.click(*POPUP_RIGHT)
        w.answer_dialog(self.net.save)
        w.wait_log("installer not downloaded", 15)
        w.wait_log(POPUP_MADE, 5, count=2)
        w.screenshot("update_error_truncated.png")
        self.assertEqual(os.listdir(self.net.save), [])

        # Retry once the service answers again: the same file is fetched whole.
        self.net.set_installer({})
        w.click(*POPUP_RIGHT)
        w.wait_log("checkWizardUpdateTimer stop at", 15)
        with open(self.net.saved_installer(), "rb") as f:
            self.assertEqual(f.read(), self.net.installer)

    def test_cancel_goes_on_with_this_wizard(self):
        w = self.start_to_offer()
        w.click(*POPUP_CLOSE)
        w.wait_log("Url Get from Tolmwizard.json", 5)
        w.wait_log("isBinding =  true", 5, count=2)
        time.sleep(0.8)
        w.screenshot("update_cancel_licence.png")
        self.assertEqual(self.net.requests(), ["/wizard/?version"])

        # The guide shows the pictures cut from the downloaded sprite.
        w.agree()
        w.choose(MODEL_LIST, "VKC-5010W", '04 mockup : "5"')
        shot = w.screenshot("update_guide_pictures.png")
        shown = pixels(shot, PANEL_AREA)
        camera = next(c for c in self.net.catalogue["Cameras"] if c["Model"] == "VKC-5010W")
        for name in camera["ConnectionType"][0]["5"].split(","):
            self.assertGreater(shown.count(colour_of(name)), 164 * 164 // 2, name)
        self.assert_clips()


if __name__ == "__main__":
    unittest.main(verbosity=2)
