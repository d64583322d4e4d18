"""The cloud step's lab, shared by the end-to-end tests of the cloud page (cloud.test.py, thirdparty.test.py,
cloudsquat.test.py): the probe site and catalogue (netsim), the cloud service over https under its API and
portal names (cloudsim), the same service with a certificate not the lab's, in plain HTTP and on another
domain, and a camera (camsim, camcgi) whose portal is the service. CloudRoad is their base class: it starts
the lab once per class, camsim once per test, and brings the wizard to the cloud page.
"""

import json
import os
import subprocess
import unittest

from wizard import (BUILD_DIR, CLOUD_PAGE_SHOWN, SOURCE_DIR, STEP_S, first_line, popup_button, read_record,
                    skip_unless_available, wait_until)
from lab import Lab  # noqa: E402 (tests/lab is on the path once wizard is imported)

TOOLS = os.path.join(SOURCE_DIR, "tests", "tools")
NETSIM = os.path.join(TOOLS, "netsim", "netsim.py")
CLOUDSIM = os.path.join(TOOLS, "cloudsim", "cloudsim.py")
CAMCGI = os.path.join(TOOLS, "camcgi", "camcgi.py")
CAMSIM = os.path.join(BUILD_DIR, "tests", "camsim")
CATALOGUE = os.path.join(SOURCE_DIR, "tests", "data", "catalogue", "tolmwizard.json")
NET_IP, CLOUD_IP, FAKE_IP, CAMERA_IP = "10.254.1.10", "10.254.1.30", "10.254.1.31", "10.254.0.41"
OTHER_IP, OTHER_HOST = "10.254.1.32", "portal.olvaris-cloud.invalid"  # valid https, another domain
NET_HOSTS = ["catalog.tolmwizard.invalid", "update.tolmwizard.invalid", "www.example.com"]
API_HOST, PORTAL_HOST = "api.olvaris.invalid", "portal.olvaris.invalid"
PASSWORD = "porchpw12"
CAMERA = {"mac": "00:11:22:AA:BB:41", "model": "VKC-2100", "name": "Porch", "dcpVersion": "2.0",
          "ip": CAMERA_IP, "registered": "0", "portal": "https://%s/" % PORTAL_HOST,
          "cloudId": "9001.olvaris", "dfp": "dfp-41", "network": {"0": "1", "23": CAMERA_IP, "51": "443"}}
FAILED = 'open msgbox : "cloudServiceFailedWarning"'

POPUP_OK, SKIP_NEXT = popup_button(300), popup_button(400)


