#!/usr/bin/env python3
"""The access-point road by clicks. A second lab link plays the camera's own access point
(10.255.255.1); the test takes the computer's links down and up as a person switches Wi-Fi."""

import time
import unittest

from wizard import BUILD_DIR, Wizard, online_lab, popup_button, records, start_camcgi, start_camsim

AP_IP = "10.255.255.1"
CAMERA = {"mac": "00:11:22:AA:BB:61", "model": "VKC-6100", "name": "Porch", "password": "campass1",
          "agentVersion": "2.0.17-b83", "accessPoints": [{"ssid": "HomeNet", "mode": "1", "auth": "4", "security": "3"},
                                                         {"ssid": "Cafe", "mode": "1", "auth": "0", "security": "0"}]}
TYPE_LIST, NEXT, PASSWORD_FIELD, FIRST_NETWORK = (166, 268), (695, 562), (316, 253), (170, 254)
BOX_PASSWORD, BOX_CONNECT = (421, 353), (626, 422)


class AccessPointRoad(unittest.TestCase):
    def switch_to(self, up, down):
        self.lab.set_pc_link(down, False)
        self.lab.set_pc_link(up, True)
        time.sleep(1)

    def to_search(self, w, count):  # guide -> the model -> "Direct Connection" -> Next -> Next: the search runs
        w.choose_model("VKC-6100", count)
        w.choose(TYPE_LIST, "Direct", "01 Got ctype index changed : \"Direct Connection\"", count)
        w.click(*NEXT)
        w.screenshot("apmode_host_to_device.png")
        w.click(*NEXT)

    def test_road(self):
        self.lab, _, _ = online_lab(self)
        ap_link = self.lab.add_link("10.255.255.100", AP_IP)
        self.lab.set_pc_link(ap_link, False)
        home, _ = start_camsim(self.lab, [dict(CAMERA, ip="10.254.0.30")], "home")
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            # A camera on the home network, not on its access point: the reset hint, Start Over.
            w.to_guide()
            self.to_search(w, 1)
            w.snap("apmode_not_ap_mode.png", " ----------------> NOT APMODE RESET CAMERA", 30, settle=False)
            w.click(*popup_button(300, 360))
            w.screenshot("apmode_reset_hint.png")
            w.click(*popup_button(450))
            w.wait_log("04 mockup : \"0\"", 10, count=2)
            home.terminate()
            home.wait()

            # On its own access point, which the computer has not joined yet: timeout, then Retry.
            _, record = start_camsim(self.lab, [dict(CAMERA, ip=AP_IP, accessPoint={
                "interface": ap_link, "ssid": "HomeNet", "key": "homekey1", "homeIp": "10.254.0.20"})], "ap")
            _, cgi_record = start_camcgi(self.lab, AP_IP, 443, "campass1")
            self.to_search(w, 2)
            w.snap("apmode_discovery_failed.png", " checkAPModeDiscoveryTimer timeout ", 45, settle=False)
            self.switch_to(ap_link, "veth0")
            w.click(*popup_button(300))
            w.wait_log(" checkAPModeDiscoveryTimer stop at ", 30)

            for password in ("wrongpw1", "campass1"):
                w.snap("apmode_password.png")
                w.click(*PASSWORD_FIELD)
                w.type_text(password)
                w.click(*NEXT)
                if password == "wrongpw1":
                    w.snap("apmode_password_error.png", " checkAPModePasswordTimer timeout ", 45, settle=False)
                    w.click(*popup_button(300))
            w.wait_log(" SSID :", 30, count=2)
            w.screenshot("apmode_device_to_router.png")
            w.click(*FIRST_NETWORK)
            w.click(*NEXT)
            time.sleep(1)
            w.click(*BOX_PASSWORD)
            w.type_text("homekey1")
            w.screenshot("apmode_wifi_password_box.png")
            w.click(*BOX_CONNECT)
            w.snap("apmode_host_to_router.png", " AgentVersion >", 30)

            self.switch_to("veth0", ap_link)
            w.click(*NEXT)
            w.wait_log("recheckWizardInternet pass ", 30)
            w.snap("apmode_discovery.png", " APClient Mode Camera MACAddr :", 90)
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
