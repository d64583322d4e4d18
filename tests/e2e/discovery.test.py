#!/usr/bin/env python3
"""Discovery in the lab, driven by clicks: three simulated cameras found through real broadcasts, a
rescan that lists them again (unregistered ones first), then a row and Next: the setup page with the
PC's zone. Rows are read back through the log, password-state queries through the simulator's record.
(Floods on this page: logflood.test.py.)"""

import re
import unittest

from wizard import BUILD_DIR, CAMERA_LISTED, Wizard, catalogue_of, online_lab, records, start_camsim

PC_ZONE = "Australia/Brisbane"  # no daylight saving: the preselected entry does not depend on the date

HALL = {"mac": "00:11:22:AA:BB:01", "model": "VKC-2100", "name": "Hallway", "dcpVersion": "2.0",
        "ip": "10.254.0.21", "registered": "0"}
SHED = {"mac": "00:11:22:AA:BB:02", "model": "VKC-6100", "name": "Shed", "dcpVersion": "1.0",
        "ip": "10.254.0.22", "registered": "0"}
ROOF = {"mac": "00:11:22:AA:BB:03", "model": "VKC-7300", "name": "Roof", "dcpVersion": "2.3",
        "ip": "10.254.0.23", "registered": "1", "password": "roofpass1"}
NEXT, REFRESH = (695, 562), (723, 492)


class Discovery(unittest.TestCase):
    def test_cameras_rescan_then_setup(self):
        lab, _, _ = online_lab(self, catalogue=catalogue_of("VKC"))  # the model list starts with its prompt
        _, record = start_camsim(lab, [ROOF, HALL, SHED])  # the registered one answers first
        with Wizard(BUILD_DIR, lab=lab, env={"TZ": PC_ZONE}) as w:
            def choose_row(row, clicks):
                """Clicks a row's name cell; the MAC of the record the click chose, as the log writes it."""
                w.click(257, 231 + 40 * row)
                w.wait_log("03 IPCamera MAC :", count=clicks)
                return re.findall(r'03 IPCamera MAC : "([0-9A-F:]+)"', w.log_text())[-1]

            w.to_discovery()
            w.wait_log(CAMERA_LISTED, count=3)
            # A rescan lists the cameras again: unregistered ones first, the registered one last.
            w.click(*REFRESH)
            w.snap("discovery_three_cameras.png", CAMERA_LISTED, 30, count=6)
            rows = [choose_row(row, row + 1) for row in range(3)]
            self.assertEqual(sorted(rows[:2]), sorted([HALL["mac"], SHED["mac"]]))
            self.assertEqual(rows[2], ROOF["mac"])
            # Every camera was asked for its password state: class 7 (DCP 2.0 and later), class 2 (older).
            asked = {(r.get("class"), r.get("mac")) for r in records(record)}
            self.assertLessEqual({("7", HALL["mac"]), ("7", ROOF["mac"]), ("2", SHED["mac"])}, asked)

            # The new camera without a password, Next: the setup page with the PC's zone preselected.
            self.assertEqual(choose_row(rows.index(HALL["mac"]), 4), HALL["mac"])
            w.click(*NEXT)
            w.snap("setup_hallway.png", "Adding idx: ")
            log = w.log_text()
            self.assertIn("Generating KORVA Timezone List...", log)  # the catalogue's dialect for VKC-2100
            zones = re.findall(r'Adding tStr:  "([^"]*)"', log)
            self.assertEqual(zones[int(re.findall(r"Adding idx:  (-?\d+)", log)[-1])], "(GMT+10:00) Brisbane")


if __name__ == "__main__":
    unittest.main(verbosity=2)
