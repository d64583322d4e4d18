#!/usr/bin/env python3
"""Discovery in the lab, driven by clicks: three simulated cameras found through real broadcasts, a
rescan that lists them again (unregistered ones first), the MAC help popup with the exit question over
it answered "No" (then Tab and Return, and a click on Back), then a row and Next: the setup page with the
PC's zone. Rows are read back through the log, password-state queries through the simulator's record.
(Floods on this page: logflood.test.py.)"""

import re
import subprocess
import time
import unittest

from wizard import (BUILD_DIR, CAMERA_LISTED, EXIT_POPUP_YES, POPUP_MADE, Wizard, catalogue_of, online_lab,
                    popup_button, records, start_camsim)

PC_ZONE = "Australia/Brisbane"  # no daylight saving: the preselected entry does not depend on the date

HALL = {"mac": "00:11:22:AA:BB:01", "model": "VKC-2100", "name": "Hallway", "dcpVersion": "2.0",
        "ip": "10.254.0.21", "registered": "0"}
SHED = {"mac": "00:11:22:AA:BB:02", "model": "VKC-6100", "name": "Shed", "dcpVersion": "1.0",
        "ip": "10.254.0.22", "registered": "0"}
ROOF = {"mac": "00:11:22:AA:BB:03", "model": "VKC-7300", "name": "Roof", "dcpVersion": "2.3",
        "ip": "10.254.0.23", "registered": "1", "password": "roofpass1"}
NEXT, REFRESH = (695, 562), (723, 492)
BACK, MAC_HELP, MAC_HELP_OK = (105, 562), (407, 196), popup_button(400)
EXIT_POPUP_NO = (EXIT_POPUP_YES[0] - 120, EXIT_POPUP_YES[1])
BACK_LEFT = (60, 562)  # Back, left of every popup
BACK_LOGGED = "-" * 50  # Back's first line (a row's click logs it too)


def pixel(path, x, y):
    """The colour of a screenshot's pixel, as ImageMagick writes it."""
    return subprocess.run(["convert", path, "-format", "%%[pixel:p{%d,%d}]" % (x, y), "info:"],
                          capture_output=True, text=True, check=True).stdout


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

            # The MAC help popup, dimmed behind; the window's close asks to exit over it. "No": the help popup
            # keeps its dimming and the keyboard, and Back under it takes no click or key until the popup is closed.
            bright = pixel(w.screenshot("discovery_rows_chosen.png"), *BACK_LEFT)
            made = w.log_text().count(POPUP_MADE)
            w.click_for_popup(MAC_HELP)
            dimmed = pixel(w.screenshot("discovery_mac_help.png"), *BACK_LEFT)
            self.assertNotEqual(dimmed, bright)
            w.close_window()
            w.wait_log(POPUP_MADE, count=made + 2)
            w.screenshot("discovery_exit_over_mac_help.png")
            w.click(*EXIT_POPUP_NO)
            backs = w.log_text().count(BACK_LOGGED)
            for key in ("Tab", "Return", "shift+Tab", "Tab", "Return"):
                w.key(key)
            w.click(*BACK)
            time.sleep(1.0)
            self.assertEqual(w.log_text().count(BACK_LOGGED), backs, "Back took a click or a key under the help popup")
            self.assertEqual(pixel(w.screenshot("discovery_mac_help_after_no.png"), *BACK_LEFT), dimmed)
            w.click(*MAC_HELP_OK)

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
