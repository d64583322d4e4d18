#!/usr/bin/env python3
"""The lab's safety: the C++ guard refuses anything but a lab's PC side, and every exit path, signals
included, removes the namespaces and their /etc/netns entries; no lab without root."""

import os
import signal
import subprocess
import sys
import tempfile
import time
import unittest
from unittest import mock

import lab as labmod
from lab import Lab

HERE = os.path.dirname(os.path.abspath(__file__))
LAB_PY = os.path.join(HERE, "lab.py")
BUILD_DIR = os.environ.get("BUILD_DIR")


def leftovers(run_id):
    found = [ns for ns in labmod._netns_names() if ns.endswith("-" + run_id)]
    if os.path.isdir(labmod.NETNS_ETC):
        found += [d for d in os.listdir(labmod.NETNS_ETC) if d.endswith("-" + run_id)]
    work = os.path.join(tempfile.gettempdir(), f"wizlab-{run_id}")
    if os.path.exists(work):
        found.append(work)
    return found


def gone(pid):
    try:
        with open(f"/proc/{pid}/stat") as f:
            return f.read().rsplit(")", 1)[1].split()[0] == "Z"
    except FileNotFoundError:
        return True


setUpModule = labmod.skip_unless_available


class LabGuard(unittest.TestCase):
    def test_cxx_guard_verdicts(self):  # runningInsideLab() of the C++ test support
        guard = os.path.join(BUILD_DIR or "", "tests", "tst_labguard")
        if not os.path.exists(guard):
            self.skipTest("tst_labguard is not built (set BUILD_DIR)")
        try:
            os.readlink("/proc/1/ns/net")
            pid_1_hidden = False
        except PermissionError:
            pid_1_hidden = True
        # The interfaces of a lab (lo and one veth) in a namespace that no lab made.
        unnamed = ["unshare", "-n", "sh", "-c", "ip link set lo up && ip link add veth0 type veth peer name veth1 && "
                   "ip link set veth1 netns {cam} && {guard}"]
        cases = [  # label, side, interface change, command, inside, reason
            ("pc side", "pc", None, ["{guard}"], True, ""),
            ("host network", None, None, ["{guard}"], False, "network namespace of PID 1"),
            ("a bridge", "pc", ["link", "add", "br9", "type", "bridge"], ["{guard}"], False, "expected exactly lo"),
            ("no veth", "pc", ["link", "del", "veth0"], ["{guard}"], False, "expected exactly lo"),
        ] + [("unnamed namespace", "pc", None, unnamed, False, "not in a lab namespace")] * pid_1_hidden
        for label, side, change, cmd, inside, reason in cases:
            with self.subTest(label), Lab(internet=label == "pc side") as lab:
                if change:
                    subprocess.run(["ip", "-n", lab.pc_ns, *change], check=True)
                cmd = [arg.format(cam=lab.cam_ns, guard=guard) for arg in cmd]
                p = (getattr(lab, side) if side else subprocess.Popen)(cmd, stdout=subprocess.PIPE,
                                                                       stderr=subprocess.STDOUT, text=True)
                out, _ = p.communicate(timeout=20)
                self.assertEqual(p.returncode == 0, inside, out)
                self.assertIn(reason, out)


