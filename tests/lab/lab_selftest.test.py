#!/usr/bin/env python3
"""The lab itself: isolation, reachability, names and TLS trust of the PC side, and a
clean teardown on every exit path."""

import os
import signal
import subprocess
import sys
import tempfile
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import lab as labmod  # noqa: E402
from lab import Lab  # noqa: E402

LAB_PY = os.path.join(HERE, "lab.py")
BUILD_DIR = os.environ.get("BUILD_DIR")

HTTPS_SERVER = r"""
import http.server, ssl, sys
class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        self.send_response(200)
        self.end_headers()
        self.wfile.write(b"lab-ok")
    def log_message(self, *args):
        pass
cert, key, ip, port = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
server = http.server.HTTPServer((ip, port), Handler)
context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
context.load_cert_chain(cert, key)
server.socket = context.wrap_socket(server.socket, server_side=True)
server.serve_forever()
"""

HTTPS_CLIENT = r"""
import ssl, sys, urllib.request
try:
    body = urllib.request.urlopen(sys.argv[1], timeout=5, context=ssl.create_default_context()).read()
    print(body.decode())
except Exception as error:
    print("FAILED", error)
    sys.exit(1)
"""


def leftovers(run_id):
    """Everything a lab run of that id could leave behind."""
    found = [ns for ns in labmod._netns_names() if ns.endswith("-" + run_id)]
    if os.path.isdir(labmod.NETNS_ETC):
        found += [d for d in os.listdir(labmod.NETNS_ETC) if d.endswith("-" + run_id)]
    work = os.path.join(tempfile.gettempdir(), f"wizlab-{run_id}")
    if os.path.exists(work):
        found.append(work)
    return found


def gone(pid):
    """The process no longer runs (it does not exist, or is a zombie)."""
    try:
        with open(f"/proc/{pid}/stat") as f:
            return f.read().rsplit(")", 1)[1].split()[0] == "Z"
    except FileNotFoundError:
        return True


def output(lab, side, cmd, timeout=20):
    p = getattr(lab, side)(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    out, _ = p.communicate(timeout=timeout)
    return p.returncode, out


def self_signed_cert(folder):
    cert, key = os.path.join(folder, "rogue.pem"), os.path.join(folder, "rogue.key")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                    "-nodes", "-keyout", key, "-out", cert, "-days", "1", "-subj", "/CN=api.lab.invalid",
                    "-addext", "subjectAltName=DNS:api.lab.invalid"], check=True, capture_output=True)
    return cert, key


