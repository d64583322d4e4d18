"""Shared steps of the Wi-Fi page's end-to-end roads: a lab with the wired link, a second
("wireless") link, the catalogue and probe servers, one simulated camera per road, and the
clicks from Start to the Wi-Fi page (a registered camera: setup -> already registered -> Wi-Fi)."""

import base64
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
import lab as labmod  # noqa: E402
from lab import Lab  # noqa: E402
from wizard import Wizard  # noqa: E402

NETSIM = os.path.join(SOURCE_DIR, "tests", "tools", "netsim", "netsim.py")
CAMSIM = os.path.join(BUILD_DIR, "tests", "camsim")
CATALOGUE = os.path.join(SOURCE_DIR, "tests", "data", "catalogue", "tolmwizard.json")
SERVER_IP = "10.254.1.10"
HOSTS = ["catalog.tolmwizard.invalid", "update.tolmwizard.invalid", "www.example.com"]
PC_WIRELESS_IP, CAM_WIRELESS_IP = "10.254.2.1", "10.254.2.20"
MAC = "00:11:22:AA:BB:71"
PASSWORD = "campass1"

# Window coordinates: pages start at y 100, popups and boxes are centred in the 800 x 650 window.
WELCOME_START = (205, 246)
AGREEMENT_CHECK, AGREEMENT_NEXT = (168, 463), (475, 506)
MODEL_LIST, GUIDE_SKIP = (166, 229), (560, 562)
NEXT = (695, 562)
FIRST_CAMERA_ROW = (257, 231)
SETUP_PASSWORD = (326, 237)
REGISTERED_NEXT = (715, 562)
WIFI_ROW = (150, 269)
WPS_TAB, WHAT_IS_WPS = (210, 195), (278, 192)
ENTER_MANUALLY = (117, 501)
SKIP = (575, 562)
AUTO_PASSWORD, AUTO_CONNECT = (437, 353), (626, 422)
MANUAL_NAME, MANUAL_SECURITY, MANUAL_ENCRYPT, MANUAL_PASSWORD = (437, 248), (437, 298), (437, 348), (437, 398)
MANUAL_CONNECT = (626, 467)


def popup_button(height, x=480):
    return 91 + x + 55, (650 - height) // 2 + height - 50 + 12


def b64(text):
    return base64.b64encode(text.encode()).decode()


def access_points():
    """Twelve access points over three pages: a duplicate, a hidden SSID, a non-ASCII SSID."""
    aps = [{"ssid": "HomeNet", "mode": "0", "auth": "4", "security": "3"},
           {"ssid": "HomeNet", "mode": "0", "auth": "4", "security": "3"},
           {"ssid": "", "mode": "0", "auth": "4", "security": "3"},
           {"ssid": "Café 門", "mode": "0", "auth": "0", "security": "0"}]
    aps += [{"ssid": f"Neighbour{i}", "mode": "0", "auth": "4", "security": "3"} for i in range(8)]
    return aps


def camera(ssid, key, wireless_silence=False, **extra):
    """The camera of one road; with wireless_silence a failed join keeps it silent until SIGHUP."""
    cam = {"mac": MAC, "model": "VKC-6100", "name": "Porch", "dcpVersion": "2.3", "registered": "1",
           "password": PASSWORD,
           "ip": "10.254.0.20", "network": {"23": "10.254.0.20"}, "apPageSize": 5,
           "accessPoints": access_points(),
           "wireless": {"ip": CAM_WIRELESS_IP, "interface": "veth1", "ssid": ssid, "key": key,
                        "failSilentSeconds": 600 if wireless_silence else 45}}
    cam.update(extra)
    return {"cameras": [cam]}


class WifiRoadCase(unittest.TestCase):
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
            assert cls.lab.add_link(PC_WIRELESS_IP, CAM_WIRELESS_IP) == "veth1"
            cert, key = cls.lab.issue_cert(HOSTS)
            data = os.path.join(cls.lab.workdir, "data")
            os.makedirs(data)
            with open(CATALOGUE, encoding="utf-8") as f:
                catalogue = json.load(f)
            catalogue["Cameras"] = [c for c in catalogue["Cameras"] if c["Model"].startswith("VKC")]
            with open(os.path.join(data, "tolmwizard.json"), "w", encoding="utf-8") as f:
                json.dump(catalogue, f)
            for sprite, size in (("assemble_image_square.png", "656x1476"), ("device_list_all.png", "600x600")):
                subprocess.run(["convert", "-size", size, "xc:lightgray", os.path.join(data, sprite)],
                               check=True, timeout=60)
            netsim = cls.lab.cam(["python3", NETSIM, "--data", data, "--probe", ip + ":80", "--https",
                                  ip + ":443", "--cert", cert, "--key", key], stdout=subprocess.PIPE, text=True)
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
        self.record = os.path.join(self.lab.workdir, name + ".jsonl")
        self.camsim = self.lab.cam([CAMSIM, "--config", path, "--record", self.record, "--timeout", "550"])
        self.addCleanup(self.camsim.terminate)
        self.lab.wait_listening("cam", "udp", 5978)

    def requests(self, cls):
        with open(self.record, encoding="utf-8") as f:
            return [r for r in map(json.loads, f) if r.get("class") == cls]

    def settings_sent(self):
        """The Wi-Fi items of every class 3 set request, without the signature."""
        return [r["text"].split(";X=")[0].split(";D=VKC-6100")[1] for r in self.requests("3") if ";9=" in r["text"]]

    def enter_wifi_page(self, w):
        w.wait_window()
        w.click(*WELCOME_START)
        w.wait_log("checkWizardJsonFileTimer stop at", 60)
        time.sleep(1.5)
        w.click(*AGREEMENT_CHECK)
        time.sleep(0.3)
        w.click(*AGREEMENT_NEXT)
        w.wait_log("04 mockup : \"0\"", 15)
        time.sleep(0.8)
        w.click(*MODEL_LIST)
        time.sleep(0.6)
        w.type_text("Choose")
        time.sleep(0.3)
        w.key("Return")
        w.wait_log("03 selectedItem(Device Name) : \"Choose your model\"", 10)
        time.sleep(0.8)
        w.click(*GUIDE_SKIP)
        w.wait_log("Got new IPCamera and Update Device Table List in idx :", 20)
        time.sleep(1.0)
        w.click(*FIRST_CAMERA_ROW)
        w.wait_log("03 IPCamera MAC :", 10)
        w.click(*NEXT)
        w.wait_log("Adding tmpIndex:", 10)
        time.sleep(1.0)
        # The camera has a password: the page asks for it once.
        w.click(*SETUP_PASSWORD)
        w.type_text(PASSWORD)
        w.click(*NEXT)
        w.wait_log("checkNetworkCfgTimer stop at", 40)
        time.sleep(1.0)
        w.click(*REGISTERED_NEXT)
        w.wait_log("checkdWiFiAPListSiteSurveyTimer stop at", 40)
        time.sleep(1.0)

    def choose_network(self, w, key):
        w.click(*WIFI_ROW)
        time.sleep(0.5)
        w.click(*NEXT)
        time.sleep(1.0)
        w.click(*AUTO_PASSWORD)
        w.type_text(key)

    def confirm_cable_removed(self, w, screenshot=None, count=1):
        w.wait_log("checkRestartNetworkTimer stop at", 40, count=count)
        time.sleep(1.0)
        if screenshot:
            w.screenshot(screenshot)
        w.click(*popup_button(350))
