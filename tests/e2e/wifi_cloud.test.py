#!/usr/bin/env python3
"""Back from the Wi-Fi page to the cloud step, by clicks in the lab: the cloud step's road
(its lab and servers) with a camera that has Wi-Fi, "No, thanks" on the cloud page leads to
the Wi-Fi page, whose Back asks the camera for its cloud information again, asks the portal
for the API site and shows the cloud page once both of its web pages have answered."""

import importlib.util
import os
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))


def _load_cloud_step():
    spec = importlib.util.spec_from_file_location("cloud_step", os.path.join(HERE, "cloud.test.py"))
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


_cloud = _load_cloud_step()
_cloud.CAMERA = dict(_cloud.CAMERA, model="VKC-6100", accessPoints=[
    {"ssid": "HomeNet", "mode": "0", "auth": "4", "security": "3"}])
BACK = (105, 562)


class WifiBackToCloud(_cloud.CloudStep):
    # Only the road of this file; the cloud step's own roads run in their file.
    test_a_sign_in = test_b_sign_up = test_c_device_add_refused = test_d_no_thanks = None
    test_e_untrusted_service = None

    def test_back_runs_the_cloud_checks(self):
        with _cloud.Wizard(_cloud.BUILD_DIR, lab=self.lab) as w:
            self.to_cloud_page(w)
            w.click(*_cloud.NO_THANKS)
            time.sleep(0.5)
            w.click(*_cloud.SKIP_NEXT)
            w.wait_log("checkdWiFiAPListSiteSurveyTimer stop at", 30)
            time.sleep(1.0)
            portal_asks = len(self.requests("/openapi/"))
            w.click(*BACK)
            w.wait_log("back to the cloud page", 60)
            time.sleep(2.0)
            w.screenshot("wifi_back_to_cloud.png")
        self.assertEqual(len(self.requests("/openapi/")), portal_asks + 1)
        cloud_info = [r for r in _cloud.jsonl(self.camera_record) if r.get("class") == "2" and not r["params"].get("G")]
        self.assertTrue(cloud_info, "the camera was not asked for its cloud information")


if __name__ == "__main__":
    unittest.main(verbosity=2)
