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

    def assert_pictures(self, shot, model, version, word):
        """Every clip of the catalogue entry is on screen in the panel area, with the most of its cell."""
        camera = next(c for c in self.catalogue["Cameras"] if (c["Model"], c["HardwareVersion"]) == (model, version))
        names = next(e[word] for e in camera["ConnectionType"] if word in e).split(",")
        for name in names:
            found = sum(1 for p in pixels(shot, PANEL_AREA) if p == colour_of(name))
            self.assertGreater(found, CELL * CELL // 2, "picture %s is not shown in %s" % (name, shot))

    def press_next(self, w, name, handed):
        before = w.screenshot(name + "_before_next.png")
        w.click(*NEXT)
        w.wait_log("<--------------------->", 10)
        time.sleep(1.0)
        after = w.screenshot(name + "_after_next.png")
        self.assertNotEqual(pixels(before, PAGE_AREA), pixels(after, PAGE_AREA), "the page did not change")
        self.assertIn("<---------------------> \"%s\"" % handed, w.log_text())

    def test_route_1_versions_then_discovery(self):
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            w.to_guide()
            w.choose_model("VKC-2100")
            w.wait_log("04 mockup : \"1\"")
            w.choose(VERSION_LIST, "B1", "03 selectedHWVersion(Hardware Version) : \"B1\"")
            self.assert_pictures(w.screenshot("guide_route1_B1.png"), "VKC-2100", "B1", "1")
            self.press_next(w, "guide_route1", "VKC-2100")

    def test_route_2_types_then_access_point(self):
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            w.to_guide()
            w.choose_model("VKC-6100")
            w.wait_log("04 mockup : \"2\"")
            w.choose(TYPE_LIST, "Ethernet", "01 Got ctype index changed : \"Ethernet\"")
            self.assert_pictures(w.screenshot("guide_route2_ethernet.png"), "VKC-6100", "NA", "1")
            w.choose(TYPE_LIST, "Direct", "01 Got ctype index changed : \"Direct Connection\"")
            self.assert_pictures(w.screenshot("guide_route2_direct.png"), "VKC-6100", "NA", "6")
            self.press_next(w, "guide_route2", "Direct Connection")

    def test_route_5_access_point(self):
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            w.to_guide()
            w.choose_model("VKC-5010W")
            w.wait_log("04 mockup : \"5\"")
            self.assert_pictures(w.screenshot("guide_route5.png"), "VKC-5010W", "A1", "5")
            self.press_next(w, "guide_route5", "VKC-5010W")


if __name__ == "__main__":
    unittest.main(verbosity=2)
