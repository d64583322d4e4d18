"""The wizard's first steps on the real program in the lab, whose Internet side serves the
probe site and the catalogue under the program's own host names, when the probe or the catalogue
fails (Start with both at hand: guide.test.py). Screenshots: <build>/screenshots/welcome_*.png.
"""

import unittest

from wizard import BUILD_DIR, LICENCE_SHOWN, WELCOME_START, Wizard, online_lab

GERMAN_TITLE = "olvaris Einrichtungsassistent"


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


if __name__ == "__main__":
    unittest.main(verbosity=2)
