"""Set-up and steps of the Wi-Fi page's end-to-end roads: a lab with the wired link, a second
("wireless") link, the Internet side and the cloud service of the harness, one simulated camera
per road, and the clicks from Start to the Wi-Fi page (a new camera: setup -> cloud page ->
"No, thanks" -> Wi-Fi). The camera joins only the hidden network HIDDEN with its WEP key."""

import base64
import contextlib
import time
import unittest

from wizard import (BUILD_DIR, SETUP_PASSWORD, WIFI_LIST_SHOWN, LabCloud, Wizard, catalogue_of, online_lab,
                    popup_button, records, start_camsim)  # noqa: F401 (SETUP_PASSWORD for the language roads)

PC_WIRELESS_IP, CAM_WIRELESS_IP = "10.254.2.1", "10.254.2.20"
MAC = "00:11:22:AA:BB:71"
PASSWORD = "campass1"
HIDDEN, HIDDEN_KEY = "Hidden Net", "0123456789"
FOUND_AGAIN = "To the completion page, camera at : \"%s\"" % CAM_WIRELESS_IP

# Window coordinates: pages start at y 100, popups and boxes are centred in the 800 x 650 window.
NEXT = (695, 562)
WIFI_ROW = (150, 269)
WPS_TAB, WHAT_IS_WPS = (210, 195), (278, 192)
ENTER_MANUALLY = (117, 501)
SKIP, BACK = (575, 562), (105, 562)
AUTO_PASSWORD, AUTO_CONNECT = (437, 353), (626, 422)
MANUAL_NAME, MANUAL_SECURITY, MANUAL_ENCRYPT, MANUAL_PASSWORD = (437, 248), (437, 298), (437, 348), (437, 398)
MANUAL_CONNECT = (626, 467)


def b64(text):
    return base64.b64encode(text.encode()).decode()


def camera():
    """Twelve access points over three pages (a duplicate, a hidden SSID, a non-ASCII SSID); a
    failed join keeps the camera silent until its cable is plugged in again (SIGHUP)."""
    aps = [{"ssid": ssid, "mode": "0", "auth": "4", "security": "3"} for ssid in ["HomeNet", "HomeNet", ""]]
    aps += [{"ssid": "Café 門", "mode": "0", "auth": "0", "security": "0"}]
    aps += [{"ssid": f"Neighbour{i}", "mode": "0", "auth": "4", "security": "3"} for i in range(8)]
    return {
        "mac": MAC, "model": "VKC-6100", "name": "Porch", "dcpVersion": "2.3", "registered": "0",
        "password": PASSWORD, "portal": LabCloud.PORTAL, "cloudId": "9071.olvaris", "dfp": "dfp-71",
        "ip": "10.254.0.20", "network": {"23": "10.254.0.20"}, "apPageSize": 5, "accessPoints": aps,
        "wireless": {"ip": CAM_WIRELESS_IP, "interface": "veth1", "ssid": HIDDEN, "key": HIDDEN_KEY,
                     "failSilentSeconds": 600}}


class WifiRoadCase(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        # The model prompt's scan names the VKC models only.
        cls.lab, _, cls.cloud = online_lab(cls, cloud=True, catalogue=catalogue_of("VKC"))
        assert cls.lab.add_link(PC_WIRELESS_IP, CAM_WIRELESS_IP) == "veth1"

    @contextlib.contextmanager
    def wifi_page(self):
        """A fresh camera and the wizard on the Wi-Fi page, reached from the cloud page."""
        self.camsim, self.record = start_camsim(self.lab, [camera()], self.id().rsplit(".", 1)[-1])
        self.addCleanup(self.camsim.terminate)
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            w.to_setup_page()
            w.wait_log("Adding tmpIndex:")
            w.set_up_camera(PASSWORD)  # the camera has a password: the page asks for it once
            self.leave_cloud_page(w)
            yield w

    def leave_cloud_page(self, w, count=1):
        w.skip_cloud()
        w.wait_log(WIFI_LIST_SHOWN, 40, count=count)
        w.settle()

    def requests(self, cls):
        return records(self.record, cls)

    def settings_sent(self):
        """The Wi-Fi items of every class 3 set request, without the signature."""
        return [r["text"].split(";X=")[0].split(";D=VKC-6100")[1] for r in self.requests("3") if ";9=" in r["text"]]

    def choose_network(self, w, key):
        w.click(*WIFI_ROW)
        w.settle()
        w.click(*NEXT)
        w.settle()
        w.click(*AUTO_PASSWORD)
        w.type_text(key)

    def type_hidden_network(self, w):
        """"Enter Manually": HIDDEN, "Open(WEP)", "WEP,64bit" and its key."""
        w.click(*ENTER_MANUALLY)
        w.settle()
        w.click(*MANUAL_NAME)
        w.type_text(HIDDEN)
        for combo in (MANUAL_SECURITY, MANUAL_ENCRYPT):
            w.click(*combo)
            time.sleep(0.5)
            w.key("Down")
            w.key("Return")
            time.sleep(0.3)
        w.click(*MANUAL_PASSWORD)
        w.type_text(HIDDEN_KEY)
        w.click(*MANUAL_NAME)  # leaving the key field shows its verdict
        w.settle()

    def confirm_cable_removed(self, w, screenshot=None, count=1):
        w.wait_log("checkRestartNetworkTimer stop at", 40, count=count)
        if screenshot:
            w.snap(screenshot)
        else:
            w.settle()
        w.click(*popup_button(350))
