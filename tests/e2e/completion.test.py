#!/usr/bin/env python3
"""The local-only road's end in the lab: a registered camera -> already-registered page; Reset ->
Start Over -> guide; a new camera -> completion page with the snapshot from the KORVA path (the
T4X path answers HTML); box ticked, Finish -> a launcher on the desktop and exit code 0."""

import json
import os
import re
import sys
import tempfile
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
from pictures import pixels, write_png  # noqa: E402
from wizard import Wizard  # noqa: E402

CAMSIM = os.path.join(BUILD_DIR, "tests", "camsim")
CAMCGI = os.path.join(SOURCE_DIR, "tests", "tools", "camcgi", "camcgi.py")
ROOF = {"mac": "00:11:22:AA:BB:03", "model": "VKC-7300", "name": "Roof", "dcpVersion": "2.3",
        "ip": "10.254.0.23", "registered": "1", "password": "roofpass1", "network": {"51": "8443"}}
HALL = {"mac": "00:11:22:AA:BB:01", "model": "VKC-2100", "name": "Hallway", "dcpVersion": "2.0",
        "ip": "10.254.0.21", "network": {"51": "8443"}}
HALL_PASSWORD = "hallpass1"
LEFT, RIGHT = (200, 40, 90), (240, 200, 40)  # the two halves of the camera's picture

START, OPPS_LOCAL_ONLY, POPUP_OK = (205, 246), (587, 562), (626, 487)
AGREE_BOX, I_AGREE, GUIDE_SKIP = (167, 463), (475, 506), (560, 562)
ROWS, PASSWORD, RETYPE, NEXT = [(257, 231), (257, 271)], (326, 238), (326, 288), (695, 562)
RESET, START_OVER, SHORTCUT_BOX = (585, 562), (626, 512), (58, 419)


class Completion(unittest.TestCase):
    def setUp(self):
        reason = labmod.unavailable_reason()
        if reason:
            raise unittest.SkipTest(reason)
        self.lab = Lab().start()
        self.addCleanup(self.lab.close)
        work = self.lab.workdir
        picture = os.path.join(work, "snapshot.png")
        write_png(picture, 320, 180, [(0, 0, 160, 180, LEFT), (160, 0, 160, 180, RIGHT)])
        with open(os.path.join(work, "cameras.json"), "w") as f:
            json.dump({"cameras": [ROOF, HALL]}, f)
        self.lab.cam([CAMSIM, "--config", os.path.join(work, "cameras.json"), "--timeout", "500"])
        self.cgi_record = os.path.join(work, "cgi.jsonl")
        for camera, password in ((ROOF, ROOF["password"]), (HALL, HALL_PASSWORD)):
            self.lab.add_cam_address(camera["ip"])
            self.lab.cam(["python3", CAMCGI, "--bind", camera["ip"], "--port", "8443", "--password", password,
                          "--snapshot-dialect", "korva", "--snapshot", picture, "--record", self.cgi_record,
                          "--time-limit", "500"])
        self.lab.wait_listening("cam", "udp", 5978)
        self.lab.wait_listening("cam", "tcp", 8443, timeout=30)
        # The wizard's home, with its desktop folder.
        self.home = tempfile.mkdtemp(dir=work)
        os.makedirs(os.path.join(self.home, "Desktop"))
        saved = dict(os.environ)
        self.addCleanup(lambda: (os.environ.clear(), os.environ.update(saved)))
        os.environ["HOME"] = self.home
        for name in ("XDG_CONFIG_HOME", "XDG_DESKTOP_DIR"):
            os.environ.pop(name, None)

    def choose(self, w, row, passwords, times):
        """Guide -> discovery -> the camera of a row -> its password(s) typed -> Next."""
        w.click(*GUIDE_SKIP)
        w.wait_log("Got new IPCamera and Update Device Table List in idx :", 15, count=2 * times)
        w.click(*ROWS[row])
        w.click(*NEXT)
        w.wait_log("DiscoveryPage IPCameraIdx :", 10, count=times)
        for field, text in zip((PASSWORD, RETYPE), passwords):
            w.click(*field)
            w.type_text(text)
        w.click(*NEXT)

    def test_registered_then_new_camera_to_finish(self):
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            w.wait_window()
            w.click(*START)
            w.wait_log("checkWizardInternetTimer timeout", 15)
            w.click(*OPPS_LOCAL_ONLY)
            w.click(*POPUP_OK)
            w.wait_log("local view, pass json file checking", 5)
            time.sleep(1.0)
            w.click(*AGREE_BOX)
            w.click(*I_AGREE)
            w.wait_log("01 Got index changed", 5)

            self.choose(w, 1, [ROOF["password"]], 1)
            w.wait_log("camera already registered", 30)
            w.screenshot("completion_already_registered.png")
            w.click(*RESET)
            w.wait_log("open msgbox ...", 5)
            w.screenshot("completion_reset_popup.png")
            w.click(*START_OVER)
            w.wait_log("Start Over", 5)
            w.screenshot("completion_start_over_guide.png")

            self.choose(w, 0, [HALL_PASSWORD] * 2, 2)
            w.wait_log("Setup complete, snapshot every", 30)
            w.wait_log("checkGetDeviceImageStatus : success", 20)
            w.click(*SHORTCUT_BOX)
            shot = w.screenshot("completion_local_snapshot.png")
            image = pixels(shot, (355, 200, 50, 200))
            self.assertGreater(image.count(LEFT), 20000)
            self.assertGreater(image.count(RIGHT), 20000)

            w.click(*NEXT)  # Finish
            self.assertEqual(w.wait_exit(10), 0)
            self.assertFalse(re.search(r"Auth Basic\s+\"(?!\*+\")", w.log_text()))

        with open(self.cgi_record) as f:
            asked = [json.loads(line) for line in f]
        self.assertTrue(all(r["password_ok"] for r in asked if r["path"].startswith("/image")))
        self.assertIn("/image.jpg", [r["path"] for r in asked])  # T4X first, answered with HTML
        with open(os.path.join(self.home, "Desktop", "VKC-2100.desktop")) as f:
            self.assertIn("URL=http://%s\n" % HALL["ip"], f.read())


if __name__ == "__main__":
    unittest.main(verbosity=2)
