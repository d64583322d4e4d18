#!/usr/bin/env python3
"""The access-point road by clicks. A second lab link plays the camera's own access point
(10.255.255.1); the test takes the computer's links down and up as a person switches Wi-Fi."""

import base64
import json
import os
import shutil
import subprocess
import sys
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE_DIR = os.environ.get("SOURCE_DIR", os.path.dirname(os.path.dirname(HERE)))
BUILD_DIR = os.environ.get("BUILD_DIR", os.path.join(SOURCE_DIR, "build"))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(SOURCE_DIR, "tests", "lab"))
sys.path.insert(0, os.path.join(SOURCE_DIR, "tests", "tools", "netsim"))
import lab as labmod  # noqa: E402
from lab import Lab  # noqa: E402
from pictures import sprite, write_png  # noqa: E402
from wizard import Wizard  # noqa: E402

NETSIM = os.path.join(SOURCE_DIR, "tests", "tools", "netsim", "netsim.py")
CAMCGI = os.path.join(SOURCE_DIR, "tests", "tools", "camcgi", "camcgi.py")
CAMSIM = os.path.join(BUILD_DIR, "tests", "camsim")
CATALOGUE = os.path.join(SOURCE_DIR, "tests", "data", "catalogue", "tolmwizard.json")
SERVER_IP = "10.254.1.10"
HOSTS = ["catalog.tolmwizard.invalid", "update.tolmwizard.invalid", "www.example.com", "www.example.org"]
AP_IP, PC_AP_IP, HOME_IP = "10.255.255.1", "10.255.255.100", "10.254.0.20"
MAC = "00:11:22:AA:BB:61"
SPRITE_ROWS = ["Local_ConnectionType", "INT_ia", "INT_ia_ib", "INT_ic", "INT_id", "WPS_wa", "WPS_wb", "WPS_wc",
               "WPS_wd"]

# Window coordinates: pages start at y 100, popups are centred in the 800 x 650 window.
WELCOME_START = (205, 246)
AGREEMENT_CHECK, AGREEMENT_NEXT = (168, 463), (475, 506)
MODEL_LIST, TYPE_LIST = (166, 229), (166, 268)
NEXT = (695, 562)
PASSWORD_FIELD = (316, 253)
FIRST_NETWORK = (170, 254)
BOX_PASSWORD, BOX_CONNECT = (421, 353), (626, 422)


def popup_button(height, x):
    return 91 + x + 55, (650 - height) // 2 + height - 50 + 12


def b64(text):
    return base64.b64encode(text.encode()).decode()


def camera(**extra):
    cam = {"mac": MAC, "model": "VKC-6100", "name": "Porch", "password": "campass1", "agentVersion": "2.0.17-b83",
           "accessPoints": [{"ssid": "HomeNet", "mode": "1", "auth": "4", "security": "3"},
                            {"ssid": "Cafe", "mode": "1", "auth": "0", "security": "0"}]}
    cam.update(extra)
    return {"cameras": [cam]}


