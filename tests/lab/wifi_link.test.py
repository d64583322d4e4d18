#!/usr/bin/env python3
"""The lab's second ("wireless") link and the simulated camera's move onto it: Wi-Fi
settings for its network and a restart make it answer from its wireless address on that
link; a wrong key silences it; the WPS button brings an unplugged camera onto the link."""

import base64
import json
import os
import signal
import subprocess
import sys
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from lab import Lab  # noqa: E402

BUILD_DIR = os.environ.get("BUILD_DIR", os.path.join(os.path.dirname(os.path.dirname(HERE)), "build"))
CAMSIM = os.path.join(BUILD_DIR, "tests", "camsim")
DCPSEND = os.path.join(BUILD_DIR, "tests", "dcpsend")
CAM = "00:11:22:AA:BB:31"
WIRELESS_IP = "10.254.2.20"

# Prints the sender address of every DCP datagram heard on one interface only (the PC's own
# broadcasts included; the test drops them).
LINK_LISTENER = r"""
import socket, sys
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
s.setsockopt(socket.SOL_SOCKET, socket.SO_BINDTODEVICE, sys.argv[1].encode())
s.bind(("0.0.0.0", 5978))
s.settimeout(float(sys.argv[2]))
try:
    while True:
        print(s.recvfrom(65535)[1][0], flush=True)
except socket.timeout:
    pass
"""


def b64(text):
    return base64.b64encode(text.encode()).decode()


class WirelessLink(unittest.TestCase):
    def setUp(self):
        for tool in (CAMSIM, DCPSEND):
            if not os.path.exists(tool):
                self.skipTest(f"{tool} is not built")

    def start_lab(self):
        self.lab = Lab().start()
        self.addCleanup(self.lab.close)
        self.link = self.lab.add_link("10.254.2.1", WIRELESS_IP)
        config = os.path.join(self.lab.workdir, "cameras.json")
        with open(config, "w") as f:
            json.dump({"cameras": [{
                "mac": CAM, "model": "VKC-1420", "dcpVersion": "1.0", "ip": "10.254.0.20",
                "network": {"23": "10.254.0.20"},
                "wireless": {"ip": WIRELESS_IP, "interface": self.link, "ssid": "Home", "key": "secret12"}}]}, f)
        self.camsim = self.lab.cam([CAMSIM, "--config", config, "--timeout", "60"], stdout=subprocess.DEVNULL)
        self.lab.wait_listening("cam", "udp", 5978)

    def send(self, *args, link=None):
        source = self.lab.links[0] if link else {"pc_ip": self.lab.pc_ip, "pc_mac": self.lab.pc_mac}
        cmd = [DCPSEND, "--from", source["pc_ip"], "--mac", source["pc_mac"], "--wait", "700", "--to", CAM, *args]
        p = self.lab.pc(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        out, err = p.communicate(timeout=30)
        self.assertEqual(p.returncode, 0, err)
        return [json.loads(line)["text"] for line in out.splitlines()]

    def heard_on(self, interface, *request, link=None):
        listener = self.lab.pc(["python3", "-c", LINK_LISTENER, interface, "1.5"], stdout=subprocess.PIPE, text=True)
        time.sleep(0.3)
        answers = self.send(*request, link=link)
        own = {self.lab.pc_ip, self.lab.links[0]["pc_ip"]}
        senders = [ip for ip in listener.communicate(timeout=10)[0].split() if ip not in own]
        return answers, senders

    def test_moves_with_its_settings(self):
        cases = [
            ("its network", "secret12", [WIRELESS_IP]),
            ("wrong key", "wrong-key", []),
        ]
        for label, key, wireless_senders in cases:
            with self.subTest(label):
                self.start_lab()
                settings = f";9=1;10=0;11={b64('Home')};14=4;15=3;18={b64(key)}"
                self.assertEqual(len(self.send("--class", "3", "--params", settings)), 1)
                self.assertEqual(len(self.send("--class", "9", "--params", ";L=1;N=1")), 1)
                answers, senders = self.heard_on(self.link, "--class", "3")
                self.assertEqual(senders, wireless_senders)
                if wireless_senders:
                    self.assertIn(f";23={WIRELESS_IP}", answers[0])
                    cable_answers, cable_senders = self.heard_on("veth0", "--class", "1", link=True)
                    self.assertEqual(cable_senders, [])
                    self.assertIn(f";I={WIRELESS_IP};", cable_answers[0])
                else:
                    self.assertEqual(answers, [])

    def test_wps_press_after_the_cable_is_pulled(self):
        self.start_lab()
        # ip netns exec replaces itself with camsim: the Popen's pid is camsim's.
        self.camsim.send_signal(signal.SIGUSR2)
        time.sleep(0.3)
        self.assertEqual(self.send("--class", "1", link=True), [])
        self.camsim.send_signal(signal.SIGUSR1)
        time.sleep(0.3)
        answers, senders = self.heard_on(self.link, "--class", "1", link=True)
        self.assertEqual(senders, [WIRELESS_IP])
        self.assertIn(f";I={WIRELESS_IP};", answers[0])


if __name__ == "__main__":
    unittest.main()
