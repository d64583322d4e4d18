#!/usr/bin/env python3
"""A private network for one test run, torn down whatever happens.

Two network namespaces, the PC side and the camera/Internet side, are joined by one
veth pair ("veth0" in each) on a link that exists only between them:

    PC side   wizpc-<pid>-<tag>    lo + veth0  10.254.0.1/24   (lab.pc_ip)
    cam side  wizcam-<pid>-<tag>   lo + veth0  10.254.0.2/24   (lab.cam_ip)

The camera side holds the simulated cameras and the lab's "Internet" servers; more
addresses go there with add_cam_address(). With internet=True the PC side has a default
route via the camera side. /etc/netns/<pc>/hosts maps fixed host names to lab addresses
and /etc/netns/<pc>/ssl trusts only a certificate authority made for this run, so a
program started with `ip netns exec` talks to lab servers with verified TLS.

Module use:
    from lab import Lab
    with Lab(internet=True) as lab:
        lab.set_hosts({"api.example.invalid": lab.add_cam_address("10.254.1.10")})
        cert, key = lab.issue_cert(["api.example.invalid"])
        server = lab.cam(["python3", "server.py", cert, key])
        lab.wait_listening("cam", "tcp", 443)
        code = lab.pc(["./client"]).wait()

Command line:
    lab.py run [--internet] [--hosts NAME=IP]... [--cam CMD]... [--wait udp:PORT]... -- CMD...
    lab.py cleanup [--all]
"""

import argparse
import atexit
import ipaddress
import itertools
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import unittest

PC_IP = "10.254.0.1"
CAM_IP = "10.254.0.2"
LINK_PREFIX = 24
LINK_NETWORK = ipaddress.ip_network(f"{PC_IP}/{LINK_PREFIX}", strict=False)
LINK_IF = "veth0"
# The links' hardware addresses, fixed (the kernel draws a veth's): how the wizard and the tools read the PC's
# address is the same in every run. The n-th link's ends (veth0: 0), their digits of both kinds.
PC_MAC = "ae:bc:df:01:23:{:02x}"
CAM_MAC = "02:67:89:ab:cd:{:02x}"
NETNS_ETC = "/etc/netns"
NAME_RE = re.compile(r"^(?:wizpc|wizcam|wizlab)-(\d+)-([a-z0-9]+)$")
TAG_RE = re.compile(r"^[a-z0-9]{1,8}$")
LOCALHOST_LINES = "127.0.0.1\tlocalhost\n::1\tlocalhost ip6-localhost ip6-loopback\n"
# Unmapped names fail at once instead of reaching for the host's name server.
RESOLV_CONF = "nameserver 127.0.0.1\n"
TERM_GRACE_S = 3.0
SKIPPED = 77  # exit status of `run` when no lab can be made: CTest counts the test skipped


class LabUnavailable(RuntimeError):
    """The machine cannot host a lab (not root, no `ip netns`)."""


class LabError(RuntimeError):
    """A lab command failed."""


class LabInterrupted(KeyboardInterrupt):
    """SIGINT or SIGTERM arrived while a lab was up; raised so that teardown runs."""

    def __init__(self, signum):
        super().__init__(f"interrupted by signal {signum}")
        self.signum = signum


def unavailable_reason():
    """Why no lab can be made here, or None when one can."""
    if os.geteuid() != 0:
        return "the lab needs root to create network namespaces"
    for tool in ("ip", "openssl", "setpriv"):
        if shutil.which(tool) is None:
            return f"'{tool}' is not installed (scripts/setup installs it)"
    probe = subprocess.run(["ip", "netns", "list"], capture_output=True, text=True)
    if probe.returncode != 0:
        return "'ip netns' is unavailable: " + probe.stderr.strip()
    return None


def skip_unless_available():
    """For lab tests (as their setUpModule): skips them, naming what is missing, when no lab can be made here."""
    reason = unavailable_reason()
    if reason:
        raise unittest.SkipTest(reason)