class AccessPointRoad(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        reason = labmod.unavailable_reason()
        if reason:
            raise unittest.SkipTest(reason)
        for path in (os.path.join(BUILD_DIR, "tolmwizard"), NETSIM, CAMSIM):
            if not os.path.exists(path):
                raise unittest.SkipTest(path + " is missing")
        cls.lab = Lab(internet=True).start()
        try:
            ip = cls.lab.add_cam_address(SERVER_IP)
            cls.lab.set_hosts({host: ip for host in HOSTS})
            cls.ap_link = cls.lab.add_link(PC_AP_IP, AP_IP)
            cls.lab.set_pc_link(cls.ap_link, False)
            cert, key = cls.lab.issue_cert(HOSTS)
            data = os.path.join(cls.lab.workdir, "data")
            os.makedirs(data)
            shutil.copy(CATALOGUE, data)
            with open(CATALOGUE, encoding="utf-8") as f:
                sprite(os.path.join(data, "assemble_image_square.png"), SPRITE_ROWS, json.load(f)["AssembleImages"],
                       164, 4)
            write_png(os.path.join(data, "device_list_all.png"), 600, 600, background=(211, 211, 211))
            netsim = cls.lab.cam(["python3", NETSIM, "--data", data, "--probe", ip + ":80", "--https", ip + ":443",
                                  "--cert", cert, "--key", key], stdout=subprocess.PIPE, text=True)
            if netsim.stdout.readline().strip() != "ready":
                raise RuntimeError("netsim did not start")
        except BaseException:
            cls.lab.close()
            raise

    @classmethod
    def tearDownClass(cls):
        cls.lab.close()

    def start_camera(self, config, name):
        path = os.path.join(self.lab.workdir, name + ".json")
        with open(path, "w", encoding="utf-8") as f:
            json.dump(config, f)
        record = os.path.join(self.lab.workdir, name + ".jsonl")
        proc = self.lab.cam([CAMSIM, "--config", path, "--record", record, "--timeout", "500"])
        self.addCleanup(proc.terminate)
        self.lab.wait_listening("cam", "udp", 5978)
        return record

    def switch_to(self, link_up, link_down):
        self.lab.set_pc_link(link_down, False)
        self.lab.set_pc_link(link_up, True)
        time.sleep(1)

    def enter_access_point_page(self, w):
        w.wait_window()
        w.click(*WELCOME_START)
        w.wait_log("checkWizardJsonFileTimer stop at", 60)
        time.sleep(1.5)
        w.click(*AGREEMENT_CHECK)
        time.sleep(0.3)
        w.click(*AGREEMENT_NEXT)
        w.wait_log("04 mockup : \"0\"", 15)
        for place, text, log in ((MODEL_LIST, "VKC-6100", "04 mockup : \"2\""),
                                 (TYPE_LIST, "Direct", "01 Got ctype index changed : \"Direct Connection\"")):
            time.sleep(0.6)
            w.click(*place)
            time.sleep(0.6)
            w.type_text(text)
            w.key("Return")
            w.wait_log(log, 10)
        time.sleep(0.8)
        w.click(*NEXT)
        time.sleep(1)
        w.screenshot("apmode_host_to_device.png")

    def test_road_to_discovery(self):
        record = self.start_camera(camera(ip=AP_IP, accessPoint={"interface": self.ap_link, "ssid": "HomeNet",
                                                                 "key": "homekey1", "homeIp": HOME_IP}), "road")
        cgi_record = os.path.join(self.lab.workdir, "cgi.jsonl")
        cgi = self.lab.cam(["python3", CAMCGI, "--bind", AP_IP, "--port", "443", "--password", "campass1",
                            "--record", cgi_record], stdout=subprocess.PIPE, text=True)
        self.addCleanup(cgi.terminate)
        self.lab.wait_listening("cam", "tcp", 443)
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            self.enter_access_point_page(w)
            # Still on the home network: nothing answers at the access point.
            w.click(*NEXT)
            w.wait_log(" checkAPModeDiscoveryTimer timeout ", 45)
            time.sleep(0.5)
            w.screenshot("apmode_discovery_failed.png")
            self.switch_to(self.ap_link, "veth0")
            w.click(*popup_button(300, 480))
            w.wait_log(" checkAPModeDiscoveryTimer stop at ", 30)
            time.sleep(1)
            w.screenshot("apmode_password.png")

            w.click(*PASSWORD_FIELD)
            w.type_text("wrongpw1")
            w.click(*NEXT)
            w.wait_log(" checkAPModePasswordTimer timeout ", 45)
            time.sleep(0.5)
            w.screenshot("apmode_password_error.png")
            w.click(*popup_button(300, 480))
            time.sleep(0.5)
            w.click(*PASSWORD_FIELD)
            w.type_text("campass1")
            w.click(*NEXT)
            w.wait_log(" SSID :", 30, count=2)
            time.sleep(1)
            w.screenshot("apmode_device_to_router.png")

            w.click(*FIRST_NETWORK)
            time.sleep(0.5)
            w.click(*NEXT)
            time.sleep(1)
            w.click(*BOX_PASSWORD)
            w.type_text("homekey1")
            w.screenshot("apmode_wifi_password_box.png")
            w.click(*BOX_CONNECT)
            w.wait_log(" AgentVersion >", 30)
            time.sleep(1)
            w.screenshot("apmode_host_to_router.png")

            self.switch_to("veth0", self.ap_link)
            w.click(*NEXT)
            w.wait_log("recheckWizardInternet pass ", 30)
            w.wait_log(" APClient Mode Camera MACAddr :", 90)
            time.sleep(1.5)
            w.screenshot("apmode_discovery.png")
            # The camera found has its row on the discovery page.
            self.assertRegex(w.log_text().split("APClient Mode Camera MACAddr")[-1],
                             "Update Device Table List|Duplicate IPCamera")

        with open(record, encoding="utf-8") as f:
            sets = [r["text"] for r in map(json.loads, f) if r.get("class") == "3"]
        self.assertTrue(sets, "the camera got no Wi-Fi settings")
        settings = ";9=1;10=1;11=%s;14=4;15=3;18=%s;X=" % (b64("HomeNet"), b64("homekey1"))
        self.assertTrue(all(settings in text for text in sets), sets)
        with open(cgi_record, encoding="utf-8") as f:
            requests = [json.loads(line) for line in f]
        self.assertEqual([(r["path"], r["query"], r["password_ok"]) for r in requests],
                         [("/wireless.cgi", "WirelessDisable=0&WirelessMode=0&ConfigReboot=No", True)])

    def test_camera_at_home_address_offers_reset(self):
        self.start_camera(camera(ip="10.254.0.30"), "home")
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            self.enter_access_point_page(w)
            w.click(*NEXT)
            w.wait_log(" ----------------> NOT APMODE RESET CAMERA", 30)
            time.sleep(0.5)
            w.screenshot("apmode_not_ap_mode.png")
            w.click(*popup_button(300, 360))
            time.sleep(0.5)
            w.screenshot("apmode_reset_hint.png")
            w.click(*popup_button(450, 480))
            time.sleep(1)
            w.wait_log("04 mockup : \"0\"", 10, count=2)
            w.screenshot("apmode_start_over.png")


if __name__ == "__main__":
    unittest.main(verbosity=2)
