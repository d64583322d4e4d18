"""The wizard's first steps on the real program in the lab, whose Internet side serves the
probe site and the catalogue under the program's own host names.
Screenshots go to <build>/screenshots/welcome_*.png.
"""

import os
import sys
import unittest
from contextlib import contextmanager

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE_DIR = os.environ.get("SOURCE_DIR", os.path.join(HERE, "..", ".."))
BUILD_DIR = os.environ.get("BUILD_DIR", os.path.join(SOURCE_DIR, "build"))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(SOURCE_DIR, "tests", "lab"))
import lab as labtool  # noqa: E402
from wizard import LICENCE_SHOWN, WELCOME_START, LabInternet, Wizard  # noqa: E402


# Places in the main window (800 x 650; pages sit at y 100).
OPPS_LOCAL_ONLY = (587, 562)
POPUP_RIGHT_BUTTON = (91 + 480 + 55, 125 + 350 + 12)   # popups of 618 x 400, centred

GERMAN_TITLE = "olvaris Einrichtungsassistent"


@contextmanager
def internet(**kw):
    with labtool.Lab(internet=True) as lab:
        yield lab, LabInternet(lab, **kw)


class WelcomeRoads(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        reason = labtool.unavailable_reason()
        if reason:
            raise unittest.SkipTest(reason)

    def test_start_reaches_the_licence_and_the_guide(self):
        with internet() as (lab, net), Wizard(BUILD_DIR, lab=lab) as w:
            w.wait_window()
            w.click(*WELCOME_START)
            w.wait_log(LICENCE_SHOWN, 8)
            self.assertTrue(net.requests("probe"))
            self.assertEqual([e["answer"] for e in net.catalogue_requests()], ["200"])
            log = w.log_text()
            self.assertIn("isBinding =  true", log)
            self.assertIn('TolmWizardJsonVersion : "v2.00.10"', log)
            self.assertNotIn("Got New Version", log)
            w.agree()
            w.wait_log('"VKC-2100"  :  "1"', 5)
            w.wait_log('01 Got index changed : "Choose your model"', 5)
            w.screenshot("welcome_guide.png")

    def test_no_internet_then_local_only(self):
        # In German: the screenshots show the translated pages.
        with internet(probe=False) as (lab, net), Wizard(BUILD_DIR, config={"Language": "de"}, lab=lab) as w:
            w.wait_window(GERMAN_TITLE)
            w.click(*WELCOME_START)
            w.wait_log("checkWizardInternetTimer timeout", 12)
            w.screenshot("welcome_no_internet_de.png")
            w.click(*OPPS_LOCAL_ONLY)
            w.wait_log("MessageBoxPage Constructor Initializing", 5)
            w.click(*POPUP_RIGHT_BUTTON)
            w.wait_log("isLocalView ...", 5)
            w.wait_log("local view, pass json file checking !!! ", 5)
            self.assertIn("isBinding =  true", w.log_text())
            self.assertEqual(net.catalogue_requests(), [])

            w.agree()
            w.wait_log('01 Got index changed : "Verbindungsart wählen"', 5)
            w.screenshot("welcome_guide_local_only_de.png")
            self.assertEqual(net.requests(), [])

    def test_untrusted_catalogue_certificate_is_refused(self):
        with internet(trusted=False) as (lab, net), Wizard(BUILD_DIR, lab=lab) as w:
            w.wait_window()
            w.click(*WELCOME_START)
            # The first report may come from a sprite's request, which mutes the catalogue's.
            w.wait_log("check request SSLErrors !", 10)
            w.wait_log("checkWizardJsonFileTimer timeout", 16)
            self.assertNotIn(LICENCE_SHOWN, w.log_text())
            # The handshakes failed: neither the catalogue nor a sprite left the server.
            served = net.requests("catalogue")
            self.assertTrue(served)
            self.assertTrue(all(e["answer"].startswith("tls failed") for e in served), served)
            self.assertNotIn("file done!", w.log_text())
            w.screenshot("welcome_untrusted_catalogue.png")


if __name__ == "__main__":
    unittest.main(verbosity=2)