class Teardown(unittest.TestCase):
    def test_module_exit_paths(self):
        def exception(lab):
            lab.pc(["sleep", "30"])
            raise RuntimeError("test body failed")

        def stubborn(lab):
            # Ignores SIGTERM and leaves a grandchild in a session of its own.
            lab.pc(["sh", "-c", f"setsid sleep 300 & echo $! > {lab.workdir}/grandchild; trap '' TERM; sleep 300"])
            deadline = time.monotonic() + 30
            while not os.path.exists(f"{lab.workdir}/grandchild") and time.monotonic() < deadline:
                time.sleep(0.05)
            with open(f"{lab.workdir}/grandchild") as f:
                stubborn.grandchild = int(f.read())

        for label, body in (("exception", exception), ("stubborn processes", stubborn)):
            with self.subTest(label):
                lab = Lab()
                try:
                    with lab:
                        self.assertIn(lab.pc_ns, labmod._netns_names())
                        body(lab)
                except RuntimeError:
                    pass
                self.assertEqual(leftovers(lab.run_id), [])
        self.assertTrue(gone(stubborn.grandchild))

    def test_runs_end_clean_with_the_command_s_code(self):
        started_without_with = (f"import subprocess, sys, time; sys.path.insert(0, {HERE!r}); from lab import Lab; "
                                "lab = Lab().start(); lab.pc(['sleep', '60'], stdout=subprocess.DEVNULL, "
                                "stderr=subprocess.DEVNULL); time.sleep(60)")
        cli = [sys.executable, LAB_PY, "run", "--"]
        cases = [
            ("failure", cli + ["sh", "-c", "exit 7"], None, 7),
            ("killed by a signal", cli + ["sh", "-c", "kill -9 $$"], None, 128 + 9),
            ("command line, SIGTERM", cli + ["sleep", "60"], signal.SIGTERM, 128 + signal.SIGTERM),
            ("command line, SIGINT", cli + ["sleep", "60"], signal.SIGINT, 128 + signal.SIGINT),
            ("module, lab started without with", [sys.executable, "-c", started_without_with], signal.SIGTERM, None),
            ("module, killed before its teardown", [sys.executable, "-c", started_without_with], signal.SIGKILL, None),
        ]
        for label, cmd, signum, expected in cases:
            with self.subTest(label):
                p = subprocess.Popen(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
                run_id = f"{p.pid}-0"
                deadline = time.monotonic() + 20
                pids = ["ip", "netns", "pids", f"wizpc-{run_id}"]  # the command runs in the lab
                while signum and not subprocess.run(pids, capture_output=True, text=True).stdout.split():
                    self.assertLess(time.monotonic(), deadline, "the lab did not come up")
                    time.sleep(0.05)
                if signum:
                    p.send_signal(signum)
                _, err = p.communicate(timeout=30)
                self.assertTrue(p.returncode == expected if expected else p.returncode != 0, (p.returncode, err))
                if signum == signal.SIGKILL:  # no teardown ran: what the lab started ended with it
                    deadline = time.monotonic() + 10
                    while subprocess.run(pids, capture_output=True, text=True).stdout.split():
                        self.assertLess(time.monotonic(), deadline, "a process of the killed case still runs")
                        time.sleep(0.05)
                    labmod.cleanup()
                self.assertEqual(leftovers(run_id), [])

    def test_cleanup_removes_only_dead_runs(self):
        dead = subprocess.Popen(["true"])
        dead.wait()
        dead_id, live_id = f"{dead.pid}-0", f"{os.getpid()}-zz"
        for run_id in (dead_id, live_id):
            subprocess.run(["ip", "netns", "add", f"wizpc-{run_id}"], check=True)
            labmod.make_netns_etc(os.path.join(labmod.NETNS_ETC, f"wizpc-{run_id}"))
        try:
            p = subprocess.run([sys.executable, LAB_PY, "cleanup"], capture_output=True, text=True, timeout=60)
            self.assertEqual(p.returncode, 0, p.stderr)
            self.assertEqual(leftovers(dead_id), [])
            self.assertEqual(sorted(leftovers(live_id)), [f"wizpc-{live_id}", f"wizpc-{live_id}"])
        finally:
            labmod._remove_namespace(f"wizpc-{live_id}")
        self.assertEqual(leftovers(live_id), [])

    def test_refuses_without_root(self):
        with mock.patch.object(labmod.os, "geteuid", return_value=1000):
            self.assertIn("root", labmod.unavailable_reason())
            self.assertRaises(labmod.LabUnavailable, Lab)


if __name__ == "__main__":
    unittest.main(verbosity=2)
