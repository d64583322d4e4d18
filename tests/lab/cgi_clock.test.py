#!/usr/bin/env python3
"""The camera clock over HTTPS CGI in the lab: tst_cgilab on the PC side calls CGISyncTime
against camcgi on the camera side (port 443, self-signed certificate); camcgi's record
shows the path, the query and the credential. A wrong password gets 401, and the
protocol object logs it and goes on with its next request."""

import datetime
import json
import os
import re
import subprocess
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import lab as labmod  # noqa: E402
from lab import Lab  # noqa: E402

SOURCE_DIR = os.environ.get("SOURCE_DIR", os.path.dirname(os.path.dirname(HERE)))
BUILD_DIR = os.environ.get("BUILD_DIR", os.path.join(SOURCE_DIR, "build"))
CGILAB = os.path.join(BUILD_DIR, "tests", "tst_cgilab")
CAMCGI = os.path.join(SOURCE_DIR, "tests", "tools", "camcgi", "camcgi.py")
PASSWORD = "pw1234"
TIME_SERVER = "time.tolmwizard.invalid"
MANUAL_T4X = re.compile(r"^&Date=(\d{4}-\d{2}-\d{2})&Time=\d{2}:\d{2}:\d{2}"
                        r"&DateTimeMode=1&TimeZoneIndex=0&ConfigReboot=No$")
TIMESERVER_T4X = re.compile(r"^&Date=(\d{4}-\d{2}-\d{2})&Time=\d{2}:\d{2}:\d{2}&DateTimeMode=0"
                            r"&TimeServerIPAddress=" + re.escape(TIME_SERVER) + r"&TimeZoneIndex=84&ConfigReboot=No$")
MANUAL_KORVA = re.compile(r"^timezone=0&method=0&date=(\d{4}-\d{2}-\d{2})&time=\d{2}:\d{2}:\d{2}$")
AUTH_ERROR = 204  # QNetworkReply::AuthenticationRequiredError

# name, camera (model, dialect, DCP version, password it is given), CGISyncTime (position, mode),
# expected clock request (path, exact query or pattern whose group 1 is the date), accepted,
# log lines expected. camcgi's certificate is self-signed: a 200 shows that it was accepted.
CASES = [
    ("KORVA time server, new camera", ("CAM-K", "1", "2.0", PASSWORD), (93, 0),
     ("/config/datetime.cgi", f"method=1&timeserver={TIME_SERVER}&timezone=94"), True,
     ["[CGI] callback 200 OK"]),
    ("T4X time server, new camera", ("CAM-T", "2", "2.3", PASSWORD), (83, 0),
     ("/datetime.cgi", TIMESERVER_T4X), True,
     ["[CGI] callback 200 OK"]),
    ("T4X manual, old camera", ("CAM-T", "2", "1.1", PASSWORD), (-2, 2),
     ("/datetime.cgi", MANUAL_T4X), True, ["[CGI] callback 200 OK"]),
    ("KORVA manual, old camera", ("CAM-X", "", "1.0", PASSWORD), (-2, 1),
     ("/config/datetime.cgi", MANUAL_KORVA), True, ["[CGI] callback 200 OK"]),
    ("wrong password", ("CAM-K", "1", "2.0", "not-the-password"), (0, 0),
     ("/config/datetime.cgi", f"method=1&timeserver={TIME_SERVER}&timezone=1"), False,
     ["check request auth required!", f"Error Code : {AUTH_ERROR}"]),
]


class CgiClock(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        if not os.path.exists(CGILAB):
            raise unittest.SkipTest(f"{CGILAB} is not built")
        cls.lab = Lab().start()
        cls.record = os.path.join(cls.lab.workdir, "cgi.jsonl")
        cls.camcgi = cls.lab.cam(["python3", CAMCGI, "--bind", cls.lab.cam_ip, "--port", "443",
                                  "--password", PASSWORD, "--record", cls.record, "--time-limit", "300"],
                                 stdout=subprocess.DEVNULL)
        cls.lab.wait_listening("cam", "tcp", 443)

    @classmethod
    def tearDownClass(cls):
        cls.lab.close()

    def records(self):
        if not os.path.exists(self.record):
            return []
        with open(self.record) as f:
            return [json.loads(line) for line in f if line.strip()]

    def run_cgilab(self, camera, call):
        model, dialect, dcp, password = camera
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", CGILAB_MODEL=model, CGILAB_DIALECT=dialect,
                   CGILAB_DCP=dcp, CGILAB_PASSWORD=password, CGILAB_POSITION=str(call[0]),
                   CGILAB_MODE=str(call[1]))
        p = self.lab.pc([CGILAB], env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        out, _ = p.communicate(timeout=60)
        return p.returncode, out

    def test_clock_requests(self):
        for name, camera, call, (path, query), accepted, log_lines in CASES:
            with self.subTest(name):
                before = len(self.records())
                code, out = self.run_cgilab(camera, call)
                self.assertEqual(code, 0, out)
                new = self.records()[before:]
                # The clock request, then the Wi-Fi key request that shows the program went on.
                self.assertEqual([r["path"] for r in new], [path, "/wireless.cgi"], out)
                clock, key = new
                self.assertEqual(clock["method"], "GET")
                if isinstance(query, re.Pattern):
                    match = query.match(clock["query"])
                    self.assertIsNotNone(match, clock["query"])
                    today = datetime.date.today()
                    self.assertIn(match.group(1), {str(today), str(today - datetime.timedelta(days=1))})
                else:
                    self.assertEqual(clock["query"], query)
                self.assertEqual(key["query"], "WEPKeyFormat=0&ConfigReboot=No")
                for r in new:
                    self.assertEqual(r["user"], "admin")
                    self.assertEqual(r["password_ok"], accepted)
                    self.assertEqual(r["status"], 200 if accepted else 401)
                for line in log_lines:
                    self.assertIn(line, out)
                self.assertNotIn(camera[3], out)
                if not accepted:
                    self.assertEqual(out.count("check request auth required!"), 1, out)


if __name__ == "__main__":
    labmod.skip_unless_available()
    unittest.main(verbosity=2)
