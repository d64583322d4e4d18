#!/usr/bin/env python3
"""The roads out of the program, by clicks in the lab: the footer's "Exit" and its popup's "Yes" on the
guide (and a SIGTERM there), the no-Internet page's "Exit", and the warning's "Close" when another program
holds the DCP port. Each ends with the program's exit: status 0, no process of its own left, the DCP socket
and the redirect listener closed, its picture folder gone."""

import os
import re
import signal
import subprocess
import unittest

from wizard import (BUILD_DIR, DCP_PORT, EXIT_POPUP_YES, MAIN_EXIT_LINK, NO_INTERNET_EXIT, POPUP_MADE,
                    WELCOME_START, Wizard, first_line, online_lab, popup_button)

HOLD_PORT = """
import socket, sys, time
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.bind(("0.0.0.0", %d))
print("held", flush=True)
time.sleep(600)
""" % DCP_PORT


class ExitRoads(unittest.TestCase):
    def assert_holds_both(self, w, lab):
        held = w.held_ports(lab)
        self.assertEqual(held, {"udp 5978": [w.proc.pid], "tcp 5979": [w.proc.pid]})

    def end_on_the_guide(self, end):
        lab, _, _ = online_lab(self)
        with Wizard(BUILD_DIR, lab=lab) as w:
            w.to_guide()
            self.assert_holds_both(w, lab)
            self.assertTrue([d for d in os.listdir(w.tmp) if re.fullmatch(r"tolmwizard-\w{6}", d)],
                            "no picture folder was made")
            end(w)
            w.wait_clean_exit(lab)

    def test_exit_popup_yes(self):
        def yes(w):
            w.click_for_popup(MAIN_EXIT_LINK)
            w.screenshot("roads_exit_popup.png")
            w.click(*EXIT_POPUP_YES)
        self.end_on_the_guide(yes)

    def test_sigterm(self):
        self.end_on_the_guide(lambda w: os.kill(w.proc.pid, signal.SIGTERM))

    def test_no_internet_exit(self):
        lab, _, _ = online_lab(self, probe=False)
        with Wizard(BUILD_DIR, lab=lab) as w:
            w.wait_window()
            w.click(*WELCOME_START)
            w.wait_log("checkWizardInternetTimer timeout")
            w.snap("roads_no_internet.png")
            # The probe failed: the DCP socket is released, the redirect listener still open.
            self.assertEqual(w.held_ports(lab), {"udp 5978": [], "tcp 5979": [w.proc.pid]})
            w.click(*NO_INTERNET_EXIT)
            w.wait_clean_exit(lab)
            w.assert_logged(POPUP_MADE, present=False)

    def test_dcp_port_taken(self):
        lab, _, _ = online_lab(self)
        holder = lab.pc(["python3", "-c", HOLD_PORT], stdout=subprocess.PIPE, text=True)
        self.assertEqual(first_line(holder, "the port holder"), "held")
        with Wizard(BUILD_DIR, lab=lab) as w:
            w.wait_window()
            w.click(*WELCOME_START)
            w.wait_log("Start UDP Server Port 5978, isBinding =  false")
            w.wait_log(POPUP_MADE)
            w.snap("roads_dcp_port_taken.png")
            self.assertEqual(w.held_ports(lab), {"udp 5978": [holder.pid], "tcp 5979": [w.proc.pid]})
            w.click(*popup_button(400))
            w.wait_clean_exit(lab, others=[holder.pid])
        self.assertIsNone(holder.poll())


if __name__ == "__main__":
    unittest.main(verbosity=2)
