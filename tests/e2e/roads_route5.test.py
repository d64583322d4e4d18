#!/usr/bin/env python3
"""The access-point road of a model with route code "5" (no connection type to choose), by clicks in the
lab: (a) a camera with a password, through the password page, the camera's survey and the home Wi-Fi to
the discovery page that finds it again; (b) a camera without a password yet: no password page, and after
the camera is found again the setup page asks for a new password; the road ends on the summary page."""

import unittest

from wizard import (BUILD_DIR, FINISH, STEP_S, SUMMARY_SHOWN, AccessPointLink, LabCloud, Wizard, online_lab, records,
                    start_camcgi, start_camsim)

HOME_IP = "10.254.0.35"
CAMERA = {"mac": "00:11:22:AA:DD:41", "model": "VKC-5010W", "name": "Shed", "dcpVersion": "2.0",
          "agentVersion": "2.0.17-b83", "portal": LabCloud.PORTAL, "cloudId": "9041.olvaris", "network": {"51": "443"},
          "accessPoints": [{"ssid": "HomeNet", "mode": "1", "auth": "4", "security": "3"}]}
HOME_KEY, PASSWORD = "homekey1", "shedpass1"
HOME_SETTINGS = ";9=1;10=1;11=SG9tZU5ldA==;14=4;15=3;18=aG9tZWtleTE=;X="  # HomeNet, homekey1
PASSWORD_CHECKED = " checkAPModePasswordSuccess :"


class RouteFiveRoads(unittest.TestCase):
    def to_discovery_again(self, password):
        """A camera with this password (or none) on its access point; the wizard from Start through the
        access-point pages to the discovery page that finds the camera at home."""
        self.lab, _, self.cloud = online_lab(self, cloud=True)
        ap = AccessPointLink(self.lab)
        _, self.record = start_camsim(self.lab, [ap.camera(dict(CAMERA, password=password), HOME_IP, "HomeNet",
                                                           HOME_KEY)])
        _, self.ap_cgi = start_camcgi(self.lab, ap.ADDRESS, 443, password)
        w = Wizard(BUILD_DIR, lab=self.lab)
        w.to_guide()
        w.to_access_point_search(CAMERA["model"], before_search=ap.join)
        w.wait_log(" checkAPModeDiscoveryTimer stop at ", 30 + STEP_S)
        if password:
            w.snap("roads_route5_password.png")
            w.ap_password(password)
        w.ap_to_home_wifi(HOME_KEY)
        w.ap_find_again(ap.leave)
        return w

    def assert_moved_home(self):
        sets = [r["text"] for r in records(self.record, "3") if ";9=" in r["text"]]
        self.assertTrue(sets and all(HOME_SETTINGS in text for text in sets), sets)
        self.assertEqual([(r["path"], r["password_ok"]) for r in records(self.ap_cgi)],
                         [("/config/wireless_ap.cgi", True)])

    def test_route5_with_password(self):
        with self.to_discovery_again(PASSWORD) as w:
            w.snap("roads_route5_discovery.png")
            w.assert_logged(PASSWORD_CHECKED)
        self.assertEqual([r["params"].get("P") for r in records(self.record, "7") if "P" in r["params"]], [])
        self.assert_moved_home()

    def test_camera_without_password(self):
        with self.to_discovery_again("") as w:
            w.assert_logged(PASSWORD_CHECKED, present=False)
            self.lab.add_cam_address(HOME_IP)
            _, home_cgi = start_camcgi(self.lab, HOME_IP, 443, PASSWORD)
            w.choose_camera()
            w.snap("roads_route5_new_password.png")
            w.set_up_camera(PASSWORD, new=True)
            w.skip_cloud()
            w.snap("roads_route5_summary.png", SUMMARY_SHOWN)
            w.click(*FINISH)
            w.wait_clean_exit(self.lab)
            w.assert_logged("open url :", present=False)  # no cloud site after skipping the cloud step
        self.assertTrue([r for r in records(self.record, "7") if "P" in r["params"]], "no new password was sent")
        self.assertTrue(records(home_cgi) and all(r["password_ok"] for r in records(home_cgi)))
        self.assert_moved_home()


if __name__ == "__main__":
    unittest.main(verbosity=2)
