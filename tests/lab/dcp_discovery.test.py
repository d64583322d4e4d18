#!/usr/bin/env python3
"""Discovery over a real broadcast: tst_dcplab (the product's DCP core) scans from the PC
namespace; camsim plays three cameras (DCP 1.0, 2.0 with a password, 2.0 without) on the
camera side. camsim's request record shows what reached the cameras."""

import json
import os
import subprocess
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import lab as labmod  # noqa: E402
from lab import Lab  # noqa: E402

BUILD_DIR = os.environ.get("BUILD_DIR", os.path.join(os.path.dirname(os.path.dirname(HERE)), "build"))
CAMSIM = os.path.join(BUILD_DIR, "tests", "camsim")
TEST_BINARY = os.path.join(BUILD_DIR, "tests", "tst_dcplab")

OLD = "00:11:22:AA:C0:01"
LOCKED = "00:11:22:AA:C0:02"
FRESH = "00:11:22:AA:C0:03"
CAMERAS = {"cameras": [
    {"mac": OLD, "model": "VKC-2000", "name": "Hall", "dcpVersion": "1.0", "ip": "10.254.0.30"},
    {"mac": LOCKED, "model": "VKC-1420", "name": "Door", "dcpVersion": "2.0", "password": "pw1234",
     "ip": "10.254.0.31"},
    {"mac": FRESH, "model": "VKC-1420", "name": "Yard", "dcpVersion": "2.0", "ip": "10.254.0.32"},
]}


class DcpDiscovery(unittest.TestCase):
    def test_scan_password_state_rescan(self):
        for tool in (CAMSIM, TEST_BINARY):
            if not os.path.exists(tool):
                self.skipTest(f"{tool} is not built")
        with Lab() as lab:
            config = os.path.join(lab.workdir, "cameras.json")
            record = os.path.join(lab.workdir, "requests.jsonl")
            with open(config, "w") as f:
                json.dump(CAMERAS, f)
            lab.cam([CAMSIM, "--config", config, "--record", record, "--timeout", "120"],
                    stdout=subprocess.DEVNULL)
            lab.wait_listening("cam", "udp", 5978)

            env = dict(os.environ, DCPLAB_CAMERAS=config, QT_QPA_PLATFORM="offscreen")
            test = lab.pc([TEST_BINARY], env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
            out, _ = test.communicate(timeout=120)
            self.assertEqual(test.returncode, 0, out[-6000:])

            with open(record) as f:
                requests = [json.loads(line) for line in f]
        by_class = {}
        for r in requests:
            by_class.setdefault(r.get("class"), []).append(r)
        # Two scans, each heard once by camsim.
        self.assertEqual(len(by_class.get("1", [])), 2, requests)
        for scan in by_class["1"]:
            self.assertEqual(scan["from"], lab.pc_mac)
            self.assertEqual(sorted(scan["answered"]), sorted([OLD, LOCKED, FRESH]))
        # New cameras got a class 7 status query signed with the empty password (which fits
        # only the camera without one), the old one a class 2 request.
        queries = {r["mac"].upper(): r for r in by_class.get("7", [])}
        self.assertEqual(sorted(queries), sorted([LOCKED, FRESH]))
        self.assertEqual({mac: r["signature"] for mac, r in queries.items()}, {LOCKED: False, FRESH: True})
        self.assertTrue(all(r["answered"] for r in queries.values()), queries)
        self.assertEqual([r["mac"].upper() for r in by_class.get("2", [])], [OLD])


if __name__ == "__main__":
    labmod.skip_unless_available()
    unittest.main(verbosity=2)
