#!/usr/bin/env python3
"""The Wi-Fi page by clicks in the lab: a network from the camera's paged site survey with its
key, a hidden network typed by hand with a WEP key, and WPS. In each the simulated camera
moves to its address on the lab's second ("wireless") link and the wizard finds it there
before it goes on to the completion page."""

import re
import signal
import time
import unittest

from wifiroad import (BUILD_DIR, CAM_WIRELESS_IP, ENTER_MANUALLY, MANUAL_CONNECT, MANUAL_ENCRYPT, MANUAL_NAME,
                      MANUAL_PASSWORD, MANUAL_SECURITY, AUTO_CONNECT, MAC, NEXT, SKIP, WHAT_IS_WPS, WPS_TAB, Wizard,
                      WifiRoadCase, b64, camera, popup_button)


class WifiRoads(WifiRoadCase):
    def test_network_from_the_list(self):
        self.start_camera(camera("HomeNet", "homekey12"), "list")
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            self.enter_wifi_page(w)
            w.screenshot("wifi_list.png")
            # Twelve access points over three pages, each shown once in the camera's order.
            self.assertEqual(len(self.requests("4")), 1)
            self.choose_network(w, "homekey12")
            w.screenshot("wifi_password_box.png")
            w.click(*AUTO_CONNECT)
            self.confirm_cable_removed(w, "wifi_remove_cable.png")
            w.wait_log("To the completion page, camera at : \"%s\"" % CAM_WIRELESS_IP, 40)
            time.sleep(1.0)
            w.screenshot("wifi_completion.png")
        self.assertEqual(set(self.settings_sent()), {";9=1;10=0;11=%s;14=4;15=3;18=%s" % (b64("HomeNet"),
                                                                                      b64("homekey12"))})

    def test_hidden_network_typed_by_hand(self):
        self.start_camera(camera("Hidden Net", "0123456789"), "manual")
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            self.enter_wifi_page(w)
            w.click(*ENTER_MANUALLY)
            time.sleep(1.0)
            w.click(*MANUAL_NAME)
            w.type_text("Hidden Net")
            for combo in (MANUAL_SECURITY, MANUAL_ENCRYPT):  # "Open(WEP)", "WEP,64bit"
                w.click(*combo)
                time.sleep(0.5)
                w.key("Down")
                w.key("Return")
                time.sleep(0.3)
            w.click(*MANUAL_PASSWORD)
            w.type_text("0123456789")
            w.click(*MANUAL_NAME)  # leaving the key field shows its verdict
            time.sleep(0.5)
            w.screenshot("wifi_manual_box.png")
            w.click(*MANUAL_CONNECT)
            self.confirm_cable_removed(w)
            w.wait_log("To the completion page, camera at : \"%s\"" % CAM_WIRELESS_IP, 40)
        self.assertEqual(set(self.settings_sent()), {";9=1;10=0;11=%s;14=1;15=1;18=%s" % (b64("Hidden Net"),
                                                                                      b64("0123456789"))})

    def test_wps(self):
        self.start_camera(camera("HomeNet", "homekey12"), "wps")
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            self.enter_wifi_page(w)
            w.click(*WPS_TAB)
            time.sleep(1.0)
            w.screenshot("wifi_wps.png")
            w.click(*WHAT_IS_WPS)
            time.sleep(1.0)
            w.screenshot("wifi_what_is_wps.png")
            w.click(*popup_button(450))
            time.sleep(0.5)
            # The user unplugs the cable; the camera answers nothing until its WPS button is pressed.
            self.camsim.send_signal(signal.SIGUSR2)
            w.click(*SKIP)
            w.wait_log(" checkDeviceDiscoveryTimer timeout ", 30)
            time.sleep(1.0)
            w.screenshot("wifi_no_thanks_failed.png")
            w.click(*popup_button(250))
            time.sleep(0.5)
            w.click(*NEXT)
            w.wait_log(" checkDeviceDiscoveryTimer timeout ", 30, count=2)
            time.sleep(1.0)
            w.screenshot("wifi_wps_failed.png")
            w.click(*popup_button(250))
            time.sleep(0.5)
            w.click(*NEXT)
            time.sleep(6)
            self.assertNotIn("To the completion page", w.log_text())
            self.camsim.send_signal(signal.SIGUSR1)
            w.wait_log("To the completion page, camera at : \"%s\"" % CAM_WIRELESS_IP, 20)
        scans = [r for r in self.requests("1") if r["to"] == MAC.lower()]
        self.assertTrue(scans, "no scan addressed to the camera")
        self.assertTrue(all(re.search(r";D=VKC-6100$", r["text"]) for r in scans), scans[:2])


if __name__ == "__main__":
    unittest.main(verbosity=2)
