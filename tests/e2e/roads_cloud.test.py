#!/usr/bin/env python3
"""The cloud step's roads to the Wi-Fi page, by clicks in the lab: a new camera of a Wi-Fi model (Wi-Fi
"1", access point "0") gets its name and password, passes the setup checks and is registered by (a) a
sign-in to an existing account, (b) a new account; both lead to the Wi-Fi page, whose site survey lists
the camera's networks. camsim starts afresh for each road, with an unregistered camera."""

import json
import unittest

from wizard import (BUILD_DIR, LabCloud, WIFI_LIST_SHOWN, Wizard, catalogue_of, online_lab, records, start_camcgi,
                    start_camsim)

CAMERA = {"mac": "00:11:22:AA:DD:11", "model": "VKC-6100", "name": "Attic", "dcpVersion": "2.0",
          "ip": "10.254.0.32", "registered": "0", "portal": LabCloud.PORTAL, "cloudId": "9011.olvaris",
          "dfp": "dfp-11", "network": {"23": "10.254.0.32", "51": "443"},
          "accessPoints": [{"ssid": "HomeNet", "mode": "0", "auth": "4", "security": "3"},
                           {"ssid": "Cafe", "mode": "0", "auth": "0", "security": "0"}]}
PASSWORD = "atticpw12"


class CloudRoads(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.lab, _, cls.cloud = online_lab(cls, cloud=True, catalogue=catalogue_of("VKC"))
        cls.cloud.set_control({"accounts": {"ann@example.test": "secret1"}})
        cls.lab.add_cam_address(CAMERA["ip"])
        start_camcgi(cls.lab, CAMERA["ip"], 443, PASSWORD)

    def to_cloud_page(self):
        """A fresh camera; the wizard on its setup page, the name and password given -> the cloud page."""
        camsim, self.record = start_camsim(self.lab, [CAMERA], self.id().rsplit(".", 1)[-1])
        self.addCleanup(camsim.wait, 5)
        self.addCleanup(camsim.terminate)
        self.first_add = len(self.cloud.requests("/me/device/add"))
        w = Wizard(BUILD_DIR, lab=self.lab, texts=True)
        w.to_setup_page()
        w.set_up_camera(PASSWORD, name="Attic-2", new=True)
        return w

    def assert_on_wifi_page(self, w, shot):
        w.snap(shot, WIFI_LIST_SHOWN, 40)
        w.assert_logged('After the cloud step: Wi-Fi page for "VKC-6100"')
        shown = w.texts()
        self.assertEqual([t["text"] for t in shown if t["kind"] == "item"], ["HomeNet", "Cafe"])
        # The register bit has just been confirmed: no way back to the cloud page.
        self.assertNotIn("dwifiPrev_Button", [t["name"] for t in shown])
        adds = self.cloud.requests("/me/device/add")[self.first_add:]
        self.assertEqual([json.loads(a["body"]) for a in adds],
                         [{"data": {"mac": "001122AADD11", "olvaris_id": "9011", "session_id": "dfp-11"}}])
        bits = [r["params"]["G"] for r in records(self.record, "2") if "G" in r["params"]]
        self.assertTrue(bits and set(bits) == {"1"}, bits)

    def test_sign_in_to_wifi_page(self):
        with self.to_cloud_page() as w:
            w.sign_in("ann@example.test", "secret1")
            self.assert_on_wifi_page(w, "roads_sign_in_wifi.png")

    def test_sign_up_to_wifi_page(self):
        with self.to_cloud_page() as w:
            # No view shows a word under the popup: nothing of the service's page, no word of the wizard's own.
            w.sign_up("new@example.test", "fresh-pw9", at_popup=lambda: self.assertFalse(any(w.view_texts())))
            self.assert_on_wifi_page(w, "roads_sign_up_wifi.png")
            self.assertEqual([r["status"] for r in self.cloud.requests("/signup")], [302])


if __name__ == "__main__":
    unittest.main(verbosity=2)
