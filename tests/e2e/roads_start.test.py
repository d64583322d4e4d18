#!/usr/bin/env python3
"""The roads from the welcome page, by clicks in the lab: (a) no answer from the probe site, the
no-Internet page, then "Retry" once the site answers: the catalogue, the licence and the guide follow;
(b) no Internet, "Local Only", a new camera given its password: the summary page, whose "Finish" ends
the program cleanly without the Internet and cloud steps; (c) the same road with each page's forward
button and the popup's OK double-clicked: each leads where one click does, and its second click answers
nothing on what came in its place (no popup, no error)."""

import unittest

from wizard import (AGREEMENT_CHECK, AGREEMENT_NEXT, BUILD_DIR, CAMERA_LISTED, CAMERA_ROWS, GUIDE_NEXT, GUIDE_SHOWN,
                    GUIDE_SKIP, LICENCE_SHOWN, NO_INTERNET_LOCAL_ONLY, NO_INTERNET_RETRY, POPUP_MADE, SETUP_PASSWORD,
                    SETUP_RETYPE, SUMMARY_SHOWN, WELCOME_START, FINISH, Wizard, lab_for, online_lab,
                    popup_button, records, start_camcgi, start_camsim)

NEW = {"mac": "00:11:22:AA:DD:01", "model": "VKC-2100", "name": "Hall", "dcpVersion": "2.0", "ip": "10.254.0.31",
       "network": {"23": "10.254.0.31", "51": "443"}}
PASSWORD = "hallpass1"


class StartRoads(unittest.TestCase):
    def test_no_internet_then_retry(self):
        lab, net, _ = online_lab(self)
        net.set_control({"probe": {"mode": "drop"}})
        with Wizard(BUILD_DIR, lab=lab) as w:
            w.wait_window()
            w.click(*WELCOME_START)
            w.snap("roads_retry_no_internet.png", "checkWizardInternetTimer timeout")
            self.assertEqual(net.catalogue_requests(), [])
            net.set_control({})
            w.click(*NO_INTERNET_RETRY)
            w.wait_log(LICENCE_SHOWN, 30)
            w.agree()
            w.screenshot("roads_retry_guide.png")
            w.assert_logged("isBinding =  true")
            w.assert_logged("isLocalView ...", present=False)
        probes = [e["answer"] for e in net.requests("probe")]
        self.assertIn("200", probes)
        self.assertEqual(probes[0], "drop", probes)
        self.assertEqual([e["answer"] for e in net.catalogue_requests()], ["200"])

    def test_local_only_to_summary(self):
        lab = lab_for(self)
        lab.add_cam_address(NEW["ip"])
        _, record = start_camsim(lab, [NEW])
        _, cgi_record = start_camcgi(lab, NEW["ip"], 443, PASSWORD)
        with Wizard(BUILD_DIR, lab=lab) as w:
            w.to_local_discovery()
            w.choose_camera()
            w.screenshot("roads_local_setup.png")
            w.set_up_camera(PASSWORD, name="Hall-2", new=True, reached=SUMMARY_SHOWN, timeout=90)
            w.snap("roads_local_summary.png", "checkGetDeviceImageStatus : success", 30)
            w.assert_logged("After the network check : completion page")
            w.click(*FINISH)
            w.wait_clean_exit(lab)
            w.assert_logged("open url :", present=False)  # local only: no cloud site
            w.assert_logged("Finish, shortcut : false , isLocalView : true")
        self.assertTrue(records(record, "7", NEW["mac"]), "no password reached the camera")
        # Local only: neither the camera's Internet check nor its cloud information is asked for.
        self.assertEqual(records(record, "8"), [])
        self.assertEqual(records(record, "2"), [])
        cgi = records(cgi_record)
        self.assertIn("name=Hall-2", [r.get("body") for r in cgi])
        self.assertTrue(cgi and all(r["password_ok"] for r in cgi), cgi)

    def test_local_only_double_clicks(self):
        lab = lab_for(self)
        lab.add_cam_address(NEW["ip"])
        start_camsim(lab, [NEW])
        start_camcgi(lab, NEW["ip"], 443, PASSWORD)
        with Wizard(BUILD_DIR, lab=lab, texts=True) as w:
            w.wait_window()
            w.double_click(WELCOME_START, "checkWizardInternetTimer timeout", "OppsPage")
            w.double_click(NO_INTERNET_LOCAL_ONLY, POPUP_MADE, "OppsPage", "useLocalViewWarning")
            w.double_click(popup_button(400), "local view, pass json file checking", "AgreementPage")
            w.click(*AGREEMENT_CHECK)
            w.double_click(AGREEMENT_NEXT, GUIDE_SHOWN, "CameraConnectionPage")
            w.double_click(GUIDE_SKIP, CAMERA_LISTED, "DiscoveryPage")
            w.click(*CAMERA_ROWS)
            w.wait_log("03 IPCamera MAC :")
            w.double_click(GUIDE_NEXT, "DiscoveryPage IPCameraIdx :", "DeviceSetupPage")
            w.fill((SETUP_PASSWORD, PASSWORD), (SETUP_RETYPE, PASSWORD))
            w.double_click(GUIDE_NEXT, SUMMARY_SHOWN, "DeviceSetupCompletePage", timeout=90)


if __name__ == "__main__":
    unittest.main(verbosity=2)