def _run(cmd, **kw):
    result = subprocess.run(cmd, capture_output=True, text=True, **kw)
    if result.returncode != 0:
        raise LabError(f"{' '.join(cmd)} failed ({result.returncode}): {result.stderr.strip()}")
    return result.stdout


def _netns_names():
    out = subprocess.run(["ip", "netns", "list"], capture_output=True, text=True).stdout
    return [line.split()[0] for line in out.splitlines() if line.strip()]


def _kill_namespace_processes(ns):
    out = subprocess.run(["ip", "netns", "pids", ns], capture_output=True, text=True).stdout
    for pid in out.split():
        try:
            os.kill(int(pid), signal.SIGKILL)
        except (ProcessLookupError, ValueError):
            pass


def _remove_namespace(ns):
    _kill_namespace_processes(ns)
    subprocess.run(["ip", "netns", "del", ns], capture_output=True)
    shutil.rmtree(os.path.join(NETNS_ETC, ns), ignore_errors=True)


def _remove_if_empty(folder):
    try:
        os.rmdir(folder)
    except OSError:
        pass  # missing, or in use by another lab


def make_netns_etc(path):
    """Makes /etc/netns/<name>, again where another lab's teardown or cleanup removed an empty
    /etc/netns between the two folders."""
    for _ in range(20):
        try:
            os.makedirs(path, exist_ok=True)
            return
        except FileNotFoundError:
            continue
    raise LabError(f"{path} could not be made: its parent kept going")


def _pid_alive(pid):
    try:
        os.kill(pid, 0)
    except ProcessLookupError:
        return False
    except PermissionError:
        pass
    return True


def cleanup(everything=False, verbose=False):
    """Removes namespaces, /etc/netns entries and work folders of lab runs whose
    process is gone (or of every run with everything=True). Returns what it removed."""
    removed = []

    def stale(name):
        m = NAME_RE.match(name)
        return m is not None and (everything or not _pid_alive(int(m.group(1))))

    for ns in _netns_names():
        if stale(ns):
            _remove_namespace(ns)
            removed.append(f"namespace {ns}")
    if os.path.isdir(NETNS_ETC):
        for entry in os.listdir(NETNS_ETC):
            if stale(entry):
                shutil.rmtree(os.path.join(NETNS_ETC, entry), ignore_errors=True)
                removed.append(f"{NETNS_ETC}/{entry}")
        _remove_if_empty(NETNS_ETC)
    tmp = tempfile.gettempdir()
    for entry in os.listdir(tmp):
        if stale(entry):
            shutil.rmtree(os.path.join(tmp, entry), ignore_errors=True)
            removed.append(os.path.join(tmp, entry))
    if verbose:
        for what in removed:
            print(f"removed {what}")
    return removed


OPENSSL_CONFIG = """\
[req]
distinguished_name = dn
prompt = no
[dn]
CN = {cn}
[ca_ext]
basicConstraints = critical, CA:TRUE
keyUsage = critical, keyCertSign, cRLSign
subjectKeyIdentifier = hash
[leaf_ext]
basicConstraints = critical, CA:FALSE
keyUsage = critical, digitalSignature, keyEncipherment
extendedKeyUsage = serverAuth
subjectAltName = {san}
authorityKeyIdentifier = keyid
"""


