#!/usr/bin/env python3
"""Hostile peers in the lab against the real wizard: (a) the Internet probe answered over plain
HTTP with 1 MB of gzip that inflates to 1 GiB counts as reachable (the licence and the guide follow),
leaves the wizard's memory within 100 MB of its level before, and asked for an uncompressed answer; (b) a device add whose answer trickles one
byte every 5 s ends in the cloud failure popup by the cloud request's deadline; every request to the
cloud service over https, its web pages' included, asked for an uncompressed answer; (c) a sign-in
page that trickles ends in the same popup by the pages' deadline."""

import json
import time
import unittest

from wizard import (BUILD_DIR, CLOUD_EXISTING_ACCOUNT, GUIDE_SHOWN, LICENCE_SHOWN, WELCOME_START, LabCloud, Wizard,
                    catalogue_of, online_lab, start_camcgi, start_camsim)

CAMERA_IP, PASSWORD = "10.254.0.41", "porchpw12"
CAMERA = {"mac": "00:11:22:AA:BB:41", "model": "VKC-2100", "name": "Porch", "dcpVersion": "2.0",
          "ip": CAMERA_IP, "registered": "0", "portal": LabCloud.PORTAL, "cloudId": "9001.olvaris",
          "dfp": "dfp-41", "network": {"0": "1", "23": CAMERA_IP, "51": "443"}}
CLOUD_DEADLINE_S = 20  # the cloud REST requests' deadline
PAGE_DEADLINE_S = 20  # the cloud pages' deadline


class HostilePeers(unittest.TestCase):
    def test_a_gzip_probe_answer(self):
        lab, internet, _ = online_lab(self)
        internet.set_control({"probe": {"mode": "gzip", "inflated": 1 << 30}})
        with Wizard(BUILD_DIR, lab=lab) as w:
            w.wait_window()
            before, _ = w.memory()
            w.click(*WELCOME_START)
            # Its status line is all the probe needs: the Internet is reachable, the licence follows.
            w.wait_log(LICENCE_SHOWN, 30)
            now, peak = w.memory()
            print("memory: %.0f MiB before, %.0f MiB now, %.0f MiB at the peak" % (before, now, peak))
            self.assertLess(peak - before, 100)
            w.assert_logged("(Internet probe compressed, its status line taken: gzip)")
            w.assert_logged("checkWizardInternetTimer timeout", present=False)
            w.assert_logged("compressed answer refused", present=False)
            w.agree()
            w.snap("hostile_gzip_probe_guide.png", GUIDE_SHOWN)
        probes = internet.requests("probe")
        self.assertEqual({(p["answer"], p["acceptEncoding"]) for p in probes}, {("200", "identity")})
        self.assertEqual([e["answer"] for e in internet.catalogue_requests()], ["200"])

    def cloud_lab(self, trickle):
        """A lab whose cloud service trickles the answers of these {path: seconds}, and the camera."""
        lab, _, cloud = online_lab(self, cloud=True, catalogue=catalogue_of("VKC"))
        with open(cloud.control, "w", encoding="utf-8") as f:
            json.dump({"accounts": {"ann@example.test": "secret1"}, "trickle": trickle}, f)
        start_camsim(lab, [CAMERA])
        lab.add_cam_address(CAMERA_IP)
        start_camcgi(lab, CAMERA_IP, 443, PASSWORD)
        return lab, cloud


    def test_b_trickling_device_add(self):
        lab, cloud = self.cloud_lab({"/me/device/add": 5})
        with Wizard(BUILD_DIR, lab=lab) as w:
            w.to_setup_page()
            w.set_up_camera(PASSWORD, name="Porch", new=True)
            w.click(*CLOUD_EXISTING_ACCOUNT)
            w.type_cloud_form("ann@example.test", "secret1")
            w.wait_log("content!!")
            sent = time.monotonic()
            w.wait_log('open msgbox : "cloudServiceFailedWarning"', CLOUD_DEADLINE_S + 40)
            took = time.monotonic() - sent
            print("device add ended after %.1f s" % took)
            self.assertLess(took, CLOUD_DEADLINE_S + 5)
            self.assertIn("(not finished by its deadline)", w.log_text())
            w.snap("hostile_trickle_popup.png", settle=0.5)
        self.assertEqual([r["status"] for r in cloud.requests("/me/device/add")], ["trickle"])
        self.assertEqual(cloud.requests("/me/user/info"), [])
        # Over https too, the pages the web views load and the wizard's own requests ask for no compression.
        asked = {r["path"]: r["acceptEncoding"] for r in cloud.requests() if "method" in r}
        self.assertIn("/login", asked)
        self.assertEqual(set(asked.values()), {"identity"}, asked)

    def test_c_trickling_sign_in_page(self):
        lab, cloud = self.cloud_lab({"/oauth/authorize": 5})
        with Wizard(BUILD_DIR, lab=lab) as w:
            w.to_setup_page()
            # The setup page waits for the cloud pages.
            w.set_up_camera(PASSWORD, name="Porch", new=True, reached="[check] waitLoadingFinished", settle=False)
            waiting = time.monotonic()
            w.wait_log('open msgbox : "cloudServiceFailedWarning"', PAGE_DEADLINE_S + 40)
            took = time.monotonic() - waiting
            print("sign-in page ended after %.1f s" % took)
            self.assertLess(took, PAGE_DEADLINE_S + 5)
            self.assertIn("(not finished by its deadline)", w.log_text())
            self.assertNotIn("checkOpenAPIUriInfoTimer timeout", w.log_text())
        self.assertIn("trickle", [r["status"] for r in cloud.requests("/oauth/authorize")])


if __name__ == "__main__":
    unittest.main(verbosity=2)
