#!/usr/bin/env python3
"""The device setup steps in the lab, driven by clicks from the discovery page on:
(a) a new camera gets its name and password, its name, clock and daylight saving over its CGI,
    passes the Internet, cloud-information and OpenAPI checks and the cloud page is shown;
(b) a wrong current password ends in the "Error" popup and nothing is sent after it;
(c) a camera without Internet gets the manual network box, whose static settings reach it;
(d) "Local Only" in that box then takes the camera to the Wi-Fi page, as the catalogue says.
The simulators' records show what reached the camera, the cloud portal and the cloud service.
"""

import json
import os
import re
import subprocess
import sys
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE_DIR = os.environ.get("SOURCE_DIR", os.path.dirname(os.path.dirname(HERE)))
BUILD_DIR = os.environ.get("BUILD_DIR", os.path.join(SOURCE_DIR, "build"))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(SOURCE_DIR, "tests", "lab"))
import lab as labmod  # noqa: E402
from lab import Lab  # noqa: E402
from wizard import Wizard  # noqa: E402

TOOLS = os.path.join(SOURCE_DIR, "tests", "tools")
NETSIM = os.path.join(TOOLS, "netsim", "netsim.py")
CAMCGI = os.path.join(TOOLS, "camcgi", "camcgi.py")
CLOUDSIM = os.path.join(TOOLS, "cloudsim", "cloudsim.py")
CAMSIM = os.path.join(BUILD_DIR, "tests", "camsim")
CATALOGUE = os.path.join(SOURCE_DIR, "tests", "data", "catalogue", "tolmwizard.json")
SERVER_IP, CLOUD_IP = "10.254.1.10", "10.254.1.30"
HOSTS = ["catalog.tolmwizard.invalid", "update.tolmwizard.invalid", "www.example.com", "portal.olvaris.invalid"]
API_HOST = "api.olvaris.invalid"

NEW = {"mac": "00:11:22:AA:CC:01", "model": "VKC-2100", "name": "Porch", "dcpVersion": "2.0", "ip": "10.254.2.21",
       "portal": "https://portal.olvaris.invalid/", "cloudId": "9001.olvaris"}
LOCKED = {"mac": "00:11:22:AA:CC:02", "model": "VKC-7300", "name": "Gate", "dcpVersion": "2.3", "ip": "10.254.2.22",
          "password": "gate-pass1"}
OFFLINE = {"mac": "00:11:22:AA:CC:03", "model": "VKC-6100", "name": "Shed", "dcpVersion": "2.0", "ip": "10.254.2.23",
           "password": "shed-pass1", "internet": False}

# Window coordinates: pages start at y 100; the manual network box sits at 91, 25.
WELCOME_START, AGREEMENT_CHECK, AGREEMENT_NEXT = (205, 246), (168, 463), (475, 506)
MODEL_LIST, GUIDE_SKIP, NEXT = (166, 229), (560, 562), (695, 562)
NAME, PASSWORD, RETYPE = (326, 186), (326, 237), (326, 287)
ERROR_OK = (626, 437)
BOX_STATIC_TAB, BOX_CONNECT, BOX_LOCAL_ONLY = (527, 230), (636, 587), (516, 417)
BOX_FIELDS = [(407, 308), (407, 363), (407, 418), (407, 473)]
STATIC = ["10.254.0.50", "255.255.255.0", "10.254.0.1", "10.254.0.1"]


def jsonl(path):
    with open(path, encoding="utf-8") as f:
        return [json.loads(line) for line in f if line.strip()]