class Lab:
    _counter = itertools.count()

    def __init__(self, internet=False, name=None):
        reason = unavailable_reason()
        if reason:
            raise LabUnavailable(reason)
        tag = name if name is not None else str(next(Lab._counter))
        if not TAG_RE.match(tag):
            raise ValueError(f"lab name {tag!r}: use 1-8 lower-case letters or digits")
        self.run_id = f"{os.getpid()}-{tag}"
        self.pc_ns = f"wizpc-{self.run_id}"
        self.cam_ns = f"wizcam-{self.run_id}"
        self.internet = internet
        self.pc_ip = PC_IP
        self.cam_ip = CAM_IP
        self.prefix = LINK_PREFIX
        self.pc_if = LINK_IF
        self.cam_if = LINK_IF
        self.pc_mac = None
        self.cam_mac = None
        self.pc_etc = os.path.join(NETNS_ETC, self.pc_ns)
        self.workdir = os.path.join(tempfile.gettempdir(), f"wizlab-{self.run_id}")
        self.ca_cert = os.path.join(self.workdir, "ca.pem")
        self._ca_key = os.path.join(self.workdir, "ca.key")
        self._hosts = {}
        self._procs = []
        self._owner = os.getpid()
        self._saved_handlers = None
        self._closing = False
        self._closed = False
        self._issued = itertools.count(1)
        self.links = []
        self._cam_routes = []

    # Life cycle -----------------------------------------------------------------

    def __enter__(self):
        self.start()
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def start(self):
        """Brings the lab up. Prefer `with`; a lab started here without it is still torn
        down at interpreter exit."""
        self._catch_signals()
        atexit.register(self.close)
        try:
            cleanup()
            # Leftovers of an earlier process that had our pid carry our names.
            for ns in (self.pc_ns, self.cam_ns):
                _remove_namespace(ns)
            shutil.rmtree(self.workdir, ignore_errors=True)
            self._make_network()
            self._make_pc_etc()
        except BaseException:
            self.close()
            raise
        return self

    def close(self):
        """Kills every process of the lab, deletes both namespaces and all files."""
        if self._closed or os.getpid() != self._owner:
            return
        self._closing = True
        try:
            self._stop_processes()
            for ns in (self.pc_ns, self.cam_ns):
                _remove_namespace(ns)
            shutil.rmtree(self.workdir, ignore_errors=True)
            _remove_if_empty(NETNS_ETC)
        finally:
            self._closed = True
            self._restore_signals()
            atexit.unregister(self.close)

    def _catch_signals(self):
        if threading.current_thread() is not threading.main_thread():
            return
        self._saved_handlers = {s: signal.signal(s, self._on_signal) for s in (signal.SIGINT, signal.SIGTERM)}

    def _restore_signals(self):
        if self._saved_handlers:
            for s, handler in self._saved_handlers.items():
                signal.signal(s, handler)
            self._saved_handlers = None

    def _on_signal(self, signum, _frame):
        if not self._closing:
            raise LabInterrupted(signum)

    def _stop_processes(self):
        own_group = os.getpgrp()
        for p in self._procs:
            if p.poll() is None:
                try:
                    if os.getpgid(p.pid) != own_group:
                        os.killpg(p.pid, signal.SIGTERM)
                    else:
                        p.terminate()
                except ProcessLookupError:
                    pass
        deadline = time.monotonic() + TERM_GRACE_S
        for p in self._procs:
            try:
                p.wait(timeout=max(0.0, deadline - time.monotonic()))
            except subprocess.TimeoutExpired:
                try:
                    if os.getpgid(p.pid) != own_group:
                        os.killpg(p.pid, signal.SIGKILL)
                    else:
                        p.kill()
                except ProcessLookupError:
                    pass
                p.wait()
        self._procs.clear()

    # Network --------------------------------------------------------------------

    def _make_network(self):
        _run(["ip", "netns", "add", self.pc_ns])
        _run(["ip", "netns", "add", self.cam_ns])
        _run(["ip", "-n", self.pc_ns, "link", "add", LINK_IF, "address", PC_MAC.format(0x45), "type", "veth",
              "peer", "name", LINK_IF, "address", CAM_MAC.format(0xef), "netns", self.cam_ns])
        for ns, ip in ((self.pc_ns, self.pc_ip), (self.cam_ns, self.cam_ip)):
            _run(["ip", "-n", ns, "link", "set", "lo", "up"])
            _run(["ip", "-n", ns, "addr", "add", f"{ip}/{self.prefix}", "dev", LINK_IF])
            _run(["ip", "-n", ns, "link", "set", LINK_IF, "up"])
        # Cameras answer to 255.255.255.255 from sockets bound to 0.0.0.0: that needs a route.
        _run(["ip", "-n", self.cam_ns, "route", "add", "default", "dev", LINK_IF])
        if self.internet:
            _run(["ip", "-n", self.pc_ns, "route", "add", "default", "via", self.cam_ip])
        self.pc_mac = self._mac_of(self.pc_ns)
        self.cam_mac = self._mac_of(self.cam_ns)

    @staticmethod
    def _mac_of(ns, interface=LINK_IF):
        info = json.loads(_run(["ip", "-n", ns, "-j", "link", "show", interface]))
        return info[0]["address"]

    def add_cam_address(self, ip):
        """Puts one more address (a lab "Internet" server or a camera) on the camera side,
        reachable from the PC side. Returns the address as text."""
        address = ipaddress.ip_address(ip)
        _run(["ip", "-n", self.cam_ns, "addr", "add", f"{address}/32", "dev", LINK_IF])
        if address not in LINK_NETWORK:
            _run(["ip", "-n", self.pc_ns, "route", "replace", f"{address}/32", "via", self.cam_ip])
            self._cam_routes.append(str(address))
        return str(address)

    def set_pc_link(self, name, up):
        """Takes a PC-side link down or up, as a person leaves or joins a network. Bringing
        veth0 back restores the routes the lab gave it (default route, add_cam_address)."""
        _run(["ip", "-n", self.pc_ns, "link", "set", name, "up" if up else "down"])
        if up and name == LINK_IF:
            for address in self._cam_routes:
                _run(["ip", "-n", self.pc_ns, "route", "replace", f"{address}/32", "via", self.cam_ip])
            if self.internet:
                _run(["ip", "-n", self.pc_ns, "route", "replace", "default", "via", self.cam_ip])

    def add_link(self, pc_ip, cam_ip, prefix=24):
        """Joins the two sides by one more veth pair (the "wireless" side, for instance),
        named veth1, veth2, ... in both namespaces, with pc_ip and cam_ip on its ends.
        No route changes: the camera side's default route stays on veth0. Returns the
        interface name, which is the same on both sides."""
        network = ipaddress.ip_network(f"{pc_ip}/{prefix}", strict=False)
        if ipaddress.ip_address(cam_ip) not in network:
            raise ValueError(f"{cam_ip} is not in {network}")
        n = len(self.links) + 1
        name = f"veth{n}"
        _run(["ip", "-n", self.pc_ns, "link", "add", name, "address", PC_MAC.format(0x45 + n), "type", "veth",
              "peer", "name", name, "address", CAM_MAC.format(0xef - n), "netns", self.cam_ns])
        for ns, ip in ((self.pc_ns, pc_ip), (self.cam_ns, cam_ip)):
            _run(["ip", "-n", ns, "addr", "add", f"{ip}/{prefix}", "dev", name])
            _run(["ip", "-n", ns, "link", "set", name, "up"])
        self.links.append({"name": name, "pc_ip": str(pc_ip), "cam_ip": str(cam_ip), "prefix": prefix,
                           "pc_mac": self._mac_of(self.pc_ns, name), "cam_mac": self._mac_of(self.cam_ns, name)})
        return name

    def wait_listening(self, side, proto, port, timeout=30.0):
        """Waits until a socket of the given side ("pc" or "cam") is bound to `port`
        ("udp") or listens on it ("tcp"). Raises LabError on timeout."""
        ns = self._namespace(side)
        flag = {"udp": "-u", "tcp": "-t"}[proto]
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            out = subprocess.run(["ip", "netns", "exec", ns, "ss", "-H", "-l", "-n", flag, f"sport = :{port}"],
                                 capture_output=True, text=True).stdout
            if out.strip():
                return
            time.sleep(0.05)
        raise LabError(f"nothing listens on {proto} port {port} in {ns} after {timeout} s")

    # Files of the PC side ----------------------------------------------------------

    def _make_pc_etc(self):
        make_netns_etc(self.pc_etc)
        with open(os.path.join(self.pc_etc, "resolv.conf"), "w") as f:
            f.write(RESOLV_CONF)
        self._write_hosts()
        os.makedirs(self.workdir, mode=0o700)
        self._make_ca()
        ssl_dir = os.path.join(self.pc_etc, "ssl")
        certs = os.path.join(ssl_dir, "certs")
        os.makedirs(certs)
        os.makedirs(os.path.join(ssl_dir, "private"), mode=0o700)
        # ip netns exec mounts this folder over /etc/ssl: keep what OpenSSL reads there.
        if os.path.exists("/etc/ssl/openssl.cnf"):
            shutil.copy("/etc/ssl/openssl.cnf", ssl_dir)
        shutil.copy(self.ca_cert, os.path.join(certs, "wizard-lab-ca.pem"))
        _run(["openssl", "rehash", certs])
        # The bundle that curl, Python and OpenSSL's default file read.
        shutil.copy(self.ca_cert, os.path.join(certs, "ca-certificates.crt"))

    def _write_hosts(self):
        # Written in place: running processes see the bind-mounted file change.
        with open(os.path.join(self.pc_etc, "hosts"), "w") as f:
            f.write(LOCALHOST_LINES)
            for host, ip in self._hosts.items():
                f.write(f"{ip}\t{host}\n")

    def set_hosts(self, mapping):
        """Maps host names to addresses in the PC side's /etc/hosts (replacing earlier ones)."""
        for host, ip in mapping.items():
            if not re.match(r"^[A-Za-z0-9.-]+$", host):
                raise ValueError(f"not a host name: {host!r}")
            ipaddress.ip_address(ip)
        self._hosts = dict(mapping)
        self._write_hosts()

    def _openssl_config(self, cn, san="DNS:unused"):
        path = os.path.join(self.workdir, "openssl.cnf")
        with open(path, "w") as f:
            f.write(OPENSSL_CONFIG.format(cn=cn, san=san))
        return path

    def _make_ca(self):
        config = self._openssl_config(f"Wizard test lab CA {self.run_id}")
        _run(["openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
              "-nodes", "-keyout", self._ca_key, "-out", self.ca_cert, "-days", "2",
              "-config", config, "-extensions", "ca_ext"])

    def issue_cert(self, hostnames):
        """A server certificate for the names (and IP addresses) given, signed by the
        lab's authority, which the PC side trusts. Returns (certfile, keyfile)."""
        if isinstance(hostnames, str):
            hostnames = [hostnames]
        if not hostnames:
            raise ValueError("issue_cert needs at least one host name")
        san = []
        for host in hostnames:
            try:
                san.append(f"IP:{ipaddress.ip_address(host)}")
            except ValueError:
                san.append(f"DNS:{host}")
        n = next(self._issued)
        base = os.path.join(self.workdir, f"server{n}")
        config = self._openssl_config(hostnames[0], ", ".join(san))
        _run(["openssl", "req", "-new", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
              "-nodes", "-keyout", base + ".key", "-out", base + ".csr", "-config", config])
        _run(["openssl", "x509", "-req", "-in", base + ".csr", "-CA", self.ca_cert, "-CAkey", self._ca_key,
              "-set_serial", str(int(time.time() * 1000) * 100 + n), "-days", "2", "-out", base + ".pem",
              "-extfile", config, "-extensions", "leaf_ext"])
        return base + ".pem", base + ".key"

    # Processes ----------------------------------------------------------------------

    def env(self):
        """The LAB_* variables given to every process the lab starts."""
        return {
            "LAB_PC_NS": self.pc_ns, "LAB_CAM_NS": self.cam_ns,
            "LAB_PC_IP": self.pc_ip, "LAB_CAM_IP": self.cam_ip,
            "LAB_PC_MAC": self.pc_mac or "", "LAB_CAM_MAC": self.cam_mac or "",
            "LAB_PC_IF": self.pc_if, "LAB_CAM_IF": self.cam_if,
        }

    def _namespace(self, side):
        return {"pc": self.pc_ns, "cam": self.cam_ns}[side]

    def _spawn(self, ns, cmd, kw):
        if self._closed:
            raise LabError("the lab is already torn down")
        if isinstance(cmd, str):
            cmd = ["sh", "-c", cmd]
        env = dict(kw.pop("env", None) or os.environ)
        env.update(self.env())
        kw.setdefault("start_new_session", True)
        # No clock ends it: it lives as long as the thread that starts it. ip execs cmd, which keeps
        # the parent's death signal and the pid.
        p = subprocess.Popen(["setpriv", "--pdeathsig", "TERM", "--", "ip", "netns", "exec", ns, *cmd], env=env, **kw)
        self._procs.append(p)
        return p

    def pc(self, cmd, **popen_kw):
        """Starts cmd (a list, or a shell text) in the PC namespace; returns its Popen.
        The lab kills it at teardown if it still runs; it gets SIGTERM if the thread that
        started it ends first (a test killed before its teardown)."""
        return self._spawn(self.pc_ns, cmd, popen_kw)

    def cam(self, cmd, **popen_kw):
        """Starts cmd in the camera namespace; see pc()."""
        return self._spawn(self.cam_ns, cmd, popen_kw)


