#!/usr/bin/env python3
"""The device setup steps in the lab by clicks: (a) a new camera gets its password, name, clock and
daylight saving, passes the Internet, cloud-information and OpenAPI checks: the cloud page; (b) a wrong
current password: "Error" and nothing sent after it; (c) a camera without Internet: the manual box,
whose static settings reach it; (d) the box again (the camera never confirms its restart, so the
Internet limit is not waited out twice), a PPPoE password outside Latin-1 refused beside its field with
nothing sent, and "Local Only": the Wi-Fi page, as the catalogue says."""

import time
import unittest

from wizard import BUILD_DIR, STEP_S, LabCloud, Wizard, catalogue_of, online_lab, records, start_camcgi, start_camsim

NEW = {"mac": "00:11:22:AA:CC:01", "model": "VKC-2100", "name": "Porch", "dcpVersion": "2.0", "ip": "10.254.2.21",
       "portal": LabCloud.PORTAL, "cloudId": "9001.olvaris"}
LOCKED = {"mac": "00:11:22:AA:CC:02", "model": "VKC-7300", "name": "Gate", "dcpVersion": "2.3", "ip": "10.254.2.22",
          "password": "gate-pass1"}
OFFLINE = {"mac": "00:11:22:AA:CC:03", "model": "VKC-6100", "name": "Shed", "dcpVersion": "2.0", "ip": "10.254.2.23",
           "password": "shed-pass1", "internet": False, "mute": ["9"]}
NAME, PASSWORD, RETYPE, NEXT, ERROR_OK = (326, 186), (326, 237), (326, 287), (695, 562), (626, 437)
BOX_STATIC_TAB, BOX_CONNECT, BOX_LOCAL_ONLY = (527, 230), (636, 587), (516, 417)
BOX_DHCP_TAB, BOX_PPPOE_TAB, BOX_PPPOE_CONNECT = (306, 230), (416, 230), (636, 457)
PPPOE = [((407, 308), "shed@isp.example"), ((407, 363), "пароль")]  # account, password
STATIC = list(zip([(407, 308), (407, 363), (407, 418), (407, 473)],
                  ["10.254.0.50", "255.255.255.0", "10.254.0.1", "10.254.0.1"]))
BOX_SHOWN = "ConfigNetworkMessageBox Constructor Initializing ..."


class SetupRoads(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.lab, _, cls.cloud = online_lab(cls, cloud=True, catalogue=catalogue_of("VKC"))
        for camera in (NEW, LOCKED, OFFLINE):
            cls.lab.add_cam_address(camera["ip"])
        cls.cgi_log = start_camcgi(cls.lab, NEW["ip"], 443, "porchpass1")[1]
        cls.dcp_log = start_camsim(cls.lab, [NEW, LOCKED, OFFLINE])[1]

    def requests(self, camera, cls=None, item=None):
        return [r for r in records(self.dcp_log, cls, camera["mac"]) if item in (None, *r.get("params", {}))]

    def setup_page(self, camera, shot, texts=False):
        w = Wizard(BUILD_DIR, lab=self.lab, texts=texts)
        w.to_setup_page(camera["mac"], cameras=3)
        w.screenshot(shot)
        return w

    def test_a_new_camera_reaches_the_cloud_page(self):
        with self.setup_page(NEW, "setup_new_camera.png") as w:
            w.fill((NAME, "Porch-2"), (PASSWORD, "porchpass1"), (RETYPE, "porchpass1"))
            w.click(*NEXT)
            w.snap("setup_cloud_page.png", " checkOpenAPIUriInfoTimer stop at ", 90)
        self.assertTrue(self.requests(NEW, "7", "P"), "no password set reached the camera")
        cgi = records(self.cgi_log)
        self.assertIn(("/config/camera_info.cgi", "name=Porch-2"), [(r["path"], r.get("body")) for r in cgi])
        self.assertIn(("/config/datetime.cgi", "dstenable=no"), [(r["path"], r["query"]) for r in cgi])
        self.assertTrue(any(r["path"] == "/config/datetime.cgi" and "timezone=" in r["query"] for r in cgi))
        self.assertTrue(all(r["password_ok"] for r in cgi), cgi)

    def test_b_wrong_password_sends_nothing_after_the_error(self):
        with self.setup_page(LOCKED, "setup_current_password.png") as w:
            w.fill((PASSWORD, "wrong-pass1"))
            w.click(*NEXT)
            w.snap("setup_password_error.png", " checkPasswordTimer timeout ", 30 + STEP_S, settle=False)
            sent = len(self.requests(LOCKED))
            time.sleep(3.0)
            self.assertEqual(len(self.requests(LOCKED)), sent)
            w.click(*ERROR_OK)

    def test_c_d_manual_settings_then_local_only(self):
        with self.setup_page(OFFLINE, "setup_offline_camera.png", texts=True) as w:
            w.fill((PASSWORD, OFFLINE["password"]))
            w.click(*NEXT)
            w.snap("setup_manual_box.png", BOX_SHOWN, 60 + 2 * STEP_S)
            w.click(*BOX_STATIC_TAB)
            w.settle()
            w.fill(*STATIC)
            w.screenshot("setup_manual_box_static.png")
            w.click(*BOX_CONNECT)
            w.wait_log(BOX_SHOWN, 30 + 2 * STEP_S, count=2)
            sets = self.requests(OFFLINE, "3", "1")
            self.assertEqual(len(sets), 1, sets)
            self.assertIn(";0=0;1=10.254.0.50;2=255.255.255.0;3=10.254.0.1;4=10.254.0.1;6=0;", sets[0]["text"])
            self.assertTrue(self.requests(OFFLINE, "9"))
            w.settle()
            # A PPPoE password that Latin-1 cannot carry: the message beside it, the box stays, nothing is sent.
            w.click(*BOX_PPPOE_TAB)
            w.settle()
            w.fill(*PPPOE)
            sent = len(self.requests(OFFLINE))
            w.click(*BOX_PPPOE_CONNECT)
            w.snap("setup_manual_box_pppoe_refused.png")
            error = [t["text"] for t in w.texts() if t["name"] == "cPPPoePasswordError_Label" and t["kind"] == "text"]
            self.assertIn("Western European", "".join(error))
            time.sleep(3.0)  # a settings wait would have sent its first request by now
            self.assertEqual(len(self.requests(OFFLINE)), sent)
            self.assertEqual(w.log_text().count(BOX_SHOWN), 2)
            w.click(*BOX_DHCP_TAB)
            w.settle()
            w.click(*BOX_LOCAL_ONLY)
            w.snap("setup_local_only_wifi.png", "After the network check : Wi-Fi page", 30)


if __name__ == "__main__":
    unittest.main(verbosity=2)