class SetupRoads(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        reason = labmod.unavailable_reason()
        if reason:
            raise unittest.SkipTest(reason)
        cls.lab = Lab(internet=True).start()
        try:
            cls.start_servers()
        except BaseException:
            cls.lab.close()
            raise

    @classmethod
    def start_servers(cls):
        lab, work = cls.lab, cls.lab.workdir
        ip, cloud_ip = lab.add_cam_address(SERVER_IP), lab.add_cam_address(CLOUD_IP)
        for camera in (NEW, LOCKED, OFFLINE):
            lab.add_cam_address(camera["ip"])
        lab.set_hosts(dict({host: ip for host in HOSTS}, **{API_HOST: cloud_ip}))
        data = os.path.join(work, "data")
        os.makedirs(data)
        with open(CATALOGUE, encoding="utf-8") as f:
            catalogue = json.load(f)
        catalogue["Cameras"] = [c for c in catalogue["Cameras"] if c["Model"].startswith("VKC")]
        with open(os.path.join(data, "tolmwizard.json"), "w", encoding="utf-8") as f:
            json.dump(catalogue, f)
        for sprite, size in (("assemble_image_square.png", "656x1476"), ("device_list_all.png", "600x600")):
            subprocess.run(["convert", "-size", size, "xc:lightgray", os.path.join(data, sprite)], check=True)
        cert, key = lab.issue_cert(HOSTS)
        cls.portal_log = os.path.join(work, "netsim.jsonl")
        netsim = lab.cam(["python3", NETSIM, "--data", data, "--probe", ip + ":80", "--https", ip + ":443",
                          "--cert", cert, "--key", key, "--log", cls.portal_log,
                          "--openapi-site", "https://" + API_HOST], stdout=subprocess.PIPE, text=True)
        if netsim.stdout.readline().strip() != "ready":
            raise RuntimeError("netsim did not start")
        cert, key = lab.issue_cert([API_HOST])
        cls.cloud_log = os.path.join(work, "cloud.jsonl")
        lab.cam(["python3", CLOUDSIM, "--listen", cloud_ip + ":443", "--cert", cert, "--key", key,
                 "--record", cls.cloud_log, "--site", "https://" + API_HOST], stdout=subprocess.DEVNULL)
        cls.cgi_log = os.path.join(work, "cgi.jsonl")
        lab.cam(["python3", CAMCGI, "--bind", NEW["ip"], "--port", "443", "--password", "porchpass1",
                 "--record", cls.cgi_log, "--time-limit", "550"], stdout=subprocess.DEVNULL)
        cls.dcp_log = os.path.join(work, "dcp.jsonl")
        config = os.path.join(work, "cameras.json")
        with open(config, "w") as f:
            json.dump({"cameras": [NEW, LOCKED, OFFLINE]}, f)
        lab.cam([CAMSIM, "--config", config, "--record", cls.dcp_log, "--timeout", "550"])
        lab.wait_listening("cam", "udp", 5978)
        lab.wait_listening("cam", "tcp", 443)

    @classmethod
    def tearDownClass(cls):
        cls.lab.close()

    def requests(self, camera, cls=None):
        return [r for r in jsonl(self.dcp_log)
                if r.get("mac", "").upper() == camera["mac"] and (cls is None or r.get("class") == cls)]

    def setup_page(self, camera, shot):
        """Start -> licence -> guide (Skip) -> discovery -> the camera's row -> Next."""
        w = Wizard(BUILD_DIR, lab=self.lab)
        w.wait_window()
        w.click(*WELCOME_START)
        w.wait_log("checkWizardJsonFileTimer stop at", 60)
        time.sleep(1.5)
        w.click(*AGREEMENT_CHECK)
        time.sleep(0.3)
        w.click(*AGREEMENT_NEXT)
        time.sleep(1.5)
        w.click(*MODEL_LIST)
        time.sleep(0.6)
        w.type_text("Choose")
        w.key("Return")
        time.sleep(1.0)
        w.click(*GUIDE_SKIP)
        w.wait_log("Got new IPCamera and Update Device Table List in idx :", 20, count=3)
        for row in range(3):
            w.click(67 + 190, 100 + 111 + 40 * row + 20)
            w.wait_log("03 IPCamera MAC :", 10, count=row + 1)
            if re.findall(r'03 IPCamera MAC : "([0-9A-F:]+)"', w.log_text())[-1] == camera["mac"]:
                break
        w.click(*NEXT)
        w.wait_log("Adding t", 10)
        time.sleep(0.8)
        w.screenshot(shot)
        return w

    def type_into(self, w, field, text, clear=True):
        w.click(*field)
        if clear:
            w.key("ctrl+a")
        w.type_text(text)

    def test_a_new_camera_reaches_the_cloud_page(self):
        with self.setup_page(NEW, "setup_new_camera.png") as w:
            self.type_into(w, NAME, "Porch-2")
            self.type_into(w, PASSWORD, "porchpass1")
            self.type_into(w, RETYPE, "porchpass1")
            w.click(*NEXT)
            w.wait_log("After the network check : Internet check", 30)
            w.wait_log(" checkOpenAPIUriInfoTimer stop at ", 60)
            time.sleep(1.5)
            w.screenshot("setup_cloud_page.png")
        sets = [r for r in self.requests(NEW, "7") if "P" in r.get("params", {})]
        self.assertTrue(sets, "no password set reached the camera")
        self.assertTrue(self.requests(NEW, "3") and self.requests(NEW, "S") and self.requests(NEW, "2"))
        cgi = jsonl(self.cgi_log)
        self.assertIn({"path": "/config/camera_info.cgi", "body": "name=Porch-2"},
                      [{"path": r["path"], "body": r.get("body")} for r in cgi if r["method"] == "POST"])
        paths = [(r["path"], r["query"]) for r in cgi]
        self.assertIn(("/config/datetime.cgi", "dstenable=no"), paths)
        self.assertTrue(any(p == "/config/datetime.cgi" and "timezone=" in q for p, q in paths), paths)
        self.assertTrue(all(r["password_ok"] for r in cgi), cgi)
        self.assertTrue(any(r["path"] == "/openapi/?url" for r in jsonl(self.portal_log)))
        self.assertTrue(jsonl(self.cloud_log), "the cloud pages were not loaded")

    def test_b_wrong_password_sends_nothing_after_the_error(self):
        with self.setup_page(LOCKED, "setup_current_password.png") as w:
            self.type_into(w, PASSWORD, "wrong-pass1")
            asked = len(self.requests(LOCKED, "7"))
            w.click(*NEXT)
            w.wait_log(" checkPasswordTimer timeout ", 45)
            time.sleep(1.0)
            w.screenshot("setup_password_error.png")
            sent = len(self.requests(LOCKED))
            time.sleep(3.0)
            self.assertEqual(len(self.requests(LOCKED)), sent)
            self.assertEqual(len(self.requests(LOCKED, "7")), asked + 15)
            w.click(*ERROR_OK)

    def test_c_d_manual_settings_then_local_only(self):
        with self.setup_page(OFFLINE, "setup_offline_camera.png") as w:
            self.type_into(w, PASSWORD, OFFLINE["password"])
            w.click(*NEXT)
            w.wait_log("ConfigNetworkMessageBox Constructor Initializing ...", 90)
            time.sleep(1.0)
            w.screenshot("setup_manual_box.png")
            w.click(*BOX_STATIC_TAB)
            time.sleep(0.5)
            for field, text in zip(BOX_FIELDS, STATIC):
                self.type_into(w, field, text, clear=False)
            w.screenshot("setup_manual_box_static.png")
            w.click(*BOX_CONNECT)
            w.wait_log(" checkRestartNetworkTimer stop at ", 30)
            sets = [r for r in self.requests(OFFLINE, "3") if "1" in r.get("params", {})]
            self.assertEqual(len(sets), 1, sets)
            self.assertIn(";0=0;1=10.254.0.50;2=255.255.255.0;3=10.254.0.1;4=10.254.0.1;6=0;", sets[0]["text"])
            self.assertTrue(self.requests(OFFLINE, "9"))

            # The camera still has no Internet: the box again, and Local Only.
            w.wait_log("ConfigNetworkMessageBox Constructor Initializing ...", 90, count=2)
            time.sleep(1.0)
            w.click(*BOX_LOCAL_ONLY)
            w.wait_log("After the network check : Wi-Fi page", 30)
            time.sleep(1.0)
            w.screenshot("setup_local_only_wifi.png")


if __name__ == "__main__":
    unittest.main(verbosity=2)
