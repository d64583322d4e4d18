#!/usr/bin/env python3
"""The access-point road by clicks. A second lab link plays the camera's own access point
(10.255.255.1); the test takes the computer's links down and up as a person switches Wi-Fi."""

import unittest

from wizard import BUILD_DIR, STEP_S, AccessPointLink, Wizard, online_lab, popup_button, records, start_camcgi, start_camsim

CAMERA = {"mac": "00:11:22:AA:BB:61", "model": "VKC-6100", "name": "Porch", "password": "campass1",
          "agentVersion": "2.0.17-b83", "accessPoints": [{"ssid": "HomeNet", "mode": "1", "auth": "4", "security": "3"},
                                                         {"ssid": "Cafe", "mode": "1", "auth": "0", "security": "0"}]}


class AccessPointRoad(unittest.TestCase):
    def to_search(self, w, count):  # guide -> the model -> "Direct Connection" -> Next -> Next: the search runs
        w.to_access_point_search("VKC-6100", direct=True, count=count,
                                 before_search=lambda: w.screenshot("apmode_host_to_device.png"))

    def test_road(self):
        lab, _, _ = online_lab(self)
        ap = AccessPointLink(lab)
        home, _ = start_camsim(lab, [dict(CAMERA, ip="10.254.0.30")], "home")
        with Wizard(BUILD_DIR, lab=lab) as w:
            # A camera on the home network, not on its access point: the reset hint, Start Over.
            w.to_guide()
            self.to_search(w, 1)
            w.snap("apmode_not_ap_mode.png", " ----------------> NOT APMODE RESET CAMERA", 30, settle=False)
            w.click(*popup_button(300, 360))
            w.screenshot("apmode_reset_hint.png")
            w.click(*popup_button(450))
            w.wait_log("04 mockup : \"0\"", STEP_S, count=2)
            home.terminate()
            home.wait(STEP_S)

            # On its own access point, which the computer has not joined yet: timeout, then Retry.
            _, record = start_camsim(lab, [ap.camera(CAMERA, "10.254.0.20", "HomeNet", "homekey1")], "ap")
            _, cgi_record = start_camcgi(lab, ap.ADDRESS, 443, "campass1")
            self.to_search(w, 2)
            w.snap("apmode_discovery_failed.png", " checkAPModeDiscoveryTimer timeout ", 30 + STEP_S, settle=False)
            ap.join()
            w.click(*popup_button(300))
            w.wait_log(" checkAPModeDiscoveryTimer stop at ", 30 + STEP_S)

            w.snap("apmode_password.png")
            w.ap_password("wrongpw1")
            w.snap("apmode_password_error.png", " checkAPModePasswordTimer timeout ", 30 + STEP_S, settle=False)
            w.click(*popup_button(300))
            w.snap("apmode_password.png")
            w.ap_password("campass1")
            w.ap_to_home_wifi("homekey1", surveyed=2, shots=("apmode_device_to_router.png",
                                                             "apmode_wifi_password_box.png"))
            w.screenshot("apmode_host_to_router.png")

            w.ap_find_again(ap.leave)
            w.screenshot("apmode_discovery.png")
            # The camera found has its row on the discovery page.
            self.assertRegex(w.log_text().split("APClient Mode Camera MACAddr")[-1],
                             "Update Device Table List|Duplicate IPCamera")

        sets = [r["text"] for r in records(record, "3")]
        settings = ";9=1;10=1;11=SG9tZU5ldA==;14=4;15=3;18=aG9tZWtleTE=;X="  # HomeNet, homekey1
        self.assertTrue(sets and all(settings in text for text in sets), sets)
        self.assertEqual([(r["path"], r["query"], r["password_ok"]) for r in records(cgi_record)],
                         [("/wireless.cgi", "WirelessDisable=0&WirelessMode=0&ConfigReboot=No", True)])


if __name__ == "__main__":
    unittest.main(verbosity=2)
