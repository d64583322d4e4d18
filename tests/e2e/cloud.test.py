#!/usr/bin/env python3
"""The cloud step of the real wizard in the lab, driven by clicks and typing. Each road goes
Start -> licence -> guide (Skip) -> the camera in the table -> name and password -> the setup
checks -> the cloud page, then: (a) "Existing Account" and a sign-in typed into the service's
form, (b) a new account typed into the sign-up form, (c) a sign-in whose device add the
service refuses, (d) "No, thanks", (e) an API site whose certificate is not the lab's, (f) a
camera whose portal, or a sign-in page whose redirect, is not the cloud service over https, (g) a token sent to the redirect
listener by another local process, (h) a cloud service that never answers the device add, or
answers the account information with 4 MiB.
camsim restarts for every road, so each starts with an unregistered camera.
"""

import json
import os
import subprocess
import sys
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE_DIR = os.environ.get("SOURCE_DIR", os.path.dirname(os.path.dirname(HERE)))
BUILD_DIR = os.environ.get("BUILD_DIR", os.path.join(SOURCE_DIR, "build"))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(SOURCE_DIR, "tests", "lab"))
from lab import Lab  # noqa: E402
from wizard import (CLOUD_EXISTING_ACCOUNT, CLOUD_FLOW_S, CLOUD_NO_THANKS, CLOUD_PAGE_SHOWN, FINISH,  # noqa: E402
                    STEP_S, Wizard, first_line, popup_button, read_record, skip_unless_available,
                    wait_until)

TOOLS = os.path.join(SOURCE_DIR, "tests", "tools")
NETSIM = os.path.join(TOOLS, "netsim", "netsim.py")
CLOUDSIM = os.path.join(TOOLS, "cloudsim", "cloudsim.py")
CAMCGI = os.path.join(TOOLS, "camcgi", "camcgi.py")
CAMSIM = os.path.join(BUILD_DIR, "tests", "camsim")
CATALOGUE = os.path.join(SOURCE_DIR, "tests", "data", "catalogue", "tolmwizard.json")
NET_IP, CLOUD_IP, FAKE_IP, CAMERA_IP = "10.254.1.10", "10.254.1.30", "10.254.1.31", "10.254.0.41"
OTHER_IP, OTHER_HOST = "10.254.1.32", "portal.olvaris-cloud.invalid"  # valid https, another domain
NET_HOSTS = ["catalog.tolmwizard.invalid", "update.tolmwizard.invalid", "www.example.com"]
API_HOST, PORTAL_HOST = "api.olvaris.invalid", "portal.olvaris.invalid"
PASSWORD = "porchpw12"
CAMERA = {"mac": "00:11:22:AA:BB:41", "model": "VKC-2100", "name": "Porch", "dcpVersion": "2.0",
          "ip": CAMERA_IP, "registered": "0", "portal": "https://%s/" % PORTAL_HOST,
          "cloudId": "9001.olvaris", "dfp": "dfp-41", "network": {"0": "1", "23": CAMERA_IP, "51": "443"}}
REFUSAL = "Diese Kamera gehört schon zu einem anderen Konto"

POPUP_OK, SKIP_NEXT = popup_button(300), popup_button(400)

# Another local process guesses at the listener while the cloud page waits.
INJECT = """
import http.client
for query in ("access_token=Teve&state=tolmwizard_signin", "access_token=Teve&state=tolmwizard_signup",
              "access_token=Teve"):
    c = http.client.HTTPConnection("127.0.0.1", 5979, timeout=5)
    c.request("GET", "/?" + query)
    print(c.getresponse().status)
"""


