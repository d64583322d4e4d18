#!/usr/bin/env python3
"""The already-registered road to the Wi-Fi page, by clicks in the lab: a camera of a Wi-Fi model that an
account already holds is chosen and given its password; the setup checks lead to the already-registered
page, whose Next, double-clicked, goes on without the cloud step to the Wi-Fi page, with Back to that page offered."""

import unittest

from wizard import (BUILD_DIR, GUIDE_NEXT, WIFI_LIST_SHOWN, Wizard, catalogue_of, online_lab, read_record, records,
                    start_camcgi, start_camsim)

CAMERA = {"mac": "00:11:22:AA:DD:21", "model": "VKC-6100", "name": "Garage", "dcpVersion": "2.3",
          "ip": "10.254.0.33", "registered": "1", "password": "garagepw1",
          "network": {"23": "10.254.0.33", "51": "443"},
          "accessPoints": [{"ssid": "HomeNet", "mode": "0", "auth": "4", "security": "3"}]}
REGISTERED_NEXT = (660 + 55, GUIDE_NEXT[1])


class RegisteredRoad(unittest.TestCase):
    def test_already_registered_to_wifi_page(self):
        lab, net, cloud = online_lab(self, cloud=True, catalogue=catalogue_of("VKC"))
        lab.add_cam_address(CAMERA["ip"])
        _, record = start_camsim(lab, [CAMERA])
        _, cgi_record = start_camcgi(lab, CAMERA["ip"], 443, CAMERA["password"])
        with Wizard(BUILD_DIR, lab=lab, texts=True) as w:
            w.to_setup_page()
            w.set_up_camera(CAMERA["password"], reached="camera already registered", timeout=60)
            w.screenshot("roads_already_registered.png")
            w.double_click(REGISTERED_NEXT, WIFI_LIST_SHOWN, "DeviceWiFiChangePage", timeout=40)
            w.screenshot("roads_registered_wifi.png")
            w.assert_logged('Next : Wi-Fi page for "VKC-6100"')
            shown = w.texts()
            self.assertEqual([t["text"] for t in shown if t["kind"] == "item"], ["HomeNet"])
            self.assertIn("dwifiPrev_Button", [t["name"] for t in shown])
        # Neither the camera's Internet check nor the cloud step ran; the register bit was left alone. The
        # records hold what did happen, so what they lack was not asked.
        self.assertTrue(records(record, "7", CAMERA["mac"]), "camsim recorded no password check")
        self.assertTrue(records(record, "4", CAMERA["mac"]), "camsim recorded no Wi-Fi survey")
        self.assertTrue(read_record(cgi_record), "camcgi recorded no request")
        self.assertEqual(records(record, "8"), [])
        self.assertEqual([r for r in records(record, "2") if "G" in r["params"]], [])
        # The cloud service took no request from the wizard, and records the one sent now.
        lab.pc(["python3", "-c", "import urllib.request; urllib.request.urlopen('https://%s/openapi/?probe', "
                "timeout=20).read()" % cloud.API_HOST]).wait(60)
        self.assertEqual([(r["path"], r["rawQuery"]) for r in cloud.requests()], [("/openapi/", "probe")])


if __name__ == "__main__":
    unittest.main(verbosity=2)