class InsideTheLab(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.lab = Lab(internet=True).start()
        cls.server_ip = cls.lab.add_cam_address("10.254.1.10")
        cls.lab.set_hosts({"api.lab.invalid": cls.server_ip, "other.lab.invalid": cls.lab.cam_ip,
                           "alias.lab.invalid": cls.server_ip})

    @classmethod
    def tearDownClass(cls):
        cls.lab.close()

    def test_pc_side_sees_only_its_own_interfaces(self):
        code, out = output(self.lab, "pc", ["ip", "-o", "link", "show"])
        self.assertEqual(code, 0)
        names = sorted(line.split(":")[1].strip().split("@")[0] for line in out.splitlines())
        self.assertEqual(names, ["lo", "veth0"])
        _, ns_inside = output(self.lab, "pc", ["readlink", "/proc/self/ns/net"])
        self.assertNotEqual(ns_inside.strip(), os.readlink("/proc/self/ns/net"))
        _, link = output(self.lab, "pc", ["cat", "/sys/class/net/veth0/address"])
        self.assertEqual(link.strip(), self.lab.pc_mac)

    def test_addresses_and_routes(self):
        cases = [
            ("pc", ["ip", "-4", "-o", "addr", "show", "dev", "veth0"], f"{self.lab.pc_ip}/24"),
            ("cam", ["ip", "-4", "-o", "addr", "show", "dev", "veth0"], f"{self.lab.cam_ip}/24"),
            ("cam", ["ip", "-4", "-o", "addr", "show", "dev", "veth0"], f"{self.server_ip}/32"),
            ("pc", ["ip", "route", "show", "default"], f"via {self.lab.cam_ip}"),
        ]
        for side, cmd, expected in cases:
            with self.subTest(side=side, expected=expected):
                code, out = output(self.lab, side, cmd)
                self.assertEqual(code, 0)
                self.assertIn(expected, out)

    def test_camera_side_is_reachable(self):
        for target in (self.lab.cam_ip, self.server_ip):
            with self.subTest(target=target):
                code, out = output(self.lab, "pc", ["ping", "-c", "1", "-W", "2", target])
                self.assertEqual(code, 0, out)

    def test_names_resolve_through_the_lab_hosts_file(self):
        cases = [("api.lab.invalid", self.server_ip), ("other.lab.invalid", self.lab.cam_ip),
                 ("localhost", "127.0.0.1")]
        for name, ip in cases:
            with self.subTest(name=name):
                code, out = output(self.lab, "pc", ["getent", "ahostsv4", name])
                self.assertEqual(code, 0, out)
                self.assertEqual(out.split()[0], ip)
        code, _ = output(self.lab, "pc", ["getent", "hosts", "unmapped.lab.invalid"])
        self.assertNotEqual(code, 0)

    def test_tls_trusts_only_the_lab_authority(self):
        cert, key = self.lab.issue_cert(["api.lab.invalid", self.server_ip])
        rogue_cert, rogue_key = self_signed_cert(self.lab.workdir)
        self.lab.cam(["python3", "-c", HTTPS_SERVER, cert, key, self.server_ip, "443"])
        self.lab.cam(["python3", "-c", HTTPS_SERVER, rogue_cert, rogue_key, self.server_ip, "8443"])
        self.lab.wait_listening("cam", "tcp", 443)
        self.lab.wait_listening("cam", "tcp", 8443)
        verify = ["sh", "-c", "echo | openssl s_client -connect api.lab.invalid:443 -servername api.lab.invalid "
                  "-verify_hostname api.lab.invalid -verify_return_error"]
        cases = [
            ("python by name", ["python3", "-c", HTTPS_CLIENT, "https://api.lab.invalid/"], True),
            ("python by address in the certificate", ["python3", "-c", HTTPS_CLIENT, f"https://{self.server_ip}/"],
             True),
            ("openssl", verify, True),
            ("hashed certificate folder", ["openssl", "verify", "-no-CAfile", "-no-CAstore", "-CApath",
                                           "/etc/ssl/certs", cert], True),
            ("certificate bundle", ["openssl", "verify", "-no-CApath", "-no-CAstore", "-CAfile",
                                    "/etc/ssl/certs/ca-certificates.crt", cert], True),
            ("name not in the certificate", ["python3", "-c", HTTPS_CLIENT, "https://alias.lab.invalid/"], False),
            ("certificate of another authority", ["python3", "-c", HTTPS_CLIENT, "https://api.lab.invalid:8443/"],
             False),
        ]
        for label, cmd, trusted in cases:
            with self.subTest(label):
                code, out = output(self.lab, "pc", cmd)
                self.assertEqual(code == 0, trusted, out)
                if cmd[0] == "python3":
                    self.assertIn("lab-ok" if trusted else "CERTIFICATE_VERIFY_FAILED", out)
        qt_check = os.path.join(BUILD_DIR or "", "tests", "tst_labtls")
        if BUILD_DIR and os.path.exists(qt_check):
            with self.subTest("Qt"):
                p = self.lab.pc([qt_check], stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                                env=dict(os.environ, LAB_TLS_TRUSTED="https://api.lab.invalid/",
                                         LAB_TLS_UNTRUSTED="https://api.lab.invalid:8443/"))
                out, _ = p.communicate(timeout=60)
                self.assertEqual(p.returncode, 0, out)
                self.assertNotIn("SKIP", out)


class LabGuard(unittest.TestCase):
    """runningInsideLab() of the C++ test support, run where it must say yes or no."""

    def setUp(self):
        self.guard = os.path.join(BUILD_DIR or "", "tests", "tst_labguard")
        if not BUILD_DIR or not os.path.exists(self.guard):
            self.skipTest("tst_labguard is not built (set BUILD_DIR)")

    def test_guard_verdicts(self):
        cases = [
            ("pc side", "pc", None, True, ""),
            ("camera side", "cam", None, True, ""),
            ("second veth", "pc", ["link", "add", "veth9", "type", "veth", "peer", "name", "veth9", "netns", "{cam}"],
             True, ""),
            ("a bridge", "pc", ["link", "add", "br9", "type", "bridge"], False, "expected exactly lo"),
            ("no veth", "pc", ["link", "del", "veth0"], False, "expected exactly lo"),
        ]
        for label, side, change, inside, reason in cases:
            with self.subTest(label), Lab() as lab:
                if change:
                    change = [arg.format(cam=lab.cam_ns) for arg in change]
                    subprocess.run(["ip", "-n", lab._namespace(side), *change], check=True)
                code, out = output(lab, side, [self.guard])
                self.assertEqual(code == 0, inside, out)
                self.assertIn(reason, out)

    def test_host_network_is_refused(self):
        result = subprocess.run([self.guard], capture_output=True, text=True, timeout=20)
        self.assertNotEqual(result.returncode, 0)
        self.assertIn("network namespace of PID 1", result.stdout + result.stderr)

    def test_unnamed_namespace_is_refused_where_pid_1_is_hidden(self):
        try:
            os.readlink("/proc/1/ns/net")
            self.skipTest("PID 1's namespace is readable here; the name check is not used")
        except PermissionError:
            pass
        with Lab() as lab:
            # The interfaces of a lab (lo and one veth) in a namespace that no lab made.
            script = ("ip link set lo up && ip link add veth0 type veth peer name veth1 && "
                      f"ip link set veth1 netns {lab.cam_ns} && {self.guard}")
            code, out = output(lab, "pc", ["unshare", "-n", "sh", "-c", script])
            self.assertNotEqual(code, 0, out)
            self.assertIn("not in a lab namespace", out)


class Teardown(unittest.TestCase):
    def test_module_exit_paths(self):
        def normal(lab):
            lab.pc(["sleep", "30"])

        def exception(lab):
            lab.pc(["sleep", "30"])
            raise RuntimeError("test body failed")

        def stubborn(lab):
            # Ignores SIGTERM and leaves a grandchild in a session of its own.
            lab.pc(["sh", "-c", f"setsid sleep 300 & echo $! > {lab.workdir}/grandchild; trap '' TERM; sleep 300"])
            deadline = time.monotonic() + 5
            while not os.path.exists(f"{lab.workdir}/grandchild") and time.monotonic() < deadline:
                time.sleep(0.05)
            with open(f"{lab.workdir}/grandchild") as f:
                stubborn.grandchild = int(f.read())

        for label, body in (("normal", normal), ("exception", exception), ("stubborn processes", stubborn)):
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

    def test_command_line_exit_codes(self):
        cases = [
            ("success", ["true"], 0),
            ("failure", ["sh", "-c", "exit 7"], 7),
            ("killed by a signal", ["sh", "-c", "kill -9 $$"], 128 + 9),
            ("missing program", ["/nonexistent/program"], None),
        ]
        for label, cmd, expected in cases:
            with self.subTest(label):
                p = subprocess.Popen([sys.executable, LAB_PY, "run", "--", *cmd],
                                     stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
                _, err = p.communicate(timeout=60)
                if expected is None:
                    self.assertNotEqual(p.returncode, 0)
                else:
                    self.assertEqual(p.returncode, expected, err)
                self.assertEqual(leftovers(f"{p.pid}-0"), [])

    def test_interrupted_runs(self):
        started_without_with = (f"import sys, time; sys.path.insert(0, {HERE!r}); from lab import Lab; "
                                "lab = Lab().start(); lab.pc(['sleep', '60']); time.sleep(60)")
        cli = [sys.executable, LAB_PY, "run", "--", "sleep", "60"]
        cases = [
            ("command line, SIGTERM", cli, signal.SIGTERM, 128 + signal.SIGTERM),
            ("command line, SIGINT", cli, signal.SIGINT, 128 + signal.SIGINT),
            ("module, lab started without with", [sys.executable, "-c", started_without_with], signal.SIGTERM,
             None),
        ]
        for label, cmd, signum, expected in cases:
            with self.subTest(label):
                p = subprocess.Popen(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
                run_id = f"{p.pid}-0"
                deadline = time.monotonic() + 20
                while f"wizpc-{run_id}" not in labmod._netns_names() or not self._sleeping_in(run_id):
                    self.assertLess(time.monotonic(), deadline, "the lab did not come up")
                    time.sleep(0.05)
                p.send_signal(signum)
                _, err = p.communicate(timeout=30)
                if expected is None:
                    self.assertNotEqual(p.returncode, 0)
                else:
                    self.assertEqual(p.returncode, expected, err)
                self.assertEqual(leftovers(run_id), [])

    @staticmethod
    def _sleeping_in(run_id):
        pids = subprocess.run(["ip", "netns", "pids", f"wizpc-{run_id}"], capture_output=True, text=True).stdout
        return bool(pids.split())

    def test_cleanup_removes_only_dead_runs(self):
        dead = subprocess.Popen(["true"])
        dead.wait()
        dead_id, live_id = f"{dead.pid}-0", f"{os.getpid()}-zz"
        for run_id in (dead_id, live_id):
            subprocess.run(["ip", "netns", "add", f"wizpc-{run_id}"], check=True)
            os.makedirs(os.path.join(labmod.NETNS_ETC, f"wizpc-{run_id}"), exist_ok=True)
        try:
            p = subprocess.run([sys.executable, LAB_PY, "cleanup"], capture_output=True, text=True, timeout=60)
            self.assertEqual(p.returncode, 0, p.stderr)
            self.assertEqual(leftovers(dead_id), [])
            self.assertEqual(sorted(leftovers(live_id)), [f"wizpc-{live_id}", f"wizpc-{live_id}"])
        finally:
            labmod._remove_namespace(f"wizpc-{live_id}")
        self.assertEqual(leftovers(live_id), [])

    def test_refuses_without_root(self):
        real = labmod.os.geteuid
        labmod.os.geteuid = lambda: 1000
        try:
            self.assertIn("root", labmod.unavailable_reason())
            with self.assertRaises(labmod.LabUnavailable):
                Lab()
        finally:
            labmod.os.geteuid = real

    def test_add_cam_address_rejects_non_addresses(self):
        with Lab() as lab:
            for bad in ("not-an-ip", "10.254.1.300"):
                with self.subTest(bad):
                    with self.assertRaises(ValueError):
                        lab.add_cam_address(bad)


if __name__ == "__main__":
    labmod.skip_unless_available()
    unittest.main(verbosity=2)
