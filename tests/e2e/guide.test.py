#!/usr/bin/env python3
"""The hardware connection guide in the lab: licence -> guide -> a model of each route code
-> its panel with the step pictures -> Next reaches discovery or the access-point page.

The lab's "Internet" serves the probe site, the catalogue (tests/data/catalogue) and an
assemble sprite drawn here, one solid colour per picture name, so that a screenshot shows
which clipped pictures a panel holds.
"""

import os
import sys
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE_DIR = os.environ.get("SOURCE_DIR", os.path.dirname(os.path.dirname(HERE)))
BUILD_DIR = os.environ.get("BUILD_DIR", os.path.join(SOURCE_DIR, "build"))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(SOURCE_DIR, "tests", "lab"))
sys.path.insert(0, os.path.join(SOURCE_DIR, "tests", "tools", "netsim"))
import lab as labmod  # noqa: E402
from lab import Lab  # noqa: E402
from pictures import colour_of, pixels  # noqa: E402
from wizard import LabInternet, Wizard  # noqa: E402


# Window coordinates (page area starts at y 100).
VERSION_LIST = (290 + 71, 100 + 116 + 13)
NEXT = (640 + 55, 100 + 450 + 12)
TYPE_LIST = (49 + 1 + 116, 100 + 145 + 10 + 13)   # in the MoreThanOne panel
PAGE_AREA = (800, 500, 0, 100)                     # w, h, x, y
PANEL_AREA = (701, 301, 49, 245)
CELL = 164


def count_colour(png, crop, rgb):
    return sum(1 for p in pixels(png, crop) if p == rgb)


class GuideRoads(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        reason = labmod.unavailable_reason()
        if reason:
            raise unittest.SkipTest(reason)
        cls.lab = Lab(internet=True).start()
        try:
            cls.catalogue = LabInternet(cls.lab).catalogue
        except BaseException:
            cls.lab.close()
            raise

    @classmethod
    def tearDownClass(cls):
        cls.lab.close()

    def assert_pictures(self, shot, names):
        """Every named clip is on screen in the panel area, with the most of its cell."""
        for name in names:
            found = count_colour(shot, PANEL_AREA, colour_of(name))
            self.assertGreater(found, CELL * CELL // 2, "picture %s is not shown in %s" % (name, shot))

    def names_of(self, model, version, word):
        for camera in self.catalogue["Cameras"]:
            if camera["Model"] == model and camera["HardwareVersion"] == version:
                for entry in camera["ConnectionType"]:
                    if word in entry:
                        return entry[word].split(",")
        self.fail("%s %s has no entry %s" % (model, version, word))

    def press_next(self, w, name):
        before = w.screenshot(name + "_before_next.png")
        w.click(*NEXT)
        w.wait_log("<--------------------->", 10)
        time.sleep(1.0)
        after = w.screenshot(name + "_after_next.png")
        self.assertNotEqual(pixels(before, PAGE_AREA), pixels(after, PAGE_AREA), "the page did not change")
        return after

    # The roads -------------------------------------------------------------------------

    def test_route_1_versions_then_discovery(self):
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            w.to_guide()
            w.screenshot("guide_prompt.png")
            w.choose_model("VKC-2100")
            w.wait_log("04 mockup : \"1\"")
            w.screenshot("guide_route1_version_prompt.png")
            w.choose(VERSION_LIST, "B1", "03 selectedHWVersion(Hardware Version) : \"B1\"")
            shot = w.screenshot("guide_route1_B1.png")
            self.assert_pictures(shot, self.names_of("VKC-2100", "B1", "1"))
            self.press_next(w, "guide_route1")
            self.assertIn("<---------------------> \"VKC-2100\"", w.log_text())

    def test_route_2_types_then_access_point(self):
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            w.to_guide()
            w.choose_model("VKC-6100")
            w.wait_log("04 mockup : \"2\"")
            w.screenshot("guide_route2_overview.png")
            w.choose(TYPE_LIST, "Ethernet", "01 Got ctype index changed : \"Ethernet\"")
            shot = w.screenshot("guide_route2_ethernet.png")
            self.assert_pictures(shot, self.names_of("VKC-6100", "NA", "1"))
            w.choose(TYPE_LIST, "Direct", "01 Got ctype index changed : \"Direct Connection\"")
            shot = w.screenshot("guide_route2_direct.png")
            self.assert_pictures(shot, self.names_of("VKC-6100", "NA", "6"))
            self.press_next(w, "guide_route2")
            self.assertIn("<---------------------> \"Direct Connection\"", w.log_text())

    def test_route_5_access_point(self):
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            w.to_guide()
            w.choose_model("VKC-5010W")
            w.wait_log("04 mockup : \"5\"")
            shot = w.screenshot("guide_route5.png")
            self.assert_pictures(shot, self.names_of("VKC-5010W", "A1", "5"))
            self.press_next(w, "guide_route5")
            self.assertIn("<---------------------> \"VKC-5010W\"", w.log_text())


if __name__ == "__main__":
    unittest.main(verbosity=2)
