#!/usr/bin/env python3
"""Discovery in the lab, driven by clicks: three simulated cameras found through real broadcasts,
floods of duplicate scan replies and oversized survey pages from the camera side, a rescan that lists
the cameras again (unregistered ones first), then a row and Next: the setup page with the PC's zone.
Rows are read back through the log, password-state queries through the simulator's record."""

import base64
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
from wizard import DISCOVERY_SCANS, GUIDE_SKIP, LabInternet, Wizard  # noqa: E402

CAMSIM = os.path.join(BUILD_DIR, "tests", "camsim")
DCPFLOOD = os.path.join(BUILD_DIR, "tests", "dcpflood")
CATALOGUE = os.path.join(SOURCE_DIR, "tests", "data", "catalogue", "tolmwizard.json")
PC_ZONE = "Australia/Brisbane"  # no daylight saving: the preselected entry does not depend on the date

HALL = {"mac": "00:11:22:AA:BB:01", "model": "VKC-2100", "name": "Hallway", "dcpVersion": "2.0",
        "ip": "10.254.0.21", "registered": "0"}
SHED = {"mac": "00:11:22:AA:BB:02", "model": "VKC-6100", "name": "Shed", "dcpVersion": "1.0",
        "ip": "10.254.0.22", "registered": "0"}
ROOF = {"mac": "00:11:22:AA:BB:03", "model": "VKC-7300", "name": "Roof", "dcpVersion": "2.3",
        "ip": "10.254.0.23", "registered": "1", "password": "roofpass1"}

# Window coordinates (the page area starts at y 100; table rows are 40 pixels high).
NEXT = (640 + 55, 100 + 450 + 12)
REFRESH = (673 + 50, 100 + 380 + 12)
ROW_LISTED = "Got new IPCamera and Update Device Table List in idx :"


class Discovery(unittest.TestCase):
    def test_cameras_floods_rescan_then_setup(self):
        reason = labmod.unavailable_reason()
        missing = [p for p in (os.path.join(BUILD_DIR, "tolmwizard"), CAMSIM, DCPFLOOD) if not os.path.exists(p)]
        if reason or missing:
            self.skipTest(reason or "missing: %s" % missing)
        with Lab(internet=True) as lab:
            # Only "VKC" models, so that the model list starts with its prompt.
            with open(CATALOGUE, encoding="utf-8") as f:
                catalogue = json.load(f)
            catalogue["Cameras"] = [c for c in catalogue["Cameras"] if c["Model"].startswith("VKC")]
            LabInternet(lab, catalogue=catalogue)
            config, record = os.path.join(lab.workdir, "cameras.json"), os.path.join(lab.workdir, "requests.jsonl")
            with open(config, "w") as f:
                json.dump({"cameras": [ROOF, HALL, SHED]}, f)  # the registered one answers first
            lab.cam([CAMSIM, "--config", config, "--record", record, "--timeout", "500"])
            lab.wait_listening("cam", "udp", 5978)
            os.environ["TZ"], saved_zone = PC_ZONE, os.environ.get("TZ")
            try:
                w = Wizard(BUILD_DIR, lab=lab)
            finally:
                os.environ.pop("TZ") if saved_zone is None else os.environ.update(TZ=saved_zone)
            with w:
                self.run_wizard(lab, w, record)

    def run_wizard(self, lab, w, record):
        def rss_mib():
            with open("/proc/%d/status" % w.proc.pid) as f:
                return int(re.search(r"VmRSS:\s+(\d+)", f.read()).group(1)) / 1024

        def flood(*what):
            out, _ = lab.cam([DCPFLOOD, "--to", lab.pc_ip, "--pc-mac", lab.pc_mac, "--cam-mac", HALL["mac"],
                              "--seconds", "5", *what], stdout=subprocess.PIPE, text=True).communicate(timeout=30)
            return int(out.strip() or 0)

        def choose_row(row, clicks):
            """Clicks a row's name cell; the MAC of the record the click chose, as the log writes it."""
            w.click(67 + 20 + 35 + 35 + 100, 100 + 111 + 40 * row + 20)
            w.wait_log("03 IPCamera MAC :", 10, count=clicks)
            return re.findall(r'03 IPCamera MAC : "([0-9A-F:]+)"', w.log_text())[-1]

        w.to_guide()
        w.choose_model("Choose your model")  # the prompt, whose panel offers "Skip instruction"
        w.click(*GUIDE_SKIP)
        w.wait_log(DISCOVERY_SCANS, 10)
        w.wait_log(ROW_LISTED, 15, count=3)
        # The wizard keeps running under the floods, its memory and log bounded.
        before = rss_mib()
        name = base64.b64encode(HALL["name"].encode()).decode()
        sent = flood("--text", "1;M=%s;D=%s;N=%s;I=%s;P=%s;G=0" % (HALL["mac"], HALL["model"], name, HALL["ip"],
                                                                  HALL["dcpVersion"]))
        grown = rss_mib() - before
        sent += flood("--survey")
        time.sleep(2)
        self.assertIsNone(w.proc.poll(), "the wizard ended under the flood")
        grown = max(grown, rss_mib() - before)
        log = w.log_text()
        print("flood: %d datagrams, resident memory %+.1f MiB, %d log lines" % (sent, grown, len(log.splitlines())))
        self.assertGreater(sent, 10000)
        self.assertLess(grown, 100)
        self.assertLess(log.count("Duplicate Mac address"), 30)
        self.assertLess(log.count("I don't send AP search cmd"), 30)

        # A rescan lists the cameras again: unregistered ones first, the registered one last.
        w.click(*REFRESH)
        w.wait_log(ROW_LISTED, 30, count=6)
        time.sleep(1.0)
        w.screenshot("discovery_three_cameras.png")
        rows = [choose_row(row, row + 1) for row in range(3)]
        self.assertEqual(sorted(rows[:2]), sorted([HALL["mac"], SHED["mac"]]))
        self.assertEqual(rows[2], ROOF["mac"])
        # Every camera was asked for its password state: class 7 (DCP 2.0 and later), class 2 (older).
        with open(record) as f:
            requests = [json.loads(line) for line in f if line.strip()]
        asked = {(r.get("class"), r.get("mac")) for r in requests}
        self.assertLessEqual({("7", HALL["mac"]), ("7", ROOF["mac"]), ("2", SHED["mac"])}, asked)

        # The new camera without a password, Next: the setup page with the PC's zone preselected.
        self.assertEqual(choose_row(rows.index(HALL["mac"]), 4), HALL["mac"])
        w.click(*NEXT)
        w.wait_log("Adding idx: ", 10)
        time.sleep(1.0)
        w.screenshot("setup_hallway.png")
        log = w.log_text()
        self.assertIn("Generating KORVA Timezone List...", log)  # the catalogue's dialect for VKC-2100
        zones = re.findall(r'Adding tStr:  "([^"]*)"', log)
        self.assertEqual(zones[int(re.findall(r"Adding idx:  (-?\d+)", log)[-1])], "(GMT+10:00) Brisbane")


if __name__ == "__main__":
    unittest.main(verbosity=2)