class CloudStep(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        skip_unless_available()
        cls.lab = lab = Lab(internet=True).start()
        try:
            net, cloud = lab.add_cam_address(NET_IP), lab.add_cam_address(CLOUD_IP)
            lab.add_cam_address(FAKE_IP)
            lab.add_cam_address(OTHER_IP)
            lab.add_cam_address(CAMERA_IP)
            cls.hosts = dict({h: net for h in NET_HOSTS}, **{API_HOST: cloud, PORTAL_HOST: cloud, OTHER_HOST: OTHER_IP})
            lab.set_hosts(cls.hosts)
            data = os.path.join(lab.workdir, "data")
            os.makedirs(data)
            with open(CATALOGUE, encoding="utf-8") as f:
                catalogue = json.load(f)
            catalogue["Cameras"] = [c for c in catalogue["Cameras"] if c["Model"].startswith("VKC")]
            with open(os.path.join(data, "tolmwizard.json"), "w", encoding="utf-8") as f:
                json.dump(catalogue, f)
            for sprite, size in (("assemble_image_square.png", "656x1476"), ("device_list_all.png", "600x600")):
                subprocess.run(["convert", "-size", size, "xc:lightgray", os.path.join(data, sprite)], check=True)
            cert, key = lab.issue_cert(NET_HOSTS)
            netsim = lab.cam(["python3", NETSIM, "--data", data, "--probe", net + ":80", "--https", net + ":443",
                              "--cert", cert, "--key", key], stdout=subprocess.PIPE, text=True)
            assert first_line(netsim, "netsim") == "ready"
            cls.control = os.path.join(lab.workdir, "control.json")
            cls.cloud_record = os.path.join(lab.workdir, "cloud.jsonl")
            cls.fake_record = os.path.join(lab.workdir, "fake.jsonl")
            cls.start_cloudsim(cloud, lab.issue_cert([API_HOST, PORTAL_HOST]), cls.cloud_record)
            own = [os.path.join(lab.workdir, "own" + ext) for ext in (".pem", ".key")]
            subprocess.run(["openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                            "-nodes", "-keyout", own[1], "-out", own[0], "-days", "1", "-subj", "/CN=" + API_HOST,
                            "-addext", "subjectAltName=DNS:" + API_HOST], check=True, capture_output=True)
            cls.start_cloudsim(FAKE_IP, own, cls.fake_record)
            # The same service in plain HTTP, and with a valid certificate on another domain.
            cls.plain_record = os.path.join(lab.workdir, "plain.jsonl")
            cls.start_cloudsim(cloud, None, cls.plain_record, port=80)
            cls.other_record = os.path.join(lab.workdir, "other.jsonl")
            cls.start_cloudsim(OTHER_IP, lab.issue_cert([OTHER_HOST]), cls.other_record)
            lab.cam(["python3", CAMCGI, "--bind", CAMERA_IP, "--port", "443", "--password", PASSWORD,
                     "--time-limit", "600"], stdout=subprocess.DEVNULL)
            cls.cameras = os.path.join(lab.workdir, "cameras.json")
            with open(cls.cameras, "w") as f:
                json.dump({"cameras": [CAMERA]}, f)
            lab.wait_listening("cam", "tcp", 443)
        except BaseException:
            lab.close()
            raise

    @classmethod
    def start_cloudsim(cls, ip, cert_key, record, port=443):
        """cloudsim on ip, over https with cert_key (None: plain http); returns once it listens and its record
        file is made."""
        tls = ["--cert", cert_key[0], "--key", cert_key[1]] if cert_key else []
        sim = cls.lab.cam(["python3", CLOUDSIM, "--listen", "%s:%d" % (ip, port)] + tls +
                          ["--record", record, "--control", cls.control, "--site", "https://" + API_HOST],
                          stdout=subprocess.PIPE, text=True)
        if not first_line(sim, "cloudsim").startswith("ready"):
            raise RuntimeError("cloudsim did not start on %s:%d" % (ip, port))

    @classmethod
    def tearDownClass(cls):
        cls.lab.close()

    def setUp(self):
        self.set_control({})
        self.lab.set_hosts(self.hosts)
        self.camera_record = os.path.join(self.lab.workdir, self.id().rsplit(".", 1)[-1] + ".jsonl")
        self.camsim = self.lab.cam([CAMSIM, "--config", self.cameras, "--record", self.camera_record])
        self.lab.wait_listening("cam", "udp", 5978)
        self.first_record = len(read_record(self.cloud_record))

    def tearDown(self):
        self.camsim.terminate()
        self.camsim.wait(5)

    def set_control(self, control):
        control.setdefault("accounts", {"ann@example.test": "secret1"})
        with open(self.control, "w") as f:
            json.dump(control, f)

    def requests(self, path):
        return [r for r in read_record(self.cloud_record)[self.first_record:] if r.get("path") == path]

    def camera_with(self, **changes):
        """camsim again, its camera changed."""
        self.camsim.terminate()
        self.camsim.wait(5)
        path = os.path.join(self.lab.workdir, self.id().rsplit(".", 1)[-1] + ".cameras.json")
        with open(path, "w") as f:
            json.dump({"cameras": [dict(CAMERA, **changes)]}, f)
        self.camsim = self.lab.cam([CAMSIM, "--config", path, "--record", self.camera_record])
        self.lab.wait_listening("cam", "udp", 5978)

    def register_bits(self):
        return [r["params"]["G"] for r in read_record(self.camera_record)
                if r.get("class") == "2" and "G" in r["params"]]

    def to_cloud_page(self, w, reached=CLOUD_PAGE_SHOWN):
        w.to_setup_page()
        w.set_up_camera(PASSWORD, name="Porch", new=True, reached=reached)

    def assert_registered(self, w):
        # The simulators write a request's line once they have answered it: wait for the lines.
        adds = wait_until(lambda: self.requests("/me/device/add"), STEP_S, "cloudsim's record of the device add")
        wait_until(self.register_bits, STEP_S, "camsim's record of the register bit")
        self.assertEqual([json.loads(a["body"]) for a in adds],
                         [{"data": {"mac": "001122AABB41", "olvaris_id": "9001", "session_id": "dfp-41"}}])
        self.assertEqual(self.register_bits()[:1], ["1"])
        self.assertNotIn("0", self.register_bits(), "the register bit was taken back")
        self.assertNotRegex(w.log_text(), r"access_token=(?!\*)\w")

    def test_a_sign_in(self):
        # The browser is a script that notes the address it is given.
        opened = os.path.join(self.lab.workdir, "opened.txt")
        browser = os.path.join(self.lab.workdir, "browser")
        os.makedirs(browser, exist_ok=True)
        with open(os.path.join(browser, "xdg-open"), "w") as f:
            f.write('#!/bin/sh\necho "$@" > %s.new && mv %s.new %s\n' % (opened, opened, opened))
        os.chmod(os.path.join(browser, "xdg-open"), 0o755)
        self.addCleanup(os.environ.__setitem__, "PATH", os.environ["PATH"])
        os.environ["PATH"] = browser + ":" + os.environ["PATH"]
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            self.to_cloud_page(w)
            w.screenshot("cloud_new_account_tab.png")
            w.sign_in("ann@example.test", "secret1", "cloud_existing_account_tab.png")
            w.screenshot("cloud_sign_in_complete.png")
            self.assert_registered(w)
            w.click(*FINISH)
            self.assertEqual(w.wait_exit(), 0)
        # The browser starts on its own, maybe after the program's end.
        wait_until(lambda: os.path.exists(opened), STEP_S, "the browser's start")
        with open(opened) as f:
            self.assertEqual(f.read(), "https://www.olvaris.invalid/\n")

    def test_b_sign_up(self):
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            self.to_cloud_page(w)
            w.type_cloud_form("new@example.test", "fresh-pw9", "cloud_sign_up_typed.png")
            w.wait_log(" Go to SignUp complete", CLOUD_FLOW_S)
            w.screenshot("cloud_verification_popup.png")
            w.click(*POPUP_OK)
            w.wait_log("After the cloud step: completion page")
            self.assertEqual([r["status"] for r in self.requests("/signup")], [302])
            self.assert_registered(w)

    def test_c_device_add_refused(self):
        self.set_control({"deviceAdd": {"status": 400, "body": {"error": {"message": REFUSAL}}}})
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            self.to_cloud_page(w)
            w.click(*CLOUD_EXISTING_ACCOUNT)
            w.type_cloud_form("ann@example.test", "secret1", "cloud_refused_typed.png")
            w.wait_log("[SignIn] errorMsg:", 40)
            time.sleep(1.0)
            w.screenshot("cloud_sign_in_error_popup.png")
            w.click(*POPUP_OK)
            # OK starts both flows again on the same site.
            w.wait_log("[SignIn][GET] SignInPage Success Code :", CLOUD_FLOW_S, count=2)
            self.assertEqual(len(self.requests("/oauth/authorize")), 2)
            self.assertEqual(self.requests("/me/user/info"), [])
            self.assertEqual(self.register_bits(), [])

    def test_d_no_thanks(self):
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            self.to_cloud_page(w)
            w.click_for_popup(CLOUD_NO_THANKS)
            w.screenshot("cloud_no_thanks_popup.png")
            w.click(*SKIP_NEXT)
            w.wait_log("After the cloud step: completion page")
            time.sleep(1.0)
            w.screenshot("cloud_skipped_complete.png")
            self.assertEqual(self.requests("/me/device/add"), [])
            self.assertEqual(self.register_bits(), [])

    def test_e_untrusted_service(self):
        self.lab.set_hosts(dict(self.hosts, **{API_HOST: FAKE_IP}))
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            self.to_cloud_page(w, reached="open msgbox : \"untrustedCloudServiceWarning\"")
            w.screenshot("cloud_untrusted_popup.png")
            # The sign-in page failed the same way: no general failure popup over this one.
            w.assert_logged('open msgbox : "cloudServiceFailedWarning"', present=False)
        records = read_record(self.fake_record)
        self.assertTrue(records, "the wizard never tried the service")
        self.assertEqual([r for r in records if "method" in r], [], "a request reached the untrusted service")

    def test_f_portal_not_the_cloud(self):
        for portal, record in (("http://%s/" % PORTAL_HOST, self.plain_record),
                               ("https://%s/" % OTHER_HOST, self.other_record)):
            with self.subTest(portal=portal):
                self.camera_with(portal=portal)
                with Wizard(BUILD_DIR, lab=self.lab) as w:
                    self.to_cloud_page(w, reached="checkOpenAPIUriInfoConnection() popupConfigNetworkWarning()")
                    w.screenshot("cloud_portal_refused.png")
                    self.assertIn("OpenAPI request not sent", w.log_text())
                self.assertEqual(read_record(record), [], "a request reached " + portal)
                self.assertEqual(self.requests("/me/device/add"), [])
        # The sign-in page sends the browser to plain HTTP: not followed, the cloud failure popup.
        self.camera_with()
        self.set_control({"authorizeTo": "http://%s/login" % PORTAL_HOST})
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            self.to_cloud_page(w, reached='open msgbox : "cloudServiceFailedWarning"')
            w.screenshot("cloud_redirect_refused.png")
        self.assertEqual(read_record(self.plain_record), [])

    def test_g_injected_token(self):
        self.set_control({"tokens": {"Teve": "eve@example.test"}})
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            self.to_cloud_page(w)
            w.click(*CLOUD_EXISTING_ACCOUNT)
            injector = self.lab.pc(["python3", "-c", INJECT], stdout=subprocess.PIPE, text=True)
            self.assertEqual(injector.communicate(timeout=30)[0].split(), ["404"] * 3)
            time.sleep(2.0)
            self.assertEqual(self.requests("/me/device/add"), [])
            self.assertEqual(self.register_bits(), [])
            # The genuine sign-in still works, with its own account.
            w.type_cloud_form("ann@example.test", "secret1", "cloud_after_injection.png")
            w.wait_log(" Go to SignIn complete", 40)
            self.assert_registered(w)
            self.assertNotIn("Teve", json.dumps(read_record(self.cloud_record)[self.first_record:]))
            self.assertNotIn("Teve", w.log_text())
            self.assertNotIn("ann@example.test", w.log_text())

    def test_h_silent_or_huge_step(self):
        # One step that never answers, then one whose answer is far too large: the overlay goes, the popup comes.
        for control, path, status in (({"hang": ["/me/device/add"]}, "/me/device/add", "hung"),
                                      ({"huge": ["/me/user/info"]}, "/me/user/info", 200)):
            with self.subTest(step=path, status=status):
                self.camera_with()
                self.set_control(control)
                self.first_record = len(read_record(self.cloud_record))
                with Wizard(BUILD_DIR, lab=self.lab) as w:
                    self.to_cloud_page(w)
                    w.click(*CLOUD_EXISTING_ACCOUNT)
                    w.type_cloud_form("ann@example.test", "secret1", "cloud_silent_typed.png")
                    w.wait_log("content!!")
                    sent = time.monotonic()
                    w.wait_log('open msgbox : "cloudServiceFailedWarning"', 40)
                    self.assertLess(time.monotonic() - sent, 25)
                    time.sleep(0.5)
                    w.screenshot("cloud_step_failed_popup.png")
                self.assertEqual([r["status"] for r in self.requests(path)], [status])
                self.assertEqual(self.register_bits(), [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
