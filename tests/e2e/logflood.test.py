#!/usr/bin/env python3
"""log.txt and memory under floods in the lab: the wizard on its discovery page with one listed camera, then
for five seconds each, datagrams of one kind from the camera side (repeated scan replies, replies full of
unknown items, unasked replies of every class, oversized survey pages, an unknown class) and connections to
the redirect listener from this machine. Each kind may make the log grow by at most 100 KB a minute; the
wizard's resident memory may not grow by 100 MiB."""

import os
import subprocess
import time
import unittest

from wizard import BUILD_DIR, Wizard, flood, lab_for, start_camsim

CAMERA = {"mac": "00:11:22:AA:BB:01", "model": "VKC-2100", "name": "Hallway", "dcpVersion": "2.0",
          "ip": "10.254.0.21"}
SECONDS = 5
LIMIT_PER_MINUTE = 100 * 1024
M = "M=" + CAMERA["mac"]
UNKNOWN_ITEMS = ";q=1" * 11000
FLOODS = [
    ("repeated scan replies", ["--text", "1;%s;D=VKC-2100;N=SGFsbHdheQ==;I=10.254.0.21;P=2.0;G=0" % M]),
    ("scan reply with 11,000 unknown items", ["--text", "1;%s;D=VKC-2100;I=10.254.0.21;P=2.0%s" % (M, UNKNOWN_ITEMS)]),
    ("class 2", ["--text", "2;%s;D=VKC-2100;R=1;G=1;W=portal" % M]),
    ("class 7", ["--text", "7;%s;D=VKC-2100;R=1" % M]),
    ("class 7 without R", ["--text", "7;%s;D=VKC-2100" % M]),
    ("class 3", ["--text", "3;%s;R=1;23=10.254.0.99" % M]),
    ("class 8", ["--text", "8;%s;R=1" % M]),
    ("class 9", ["--text", "9;%s;R=1" % M]),
    ("class S", ["--text", "S;%s;R=reboot_quorvex" % M]),
    ("survey pages", ["--survey"]),
    ("unknown class", ["--text", "5;%s;R=1" % M]),
]
LISTENER = """
import socket, time
end = time.time() + %d
n = 0
while time.time() < end:
    s = socket.create_connection(("127.0.0.1", 5979))
    s.sendall(b"GET /?state=tolmwizard_signin&access_token=T%%d HTTP/1.1\\r\\n\\r\\n" %% n)
    s.close()
    n += 1
print(n)
""" % SECONDS


class LogFlood(unittest.TestCase):
    def test_each_kind_bounded(self):
        lab = lab_for(self)
        start_camsim(lab, [CAMERA])
        with Wizard(BUILD_DIR, lab=lab) as w:
            w.to_local_discovery()
            memory_before, _ = w.memory()
            log = os.path.join(w.dir, "log.txt")
            floods = [(name, lambda args=args: flood(lab, CAMERA["mac"], SECONDS, *args)) for name, args in FLOODS]
            floods.append(("redirect listener connections", lambda: lab.pc(
                ["python3", "-c", LISTENER], stdout=subprocess.PIPE, text=True).communicate(timeout=60)[0].strip()))
            grown = {}
            for name, send in floods:
                before, start = os.path.getsize(log), time.monotonic()
                out = send()
                self.assertGreater(int(out or 0), 100, "nothing flooded: " + name)
                time.sleep(1.5)  # the summary of the last second
                self.assertIsNone(w.proc.poll(), "the wizard ended under the flood of " + name)
                per_minute = (os.path.getsize(log) - before) * 60 / (time.monotonic() - start)
                grown[name] = per_minute
                print("%-38s %8s sent, log %6.1f KB a minute" % (name, out, per_minute / 1024))
            grown_mib = w.memory()[1] - memory_before
            print("resident memory %+.1f MiB at the peak" % grown_mib)
            self.assertLess(grown_mib, 100)
        self.assertEqual([n for n, rate in grown.items() if rate > LIMIT_PER_MINUTE], [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
