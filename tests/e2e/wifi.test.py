#!/usr/bin/env python3
"""The Wi-Fi page by clicks in the lab: a surveyed network with a wrong key, then a hidden one typed
by hand; Back to the cloud checks, then WPS. Each ends with the camera found on its wireless link. Last, the road
with each forward button and popup button double-clicked: each leads where one click does, and its second click
answers nothing on what came in its place."""

import signal
import unittest

from wifiroad import (AUTO_CONNECT, BACK, FOUND_AGAIN, HIDDEN, HIDDEN_KEY, MAC, MANUAL_CONNECT, NEXT, PASSWORD, SKIP,
                      WHAT_IS_WPS, WIFI_ROW, WPS_TAB, WifiRoadCase, b64, camera, popup_button)
from wizard import (BUILD_DIR, CLOUD_NO_THANKS, POPUP_MADE, STEP_S, SUMMARY_SHOWN, WIFI_LIST_SHOWN, Wizard,
                    start_camsim)


class WifiRoads(WifiRoadCase):
    def test_wrong_key_then_hidden_network(self):
        with self.wifi_page() as w:
            w.snap("wifi_list.png")
            self.assertEqual(len(self.requests("4")), 1)  # twelve access points over three pages, one survey
            self.choose_network(w, "wrongkey1")
            w.snap("wifi_password_box.png")
            w.click(*AUTO_CONNECT)
            self.confirm_cable_removed(w, "wifi_remove_cable.png")
            # The camera never joins: the network check fails and OK returns to the list.
            w.snap("wifi_plug_in_cable.png", "checkdWiFiNetworkTimer timeout ", 30 + STEP_S)
            w.click(*popup_button(350))
            w.wait_log("WiFiRetryConuter ... 0")
            self.type_hidden_network(w)
            w.snap("wifi_manual_box.png")
            w.click(*MANUAL_CONNECT)
            # Still silent: the settings wait fails; with the cable back, OK sends the same settings again.
            w.snap("wifi_config_failed.png", "checkdWiFiManualConnectTimer timeout ", 60 + STEP_S)
            self.camsim.send_signal(signal.SIGHUP)
            w.click(*popup_button(250))
            self.confirm_cable_removed(w, count=2)
            w.wait_log(FOUND_AGAIN, 40)
            log = w.log_text()
        self.assertFalse([key for key in ("wrongkey1", HIDDEN_KEY, b64("wrongkey1"), b64(HIDDEN_KEY)) if key in log])
        wrong = ";9=1;10=0;11=%s;14=4;15=3;18=%s" % (b64("HomeNet"), b64("wrongkey1"))
        wep = ";9=1;10=0;11=%s;14=1;15=1;18=%s" % (b64(HIDDEN), b64(HIDDEN_KEY))
        self.assertEqual(self.settings_sent(), [wrong] + [wep] * 13)  # twelve in the failed wait, one after OK

    def test_back_to_cloud_then_wps(self):
        with self.wifi_page() as w:
            before = len(self.requests("2")), len(self.cloud.requests("/openapi/"))
            w.click(*BACK)
            w.wait_log("back to the cloud page", 60)
            # The camera was asked for its cloud information again, the portal for the API site once.
            self.assertGreater(len(self.requests("2")), before[0])
            self.assertEqual(len(self.cloud.requests("/openapi/")), before[1] + 1)
            self.leave_cloud_page(w, count=2)
            w.click(*WPS_TAB)
            w.snap("wifi_wps.png")
            w.click(*WHAT_IS_WPS)
            w.snap("wifi_what_is_wps.png")
            w.click(*popup_button(450))
            # The cable is pulled; the camera answers nothing until its WPS button is pressed.
            self.camsim.send_signal(signal.SIGUSR2)
            w.click(*SKIP)
            w.snap("wifi_no_thanks_failed.png", " checkDeviceDiscoveryTimer timeout ", 20 + STEP_S)
            w.click(*popup_button(250))
            w.click(*NEXT)
            w.snap("wifi_wps_failed.png", " checkDeviceDiscoveryTimer timeout ", 20 + STEP_S, count=2)
            w.click(*popup_button(250))
            self.camsim.send_signal(signal.SIGUSR1)
            w.click(*NEXT)
            w.wait_log(FOUND_AGAIN, 30)
        scans = [r for r in self.requests("1") if r["to"] == MAC.lower()]
        self.assertTrue(scans and all(r["text"].endswith(";D=VKC-6100") for r in scans), scans[:2])

    def test_double_clicks(self):
        self.camsim, self.record = start_camsim(self.lab, [camera()], "double_clicks")
        self.addCleanup(self.camsim.terminate)
        with Wizard(BUILD_DIR, lab=self.lab, texts=True) as w:
            w.to_setup_page()
            w.wait_log("Adding tmpIndex:")
            w.set_up_camera(PASSWORD)
            w.double_click(CLOUD_NO_THANKS, POPUP_MADE, "CloudServicesPage", "noClouldServiceWarning")
            w.double_click(popup_button(400), WIFI_LIST_SHOWN, "DeviceWiFiChangePage", timeout=40)
            w.click(*WIFI_ROW)
            w.settle()
            w.double_click(NEXT, "HAS Security !!!!", "DeviceWiFiChangePage", "InputWirelessAutoPasswordWarning")
            w.click_named("WirelessAutoCancel_Button")
            w.settle()
            self.type_hidden_network(w)
            w.double_click(MANUAL_CONNECT, "checkRestartNetworkTimer stop at", "DeviceWiFiChangePage", "removeEthernetCableWarning",
                           timeout=40)
            w.double_click(popup_button(350), SUMMARY_SHOWN, "DeviceSetupCompletePage", timeout=90)
            w.assert_logged(FOUND_AGAIN)
        self.assertEqual(set(self.settings_sent()), {";9=1;10=0;11=%s;14=1;15=1;18=%s" % (b64(HIDDEN), b64(HIDDEN_KEY))})


if __name__ == "__main__":
    unittest.main(verbosity=2)
