"""The wizard's first steps on the real program in the lab, whose Internet side serves the
probe site and the catalogue under the program's own host names, when the probe or the catalogue
fails (Start with both at hand: guide.test.py), when a catalogue row names 250,000 pictures: the
licence page within 2 s of the shipped catalogue's time, no more clips than the sprites have cells, under
100 KB of log; and when the catalogue lists 9,000 models: under 100 KB of log up to the guide's list.
Screenshots: <build>/screenshots/welcome_*.png.
"""

import glob
import json
import os
import time
import unittest

from wizard import BUILD_DIR, CATALOGUE_DIR, LICENCE_SHOWN, WELCOME_START, Wizard, online_lab
from pictures import SPRITES  # noqa: E402 (tests/tools/netsim, on the path through wizard)

GERMAN_TITLE = "olvaris Einrichtungsassistent"
LOG_LIMIT = 100 * 1024


class WelcomeRoads(unittest.TestCase):
    def test_no_internet_then_local_only(self):
        # In German: the screenshots show the translated pages.
        lab, net, _ = online_lab(self, probe=False)
        with Wizard(BUILD_DIR, config={"Language": "de"}, lab=lab) as w:
            w.start_local_only(GERMAN_TITLE, "welcome_no_internet_de.png")
            self.assertIn("isLocalView ...", w.log_text())
            self.assertIn("isBinding =  true", w.log_text())
            self.assertEqual(net.catalogue_requests(), [])

            w.agree()
            w.wait_log('01 Got index changed : "Verbindungsart wählen"')
            w.screenshot("welcome_guide_local_only_de.png")
            self.assertEqual(net.requests(), [])

    def test_untrusted_catalogue_certificate_is_refused(self):
        lab, net, _ = online_lab(self, trusted=False)
        with Wizard(BUILD_DIR, lab=lab) as w:
            w.wait_window()
            w.click(*WELCOME_START)
            # The first report may come from a sprite's request, which mutes the catalogue's.
            w.wait_log("check request SSLErrors !")
            w.wait_log("checkWizardJsonFileTimer timeout")
            self.assertNotIn(LICENCE_SHOWN, w.log_text())
            # The handshakes failed: neither the catalogue nor a sprite left the server.
            served = net.requests("catalogue")
            self.assertTrue(served)
            self.assertTrue(all(e["answer"].startswith("tls failed") for e in served), served)
            self.assertNotIn("file done!", w.log_text())
            w.screenshot("welcome_untrusted_catalogue.png")

    def test_catalogue_row_of_many_names(self):
        lab, net, _ = online_lab(self)  # the sprites of the shipped catalogue's pictures
        with open(os.path.join(CATALOGUE_DIR, "tolmwizard.json"), encoding="utf-8") as f:
            hostile = json.load(f)
        hostile["AssembleImages"]["Local_ConnectionType"] = ",".join("p%d" % n for n in range(250000))
        seconds, logged = [], []
        for catalogue in (None, hostile):
            if catalogue:
                with open(os.path.join(net.data, "tolmwizard.json"), "w", encoding="utf-8") as f:
                    json.dump(catalogue, f)
            with Wizard(BUILD_DIR, lab=lab) as w:
                w.wait_window()
                start = time.monotonic()
                w.click(*WELCOME_START)
                w.wait_log(LICENCE_SHOWN, 60)
                seconds.append(time.monotonic() - start)
                w.wait_log("--------- >count :", 60, count=2)  # both cuts done
                logged.append(len(w.log_text().encode()))
                clips = {os.path.basename(folder): os.listdir(folder)
                         for folder in glob.glob(os.path.join(w.tmp, "tolmwizard-*", "*_clip"))}
        print("licence page %.1f s after Start with the shipped catalogue, %.1f s with a row of 250,000 names; clips %s;"
              " log %d and %d bytes" % (seconds[0], seconds[1], {name: len(files) for name, files in clips.items()},
                                        *logged))
        self.assertLess(seconds[1], seconds[0] + 2)
        self.assertLess(logged[1], LOG_LIMIT)
        cells = {folder: columns * len(rows)
                 for folder, (_, _, rows, _, columns) in zip(("assemble_image_clip", "device_icon_clip"), SPRITES)}
        self.assertEqual(sorted(clips), sorted(cells))
        for name, files in clips.items():
            self.assertLessEqual(len(files), cells[name], name)
        self.assertIn("p3.png", clips["assemble_image_clip"])

    def test_catalogue_of_many_models(self):
        lab, net, _ = online_lab(self)
        with open(os.path.join(CATALOGUE_DIR, "tolmwizard.json"), encoding="utf-8") as f:
            catalogue = json.load(f)
        catalogue["Cameras"] += [{"Model": "VKC-9%04d" % n, "ConnectionTypeNumber": "1"} for n in range(9000)]
        with open(os.path.join(net.data, "tolmwizard.json"), "w", encoding="utf-8") as f:
            json.dump(catalogue, f)
        with Wizard(BUILD_DIR, lab=lab) as w:
            w.wait_window()
            w.click(*WELCOME_START)
            w.wait_log(LICENCE_SHOWN, 60)
            w.agree()
            w.wait_log("in the list, the first 64 logged one by one")
            logged = len(w.log_text().encode())
        print("log %d bytes up to the guide's list of %d models" % (logged, len(catalogue["Cameras"])))
        self.assertLess(logged, LOG_LIMIT)

if __name__ == "__main__":
    unittest.main(verbosity=2)
