#!/usr/bin/env python3
"""A busy network in the lab: 1,024 simulated cameras answer the wizard's scans at once and every one
of them is listed. Prints the receive buffer the DCP socket got and the replies the kernel dropped."""

import re
import unittest

from wizard import BUILD_DIR, CAMERA_LISTED, Wizard, lab_for, start_camsim

CAMERAS = 1024


def udp_receive_errors(lab):
    """RcvbufErrors of the PC side's UDP counters."""
    out = lab.pc(["cat", "/proc/net/snmp"], stdout=-1, text=True).communicate(timeout=30)[0]
    header, values = [line.split() for line in out.splitlines() if line.startswith("Udp:")][:2]
    return int(values[header.index("RcvbufErrors")])


class BusyNetwork(unittest.TestCase):
    def test_all_cameras_listed(self):
        lab = lab_for(self)
        cameras = [{"mac": "02:10:00:00:%02X:%02X" % (i // 256, i % 256), "model": "VKC-1420", "name": "cam%d" % i,
                    "dcpVersion": "2.0", "ip": "10.254.%d.%d" % (2 + i // 250, 1 + i % 250)} for i in range(CAMERAS)]
        start_camsim(lab, cameras)
        dropped = udp_receive_errors(lab)
        with Wizard(BUILD_DIR, lab=lab) as w:
            try:
                w.to_local_discovery(CAMERAS, 120)
            finally:
                log = w.log_text()
                granted = re.search(r"DCP socket receive buffer: (\d+)|$", log).group(1)
                print("%d of %d cameras listed; receive buffer %s bytes; %d replies dropped by the kernel; log %d KB"
                      % (log.count(CAMERA_LISTED), CAMERAS, granted, udp_receive_errors(lab) - dropped, len(log) // 1024))

if __name__ == "__main__":
    unittest.main(verbosity=2)
