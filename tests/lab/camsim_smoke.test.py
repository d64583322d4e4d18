#!/usr/bin/env python3
"""camsim over a real veth: requests sent with dcpsend from the PC side are answered by the
simulated cameras, broadcast and addressed to the PC interface, and recorded."""

import json
import os
import struct
import subprocess
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import lab as labmod  # noqa: E402
from lab import Lab  # noqa: E402

BUILD_DIR = os.environ.get("BUILD_DIR", os.path.join(os.path.dirname(os.path.dirname(HERE)), "build"))
CAMSIM = os.path.join(BUILD_DIR, "tests", "camsim")
DCPSEND = os.path.join(BUILD_DIR, "tests", "dcpsend")

DOOR = "00:11:22:AA:BB:01"
YARD = "00:11:22:AA:BB:02"
ROOF = "00:11:22:AA:BB:03"
CAMERAS = {"cameras": [
    {"mac": DOOR, "model": "VKC-1420", "name": "Door", "dcpVersion": "2.0", "password": "pw1234",
     "ip": "10.254.0.20"},
    {"mac": YARD, "model": "VKC-2000", "name": "Yard", "dcpVersion": "1.0", "ip": "10.254.0.21"},
    {"mac": ROOF, "model": "VKC-2000", "name": "Roof", "dcpVersion": "2.3", "ip": "10.254.0.22", "apPageSize": 2,
     "accessPoints": [{"ssid": f"AP{i}", "mode": "Infra", "auth": "WPA2PSK", "security": "AES", "column2": "9"}
                      for i in range(3)]},
]}

# Prints the header of every datagram that reaches UDP 5978: length field, size, destination, source.
RAW_LISTENER = r"""
import socket, struct, sys
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
s.bind(("0.0.0.0", 5978))
s.settimeout(float(sys.argv[1]))
try:
    while True:
        data = s.recv(65535)
        print(struct.unpack(">H", data[:2])[0], len(data), data[2:8].hex(":"), data[8:14].hex(":"), flush=True)
except socket.timeout:
    pass
"""


