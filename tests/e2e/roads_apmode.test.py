#!/usr/bin/env python3
"""The access-point road chosen by "Direct Connection", by clicks in the lab, to its end: the computer
joins the camera's own Wi-Fi, the camera's password, the home Wi-Fi chosen from its survey, the computer
back home, the camera found again on the discovery page; then the wired road: its setup checks, "No,
thanks" on the cloud page and, for a model with access-point support, the summary page, whose Finish
ends the program cleanly. Each forward button, popup button and the box's Connect is double-clicked: each leads where
one click does, and its second click answers nothing on what came in its place."""

import unittest

from wizard import (AP_BOX_CONNECT, AP_BOX_PASSWORD, AP_FIRST_NETWORK, AP_PASSWORD, BUILD_DIR, CLOUD_NO_THANKS, FINISH,
                    GUIDE_NEXT, POPUP_MADE, STEP_S, SUMMARY_SHOWN, TYPE_LIST, WIRELESS_BOX_MADE, AccessPointLink,
                    LabCloud, Wizard, online_lab, popup_button, records, start_camcgi, start_camsim)

HOME_IP = "10.254.0.34"
CAMERA = {"mac": "00:11:22:AA:DD:31", "model": "VKC-5020W", "name": "Porch", "password": "campass1",
          "dcpVersion": "2.0", "agentVersion": "2.0.17-b83", "portal": LabCloud.PORTAL, "cloudId": "9031.olvaris",
          "network": {"51": "443"},
          "accessPoints": [{"ssid": "HomeNet", "mode": "1", "auth": "4", "security": "3"},
                           {"ssid": "Cafe", "mode": "1", "auth": "0", "security": "0"}]}
HOME_KEY = "homekey1"


class DirectConnectionRoad(unittest.TestCase):
    def test_direct_connection_to_summary(self):
        lab, _, cloud = online_lab(self, cloud=True)
        ap = AccessPointLink(lab)
        _, record = start_camsim(lab, [ap.camera(CAMERA, HOME_IP, "HomeNet", HOME_KEY)])
        _, ap_cgi = start_camcgi(lab, ap.ADDRESS, 443, CAMERA["password"])
        lab.add_cam_address(HOME_IP)
        _, home_cgi = start_camcgi(lab, HOME_IP, 443, CAMERA["password"])
        with Wizard(BUILD_DIR, lab=lab, texts=True) as w:
            w.to_guide()
            w.choose_model(CAMERA["model"])
            w.choose(TYPE_LIST, "Direct", "01 Got ctype index changed : \"Direct Connection\"")
            w.double_click(GUIDE_NEXT, '<---------------------> "Direct Connection"', "APModeHostToDevice")
            ap.join()
            w.double_click(GUIDE_NEXT, " checkAPModeDiscoveryTimer stop at ", "APModeHostToDevicePasswordVerify",
                           timeout=30 + STEP_S)
            w.snap("roads_direct_password.png")
            w.fill((AP_PASSWORD, CAMERA["password"]))
            w.double_click(GUIDE_NEXT, " SSID :", "APModeDeviceToRouter", timeout=30 + STEP_S)
            w.wait_log(" SSID :", count=2)  # both networks surveyed
            w.click(*AP_FIRST_NETWORK)
            w.double_click(GUIDE_NEXT, WIRELESS_BOX_MADE, "APModeDeviceToRouter",
                           "APModeInputWirelessPasswordAutoWarning")
            w.click(*AP_BOX_PASSWORD)
            w.type_text(HOME_KEY)
            w.double_click(AP_BOX_CONNECT, " AgentVersion >", "APModeHostToRouter", timeout=60 + STEP_S)
            ap.leave()
            # The program's waits: 10 ticks for the Internet, 60 for the camera.
            w.double_click(GUIDE_NEXT, " APClient Mode Camera MACAddr :", "DiscoveryPage", timeout=70 + STEP_S)
            w.snap("roads_direct_discovery.png")
            w.choose_camera()
            w.set_up_camera(CAMERA["password"])
            w.double_click(CLOUD_NO_THANKS, POPUP_MADE, "CloudServicesPage", "noClouldServiceWarning")
            w.double_click(popup_button(400), SUMMARY_SHOWN, "DeviceSetupCompletePage", timeout=60)
            w.snap("roads_direct_summary.png", SUMMARY_SHOWN)
            w.assert_logged('After the cloud step: completion page for "VKC-5020W"')
            w.click(*FINISH)
            w.wait_clean_exit(lab)
            w.assert_logged("open url :", present=False)  # no cloud site after skipping the cloud step
        settings = ";9=1;10=1;11=SG9tZU5ldA==;14=4;15=3;18=aG9tZWtleTE=;X="  # HomeNet, homekey1
        sets = [r["text"] for r in records(record, "3") if ";9=" in r["text"]]
        self.assertTrue(sets and all(settings in text for text in sets), sets)
        self.assertEqual([r["path"] for r in records(ap_cgi)], ["/wireless.cgi"])
        # The wired road's setup reached the camera at its home address: its clock, over CGI.
        self.assertIn("/datetime.cgi", [r["path"] for r in records(home_cgi)])
        self.assertEqual(cloud.requests("/me/device/add"), [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