# Command line ---------------------------------------------------------------------------

def _parse_wait(text):
    proto, _, port = text.partition(":")
    if proto not in ("udp", "tcp") or not port.isdigit():
        raise argparse.ArgumentTypeError(f"{text!r}: use udp:PORT or tcp:PORT")
    return proto, int(port)


def _parse_host(text):
    host, sep, ip = text.partition("=")
    if not sep:
        raise argparse.ArgumentTypeError(f"{text!r}: use NAME=IP")
    return host, ip


def main(argv=None):
    parser = argparse.ArgumentParser(prog="lab.py", description="Private test network in two namespaces.")
    sub = parser.add_subparsers(dest="command", required=True)
    run = sub.add_parser("run", help="run CMD in the PC namespace of a fresh lab")
    run.add_argument("--internet", action="store_true", help="default route of the PC side via the camera side")
    run.add_argument("--hosts", type=_parse_host, action="append", default=[], metavar="NAME=IP",
                     help="hosts entry of the PC side (camera-side IPs outside the link are added)")
    run.add_argument("--cam", action="append", default=[], metavar="CMD",
                     help="shell command started in the camera namespace before CMD")
    run.add_argument("--wait", type=_parse_wait, action="append", default=[], metavar="udp:PORT",
                     help="wait until the camera side listens on this port before CMD")
    run.add_argument("cmd", nargs=argparse.REMAINDER, help="-- CMD...")
    clean = sub.add_parser("cleanup", help="remove what dead lab runs left behind")
    clean.add_argument("--all", action="store_true", help="also runs whose process still exists")
    args = parser.parse_args(argv)

    reason = unavailable_reason()
    if reason:
        # A test script that runs a program in the lab is then skipped (its SKIP_RETURN_CODE), not passed.
        print(f"SKIP: lab.py: {reason}", file=sys.stderr)
        return SKIPPED if args.command == "run" else 2
    if args.command == "cleanup":
        cleanup(everything=args.all, verbose=True)
        return 0

    cmd = args.cmd[1:] if args.cmd[:1] == ["--"] else args.cmd
    if not cmd:
        parser.error("run needs -- CMD...")
    try:
        return _run_in_lab(args, cmd)
    except LabInterrupted as interrupted:
        return 128 + interrupted.signum


def _run_in_lab(args, cmd):
    with Lab(internet=args.internet) as lab:
        hosts = dict(args.hosts)
        for ip in sorted(set(hosts.values()) - {lab.pc_ip, lab.cam_ip}):
            lab.add_cam_address(ip)
        if hosts:
            lab.set_hosts(hosts)
        for text in args.cam:
            lab.cam(text)
        for proto, port in args.wait:
            lab.wait_listening("cam", proto, port)
        code = lab.pc(cmd, start_new_session=False).wait()
        return code if code >= 0 else 128 - code


if __name__ == "__main__":
    sys.exit(main())