class CamsimSmoke(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        for tool in (CAMSIM, DCPSEND):
            if not os.path.exists(tool):
                raise unittest.SkipTest(f"{tool} is not built")
        cls.lab = Lab().start()
        cls.config = os.path.join(cls.lab.workdir, "cameras.json")
        cls.record = os.path.join(cls.lab.workdir, "requests.jsonl")
        with open(cls.config, "w") as f:
            json.dump(CAMERAS, f)
        cls.camsim = cls.lab.cam([CAMSIM, "--config", cls.config, "--record", cls.record, "--timeout", "120"],
                                 stdout=subprocess.PIPE, text=True)
        cls.lab.wait_listening("cam", "udp", 5978)

    @classmethod
    def tearDownClass(cls):
        cls.lab.close()

    def send(self, *args, wait_ms=700):
        cmd = [DCPSEND, "--from", self.lab.pc_ip, "--mac", self.lab.pc_mac, "--wait", str(wait_ms), *args]
        p = self.lab.pc(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        out, err = p.communicate(timeout=30)
        self.assertEqual(p.returncode, 0, err)
        return [json.loads(line) for line in out.splitlines()]

    def records(self):
        with open(self.record) as f:
            return [json.loads(line) for line in f]

    def test_scans(self):
        cases = [
            ("broadcast, every model", [], [DOOR, YARD, ROOF]),
            ("broadcast, model filter", ["--model", "VKC-2000"], [YARD, ROOF]),
            ("broadcast, unknown model", ["--model", "VKC-9"], []),
            ("directed to one camera", ["--to", YARD, "--model", "VKC-2000"], [YARD]),
        ]
        for label, args, expected in cases:
            with self.subTest(label):
                answers = self.send(*args)
                self.assertEqual(sorted(a["from"] for a in answers), sorted(m.lower() for m in expected))
                for a in answers:
                    self.assertEqual(a["to"], self.lab.pc_mac)
                    self.assertEqual(a["class"], "1")
                    self.assertTrue(a["text"].startswith(f"1;M={a['from'].upper()};D=VKC-"), a["text"])

    def test_answer_frame_is_addressed_to_the_pc_interface(self):
        listener = self.lab.pc(["python3", "-c", RAW_LISTENER, "1.5"], stdout=subprocess.PIPE, text=True)
        self.lab.wait_listening("pc", "udp", 5978)
        self.send("--to", DOOR, "--model", "VKC-1420", wait_ms=300)
        out, _ = listener.communicate(timeout=30)
        frames = [line.split() for line in out.splitlines()]
        answers = [f for f in frames if f[3] == DOOR.lower()]
        self.assertEqual(len(answers), 1, out)
        length, size, dest, _src = answers[0]
        self.assertEqual(dest, self.lab.pc_mac)
        self.assertEqual(int(length), int(size) - 14)

    def test_password_checks_over_the_wire(self):
        cases = [("right password", "pw1234", "1", True), ("wrong password", "pw1235", "0", False),
                 ("status query of a protected camera", "", "0", False)]
        for label, password, r, signature in cases:
            with self.subTest(label):
                answers = self.send("--to", DOOR, "--class", "7", "--model", "VKC-1420", "--password", password)
                self.assertEqual(len(answers), 1)
                self.assertIn(f";R={r};X=", answers[0]["text"])
                self.assertEqual(self.records()[-1]["signature"], signature)

    def test_paged_survey_sends_every_page(self):
        answers = self.send("--to", ROOF, "--class", "4", "--model", "VKC-2000", "--password", "")
        pages = sorted(a["text"].split(";E=")[1][0] for a in answers)
        self.assertEqual(pages, ["0", "1"])
        self.assertTrue(all(";A=2;" in a["text"] for a in answers))

    def test_record_and_malformed_datagrams(self):
        before = len(self.records())
        garbage = [b"", b"\x00\x05short", struct.pack(">H", 4) + b"\xff" * 12 + b"!!!!"]
        sender = ("import socket,sys\ns=socket.socket(socket.AF_INET,socket.SOCK_DGRAM)\n"
                  "s.setsockopt(socket.SOL_SOCKET,socket.SO_BROADCAST,1)\ns.bind((sys.argv[1],0))\n"
                  "for h in sys.argv[2:]: s.sendto(bytes.fromhex(h),('255.255.255.255',5978))\n")
        self.lab.pc(["python3", "-c", sender, self.lab.pc_ip, *[g.hex() for g in garbage]]).wait(timeout=30)
        answers = self.send("--model", "VKC-1420")
        self.assertEqual([a["from"] for a in answers], [DOOR.lower()])
        new = self.records()[before:]
        self.assertEqual([r.get("error") for r in new[:3]], ["bad frame", "bad frame", "not in the DCP encoding"])
        scan = new[3]
        self.assertEqual((scan["class"], scan["mac"], scan["to"], scan["from"], scan["answered"]),
                         ("1", "FF:FF:FF:FF:FF:FF", "ff:ff:ff:ff:ff:ff", self.lab.pc_mac, [DOOR]))
        self.assertEqual(scan["params"]["D"], "VKC-1420")
        self.assertEqual(len(new), 4, "the cameras' own answers must not be recorded")


class CamsimLimits(unittest.TestCase):
    def setUp(self):
        if not os.path.exists(CAMSIM):
            self.skipTest(f"{CAMSIM} is not built")

    def test_exits_after_the_datagram_limit(self):
        with Lab() as lab:
            config = os.path.join(lab.workdir, "cameras.json")
            with open(config, "w") as f:
                json.dump(CAMERAS, f)
            camsim = lab.cam([CAMSIM, "--config", config, "--max-datagrams", "2", "--timeout", "60"],
                             stdout=subprocess.DEVNULL)
            lab.wait_listening("cam", "udp", 5978)
            for _ in range(2):
                self.assertEqual(camsim.poll(), None)
                lab.pc([DCPSEND, "--from", lab.pc_ip, "--mac", lab.pc_mac, "--wait", "300"],
                       stdout=subprocess.DEVNULL).wait(timeout=30)
            self.assertEqual(camsim.wait(timeout=10), 0)

    def test_refusals(self):
        with Lab() as lab:
            bad = os.path.join(lab.workdir, "bad.json")
            with open(bad, "w") as f:
                json.dump({"cameras": [{"mac": "00:11", "model": "VKC"}]}, f)
            cases = [
                ("host network", [CAMSIM, "--config", bad, "--timeout", "1"], None, "outside a test lab"),
                ("bad camera list", [CAMSIM, "--config", bad], "cam", "\"mac\" must be"),
                ("missing camera list", [CAMSIM], "cam", "--config is required"),
            ]
            for label, cmd, side, message in cases:
                with self.subTest(label):
                    if side:
                        p = lab.cam(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
                        _, err = p.communicate(timeout=30)
                        code = p.returncode
                    else:
                        result = subprocess.run(cmd, capture_output=True, text=True, timeout=30)
                        code, err = result.returncode, result.stderr
                    self.assertEqual(code, 2, err)
                    self.assertIn(message, err)


if __name__ == "__main__":
    labmod.skip_unless_available()
    unittest.main(verbosity=2)
