#!/usr/bin/env python3
"""The cloud step over the lab, one road per run of tst_cloudlab in the PC namespace:
cloudsim answers under the fixed API host name with a certificate of the lab's authority
(or, for the untrusted road, of an authority of its own), camsim plays the camera.
The service's record shows what reached it; camsim's record shows the register bit."""

import json
import os
import subprocess
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import lab as labmod  # noqa: E402
from lab import Lab  # noqa: E402

SOURCE_DIR = os.environ.get("SOURCE_DIR", os.path.dirname(os.path.dirname(HERE)))
BUILD_DIR = os.environ.get("BUILD_DIR", os.path.join(SOURCE_DIR, "build"))
CLOUDLAB = os.path.join(BUILD_DIR, "tests", "tst_cloudlab")
CAMSIM = os.path.join(BUILD_DIR, "tests", "camsim")
CLOUDSIM = os.path.join(SOURCE_DIR, "tests", "tools", "cloudsim", "cloudsim.py")
API_HOST = "api.olvaris.invalid"
SERVER_IP = "10.254.1.30"
CAMERA = {"mac": "00:11:22:AA:BB:41", "model": "VKC-2100", "name": "Porch", "dcpVersion": "2.0",
          "password": "porch-pw1", "registered": "0", "ip": "10.254.0.41", "cloudId": "9001.olvaris",
          "dfp": "dfp-41"}
REFUSAL = "Diese Kamera gehört schon zu einem anderen Konto"


def jsonl(path):
    if not os.path.exists(path):
        return []
    with open(path, encoding="utf-8") as f:
        return [json.loads(line) for line in f if line.strip()]


class CloudRoads(unittest.TestCase):
    def setUp(self):
        reason = labmod.unavailable_reason()
        if reason:
            self.skipTest(reason)
        for path in (CLOUDLAB, CAMSIM):
            if not os.path.exists(path):
                self.skipTest(path + " is not built")
        self.lab = Lab().start()
        self.addCleanup(self.lab.close)
        ip = self.lab.add_cam_address(SERVER_IP)
        self.lab.set_hosts({API_HOST: ip})
        self.record = os.path.join(self.lab.workdir, "cloud.jsonl")
        self.control = os.path.join(self.lab.workdir, "control.json")
        self.camera_record = os.path.join(self.lab.workdir, "camera.jsonl")
        cameras = os.path.join(self.lab.workdir, "cameras.json")
        with open(cameras, "w") as f:
            json.dump({"cameras": [CAMERA]}, f)
        self.lab.cam([CAMSIM, "--config", cameras, "--record", self.camera_record, "--timeout", "300"])
        self.lab.wait_listening("cam", "udp", 5978)

    def start_cloud(self, control, trusted=True):
        with open(self.control, "w") as f:
            json.dump(control, f)
        if trusted:
            cert, key = self.lab.issue_cert([API_HOST])
        else:
            cert, key = os.path.join(self.lab.workdir, "own.pem"), os.path.join(self.lab.workdir, "own.key")
            subprocess.run(["openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                            "-nodes", "-keyout", key, "-out", cert, "-days", "1", "-subj", "/CN=" + API_HOST,
                            "-addext", "subjectAltName=DNS:" + API_HOST], check=True, capture_output=True)
        self.lab.cam(["python3", CLOUDSIM, "--listen", SERVER_IP + ":443", "--cert", cert, "--key", key,
                      "--record", self.record, "--control", self.control, "--site", "https://" + API_HOST],
                     stdout=subprocess.DEVNULL)
        self.lab.wait_listening("cam", "tcp", 443)

    def run_road(self, function):
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", BUILD_DIR=BUILD_DIR,
                   CLOUDLAB_CAMERA_PASSWORD=CAMERA["password"], CLOUDLAB_REFUSAL=REFUSAL)
        p = self.lab.pc([CLOUDLAB, function, "-maxwarnings", "0"], env=env, stdout=subprocess.PIPE,
                        stderr=subprocess.STDOUT, text=True)
        out, _ = p.communicate(timeout=240)
        self.assertEqual(p.returncode, 0, out[-6000:])
        self.assertNotRegex(out, r"access_token=(?!\*)[A-Za-z0-9]", "an access token reached the log")
        return out

    def requests(self, path):
        return [r for r in jsonl(self.record) if r.get("path") == path]

    def register_requests(self):
        return [r for r in jsonl(self.camera_record) if r.get("class") == "2" and "G" in r.get("params", {})]

    def assert_device_added(self):
        adds = self.requests("/me/device/add")
        self.assertEqual(len(adds), 1, adds)
        self.assertEqual(json.loads(adds[0]["body"]),
                         {"data": {"mac": "001122AABB41", "olvaris_id": "9001", "session_id": "dfp-41"}})
        self.assertEqual(adds[0]["contentType"], "application/json")
        self.assertEqual([i["status"] for i in self.requests("/me/user/info")], [200])
        bits = self.register_requests()
        self.assertTrue(bits and bits[0]["params"]["G"] == "1", bits)
        self.assertTrue(all(b["params"]["G"] == "1" for b in bits), "the register bit was taken back")

    def test_a_sign_in(self):
        self.start_cloud({"accounts": {"ann@example.test": "secret1"}})
        self.run_road("signInWithExistingAccount")
        self.assertEqual([r["method"] for r in self.requests("/login")], ["GET", "POST"])
        self.assert_device_added()
        # The handshake ran signed: refused once for the stale time stamp, then accepted.
        self.assertEqual([r["status"] for r in self.requests("/oauth/access_token")], [400, 200])

    def test_b_sign_up(self):
        self.start_cloud({})
        self.run_road("signUpNewAccount")
        self.assertEqual([r["status"] for r in self.requests("/signup")], [302])
        self.assert_device_added()

    def test_c_device_add_refused(self):
        self.start_cloud({"accounts": {"ann@example.test": "secret1"},
                          "deviceAdd": {"status": 400, "body": {"error": {"message": REFUSAL}}}})
        self.run_road("deviceAddRefused")
        self.assertEqual(len(self.requests("/oauth/authorize")), 2)
        self.assertEqual(len(self.requests("/me/user/info")), 0)
        self.assertEqual(self.register_requests(), [])

    def test_d_no_thanks(self):
        self.start_cloud({})
        self.run_road("noThanks")
        self.assertEqual(self.requests("/me/device/add"), [])
        self.assertEqual(self.register_requests(), [])

    def test_e_untrusted_service(self):
        self.start_cloud({}, trusted=False)
        self.run_road("untrustedService")
        records = jsonl(self.record)
        self.assertTrue(records, "the wizard never tried the service")
        self.assertEqual([r for r in records if "method" in r], [], "a request reached the untrusted service")


if __name__ == "__main__":
    unittest.main(verbosity=2)
