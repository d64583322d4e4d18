#!/usr/bin/env python3
"""The cloud step of the real wizard in the lab (cloudroad.py), against what
other hosts and other users do: (a) another user's process holds 127.0.0.1:5979 before the
wizard starts, and the person signs in; (b) the sign-in page shows a picture from another
https host and one over plain http, and the person signs in.
"""

import os
import subprocess
import sys
import unittest

from cloudroad import BUILD_DIR, FAILED, NETSIM, CloudRoad, read_record
from wizard import Wizard, first_line

CDN_IP, CDN_HOST = "10.254.1.33", "cdn.example.net"

# Another user's look-alike of the service: it notes every request it gets, and answers with a
# sign-in form that posts back to itself.
SQUATTER = r"""
import http.server, sys
FORM = (b"<html><body><h3>Session expired, sign in again</h3><form method='post' action='/'>"
        b"E-mail<input name='email'>Password<input name='password' type='password'>"
        b"<button type='submit'>Sign in</button></form></body></html>")
class Handler(http.server.BaseHTTPRequestHandler):
    def answer(self, text):
        print(text, flush=True)
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(FORM)))
        self.end_headers()
        self.wfile.write(FORM)
    def do_GET(self):
        self.answer("GET " + self.path)
    def do_POST(self):
        size = min(int(self.headers.get("Content-Length") or 0), 4096)
        self.answer("POST " + self.path + " " + self.rfile.read(size).decode("latin-1"))
    def log_message(self, *args):
        pass
server = http.server.HTTPServer(("127.0.0.1", 5979), Handler)
print("ready", flush=True)
server.serve_forever()
"""


class CloudSquat(CloudRoad):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        try:
            lab = cls.lab
            lab.add_cam_address(CDN_IP)
            cls.hosts = dict(cls.hosts, **{CDN_HOST: CDN_IP})
            data = os.path.join(lab.workdir, "cdn")
            os.makedirs(data)
            subprocess.run(["convert", "-size", "16x16", "xc:orange", os.path.join(data, "logo.png")], check=True)
            cls.cdn_log = os.path.join(lab.workdir, "cdn.jsonl")
            cert, key = lab.issue_cert([CDN_HOST])
            cdn = lab.cam(["python3", NETSIM, "--data", data, "--https", CDN_IP + ":443", "--cert", cert,
                           "--key", key, "--log", cls.cdn_log], stdout=subprocess.PIPE, text=True)
            assert first_line(cdn, "netsim") == "ready"
        except BaseException:
            cls.lab.close()
            raise

    def sign_in(self, screenshot):
        """The person signs in: whether the wizard completed the sign-in, and its log."""
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            try:
                self.to_cloud_page(w)
                w.sign_in("ann@example.test", "secret1", screenshot)
            except TimeoutError as e:
                print(e, file=sys.stderr)
                w.screenshot(screenshot.replace(".png", "_failed.png"))
                return False, w.log_text()
            self.assert_registered(w)
            return True, w.log_text()

    def test_a_port_taken_by_another_user(self):
        # Its program and working folder are ones nobody reaches, wherever the tree is (its owner's alone, say).
        squatter = self.lab.pc(["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups", "/usr/bin/python3",
                                "-c", SQUATTER], stdout=subprocess.PIPE, text=True, cwd="/")
        self.assertEqual(first_line(squatter, "the squatter"), "ready")
        completed, log = self.sign_in("cloudsquat_typed.png")
        squatter.terminate()
        received = squatter.communicate(timeout=10)[0].split("\n")
        self.assertIn("TCP Server is not Listening ...", log)
        self.assertEqual([line for line in received if line], [], "another user's process received the redirect")
        self.assertTrue(completed, "the sign-in did not complete")

    def test_b_picture_from_another_host(self):
        self.set_control({"pictures": ["https://%s/logo.png" % CDN_HOST, "http://%s/plain.png" % CDN_HOST]})
        completed, log = self.sign_in("cloudsquat_picture_typed.png")
        self.assertFalse(FAILED in log, "the cloud failure popup came")
        self.assertTrue(completed, "the sign-in did not complete")
        fetched = [(r["path"], r["answer"]) for r in read_record(self.cdn_log)]
        self.assertIn(("/logo.png", "200"), fetched)
        self.assertNotIn("/plain.png", [path for path, _ in fetched])



if __name__ == "__main__":
    unittest.main(verbosity=2)