class CloudRoad(unittest.TestCase):
    """A lab with the cloud service and a camera; each test starts camsim afresh. No tests of its own."""

    @classmethod
    def setUpClass(cls):
        skip_unless_available()
        cls.lab = lab = Lab(internet=True).start()
        try:
            net, cloud = lab.add_cam_address(NET_IP), lab.add_cam_address(CLOUD_IP)
            lab.add_cam_address(FAKE_IP)
            lab.add_cam_address(OTHER_IP)
            lab.add_cam_address(CAMERA_IP)
            cls.hosts = dict({h: net for h in NET_HOSTS}, **{API_HOST: cloud, PORTAL_HOST: cloud, OTHER_HOST: OTHER_IP})
            lab.set_hosts(cls.hosts)
            data = os.path.join(lab.workdir, "data")
            os.makedirs(data)
            with open(CATALOGUE, encoding="utf-8") as f:
                catalogue = json.load(f)
            catalogue["Cameras"] = [c for c in catalogue["Cameras"] if c["Model"].startswith("VKC")]
            with open(os.path.join(data, "tolmwizard.json"), "w", encoding="utf-8") as f:
                json.dump(catalogue, f)
            for sprite, size in (("assemble_image_square.png", "656x1476"), ("device_list_all.png", "600x600")):
                subprocess.run(["convert", "-size", size, "xc:lightgray", os.path.join(data, sprite)], check=True)
            cert, key = lab.issue_cert(NET_HOSTS)
            netsim = lab.cam(["python3", NETSIM, "--data", data, "--probe", net + ":80", "--https", net + ":443",
                              "--cert", cert, "--key", key], stdout=subprocess.PIPE, text=True)
            assert first_line(netsim, "netsim") == "ready"
            cls.control = os.path.join(lab.workdir, "control.json")
            cls.cloud_record = os.path.join(lab.workdir, "cloud.jsonl")
            cls.fake_record = os.path.join(lab.workdir, "fake.jsonl")
            cls.start_cloudsim(cloud, lab.issue_cert([API_HOST, PORTAL_HOST]), cls.cloud_record)
            own = [os.path.join(lab.workdir, "own" + ext) for ext in (".pem", ".key")]
            subprocess.run(["openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                            "-nodes", "-keyout", own[1], "-out", own[0], "-days", "1", "-subj", "/CN=" + API_HOST,
                            "-addext", "subjectAltName=DNS:" + API_HOST], check=True, capture_output=True)
            cls.start_cloudsim(FAKE_IP, own, cls.fake_record)
            # The same service in plain HTTP, and with a valid certificate on another domain.
            cls.plain_record = os.path.join(lab.workdir, "plain.jsonl")
            cls.start_cloudsim(cloud, None, cls.plain_record, port=80)
            cls.other_record = os.path.join(lab.workdir, "other.jsonl")
            cls.start_cloudsim(OTHER_IP, lab.issue_cert([OTHER_HOST]), cls.other_record)
            lab.cam(["python3", CAMCGI, "--bind", CAMERA_IP, "--port", "443", "--password", PASSWORD],
                    stdout=subprocess.DEVNULL)
            cls.cameras = os.path.join(lab.workdir, "cameras.json")
            with open(cls.cameras, "w") as f:
                json.dump({"cameras": [CAMERA]}, f)
            lab.wait_listening("cam", "tcp", 443)
        except BaseException:
            lab.close()
            raise

    @classmethod
    def start_cloudsim(cls, ip, cert_key, record, port=443):
        """cloudsim on ip, over https with cert_key (None: plain http); returns once it listens and its record
        file is made."""
        tls = ["--cert", cert_key[0], "--key", cert_key[1]] if cert_key else []
        sim = cls.lab.cam(["python3", CLOUDSIM, "--listen", "%s:%d" % (ip, port)] + tls +
                          ["--record", record, "--control", cls.control, "--site", "https://" + API_HOST],
                          stdout=subprocess.PIPE, text=True)
        if not first_line(sim, "cloudsim").startswith("ready"):
            raise RuntimeError("cloudsim did not start on %s:%d" % (ip, port))

    @classmethod
    def tearDownClass(cls):
        cls.lab.close()

    def setUp(self):
        self.set_control({})
        self.lab.set_hosts(self.hosts)
        self.camera_record = os.path.join(self.lab.workdir, self.id().rsplit(".", 1)[-1] + ".jsonl")
        self.camsim = self.lab.cam([CAMSIM, "--config", self.cameras, "--record", self.camera_record])
        self.lab.wait_listening("cam", "udp", 5978)
        self.first_record = len(read_record(self.cloud_record))

    def tearDown(self):
        self.camsim.terminate()
        self.camsim.wait(5)

    def set_control(self, control):
        control.setdefault("accounts", {"ann@example.test": "secret1"})
        with open(self.control, "w") as f:
            json.dump(control, f)

    def requests(self, path):
        return [r for r in read_record(self.cloud_record)[self.first_record:] if r.get("path") == path]

    def camera_with(self, **changes):
        """camsim again, its camera changed."""
        self.camsim.terminate()
        self.camsim.wait(5)
        path = os.path.join(self.lab.workdir, self.id().rsplit(".", 1)[-1] + ".cameras.json")
        with open(path, "w") as f:
            json.dump({"cameras": [dict(CAMERA, **changes)]}, f)
        self.camsim = self.lab.cam([CAMSIM, "--config", path, "--record", self.camera_record])
        self.lab.wait_listening("cam", "udp", 5978)

    def register_bits(self):
        return [r["params"]["G"] for r in read_record(self.camera_record)
                if r.get("class") == "2" and "G" in r["params"]]

    def to_cloud_page(self, w, reached=CLOUD_PAGE_SHOWN):
        w.to_setup_page()
        w.set_up_camera(PASSWORD, name="Porch", new=True, reached=reached)

    def assert_registered(self, w):
        # The simulators write a request's line once they have answered it: wait for the lines.
        adds = wait_until(lambda: self.requests("/me/device/add"), STEP_S, "cloudsim's record of the device add")
        wait_until(self.register_bits, STEP_S, "camsim's record of the register bit")
        self.assertEqual([json.loads(a["body"]) for a in adds],
                         [{"data": {"mac": "001122AABB41", "olvaris_id": "9001", "session_id": "dfp-41"}}])
        self.assertEqual(self.register_bits()[:1], ["1"])
        self.assertNotIn("0", self.register_bits(), "the register bit was taken back")
        w.assert_secrets_masked()
