#!/usr/bin/env python3
"""camsim's bounds: it refuses the host's network, lives as long as its case, and exits by itself after its
datagram limit (its answers over the veth are exercised by the wizard's own lab runs)."""

import json
import os
import subprocess
import tempfile
import time
import unittest

import lab as labmod
from lab import Lab

BUILD_DIR = os.environ.get("BUILD_DIR", os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "build"))
CAMSIM = os.path.join(BUILD_DIR, "tests", "camsim")
DCPSEND = os.path.join(BUILD_DIR, "tests", "dcpsend")
# How long the lab's servers once lived by themselves: a case that takes longer lost its camera.
OLD_LIFE_S = 60


setUpModule = labmod.skip_unless_available


class CamsimBounds(unittest.TestCase):
    def setUp(self):
        for tool in (CAMSIM, DCPSEND):
            if not os.path.exists(tool):
                self.skipTest(f"{tool} is not built")

    def test_exits_after_the_datagram_limit(self):
        with Lab() as lab:
            config = os.path.join(lab.workdir, "cameras.json")
            with open(config, "w") as f:
                json.dump({"cameras": [{"mac": "00:11:22:AA:BB:01", "model": "VKC-1420", "ip": "10.254.0.20"}]}, f)
            camsim = lab.cam([CAMSIM, "--config", config, "--max-datagrams", "2"], stdout=subprocess.DEVNULL)
            lab.wait_listening("cam", "udp", 5978)
            # Sent from fixed addresses that hold every hexadecimal digit in both cases, not the lab's own: how
            # any digit is read is seen in every run, never in one run of two by the address the lab drew.
            for pause, mac in ((0, "02:13:45:67:89:ab"), (OLD_LIFE_S + 2, "ce:fd:AB:CD:EF:0f")):
                time.sleep(pause)
                self.assertEqual(camsim.poll(), None, "camsim ended by itself %s s after it started listening" % pause)
                self.assertEqual(lab.pc([DCPSEND, "--from", lab.pc_ip, "--mac", mac, "--wait", "300"],
                                        stdout=subprocess.DEVNULL).wait(timeout=30), 0, "dcpsend refused " + mac)
            self.assertEqual(camsim.wait(timeout=10), 0)

    def test_refuses_the_host_network(self):
        with tempfile.NamedTemporaryFile("w", suffix=".json") as config:
            json.dump({"cameras": [{"mac": "00:11:22:AA:BB:01", "model": "VKC-1420"}]}, config)
            config.flush()
            p = subprocess.run([CAMSIM, "--config", config.name], capture_output=True, text=True, timeout=30)
        self.assertEqual(p.returncode, 2, p.stderr)
        self.assertIn("outside a test lab", p.stderr)


if __name__ == "__main__":
    unittest.main(verbosity=2)
