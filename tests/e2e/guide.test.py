#!/usr/bin/env python3
"""The hardware connection guide in the lab: a model of each route code shows its panel with the
step pictures (the lab draws one solid colour per picture name); Next reaches discovery or the
access-point page. The first road's start also shows what Start does with the Internet there: the
probe site asked, the catalogue fetched once, no update offered."""

import time
import unittest

from wizard import BUILD_DIR, GUIDE_NEXT, Wizard, online_lab
from pictures import colour_of, pixels  # noqa: E402 (tests/tools/netsim, on the path through wizard)

VERSION_LIST, TYPE_LIST = (361, 229), (166, 268)   # the latter in the MoreThanOne panel
PAGE_AREA = (800, 500, 0, 100)                     # w, h, x, y
PANEL_AREA = (701, 301, 49, 245)                   # step pictures of 164 x 164


class GuideRoads(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.lab, cls.internet, _ = online_lab(cls)
        cls.catalogue = cls.internet.catalogue

    def assert_first_start(self, w):
        self.assertTrue(self.internet.requests("probe"))
        self.assertEqual([e["answer"] for e in self.internet.catalogue_requests()], ["200"])
        for line in ("isBinding =  true", 'TolmWizardJsonVersion : "v2.00.10"', '"VKC-2100"  :  "1"',
                     '01 Got index changed : "Choose your model"'):
            w.wait_log(line)
        self.assertNotIn("Got New Version", w.log_text())

    def assert_pictures(self, shot, model, version, word):  # each clip of the entry fills most of a cell
        camera = next(c for c in self.catalogue["Cameras"] if (c["Model"], c["HardwareVersion"]) == (model, version))
        for name in next(e[word] for e in camera["ConnectionType"] if word in e).split(","):
            found = sum(1 for p in pixels(shot, PANEL_AREA) if p == colour_of(name))
            self.assertGreater(found, 164 * 164 // 2, "picture %s is not shown in %s" % (name, shot))

    def press_next(self, w, name, handed):
        before = pixels(w.screenshot(name + "_before_next.png"), PAGE_AREA)
        w.click(*GUIDE_NEXT)
        w.wait_log("<--------------------->")
        time.sleep(1.0)
        self.assertNotEqual(before, pixels(w.screenshot(name + "_after_next.png"), PAGE_AREA), "page unchanged")
        self.assertIn("<---------------------> \"%s\"" % handed, w.log_text())

    def test_roads(self):
        # name, model, route code, picks (list, text, log line; then the catalogue entry whose pictures
        # show), the name Next hands on
        roads = [
            ("route1", "VKC-2100", "1", [(VERSION_LIST, "B1", "Version) : \"B1\"", "B1", "1")],
             "VKC-2100"),
            ("route2", "VKC-6100", "2", [(TYPE_LIST, "Ethernet", "changed : \"Ethernet\"", "NA", "1"),
                                         (TYPE_LIST, "Direct", "changed : \"Direct Connection\"", "NA", "6")],
             "Direct Connection"),
            ("route5", "VKC-5010W", "5", [(None, None, None, "A1", "5")], "VKC-5010W"),
        ]
        for name, model, route, picks, handed in roads:
            with self.subTest(name), Wizard(BUILD_DIR, lab=self.lab) as w:
                w.to_guide()
                if name == "route1":
                    self.assert_first_start(w)
                w.choose_model(model)
                w.wait_log("04 mockup : \"%s\"" % route)
                for i, (place, text, log, version, word) in enumerate(picks):
                    if place:
                        w.choose(place, text, log)
                    self.assert_pictures(w.screenshot("guide_%s_%d.png" % (name, i)), model, version, word)
                self.press_next(w, "guide_" + name, handed)


if __name__ == "__main__":
    unittest.main(verbosity=2)
