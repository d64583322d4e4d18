#!/usr/bin/env python3
"""The cloud step of the real wizard in the lab (the roads of cloud.test.py) with another https host
on the service's sign-in and sign-up pages, one that knows the flow's state: (a) a picture of it
answers 302 to the redirect address with the third party's token; (b) a frame of it asks for that
address as a picture; (c) a frame of it sends the top frame there; (d) a frame of it sends the top
frame to another host; (g) a frame of the service redirects to the third party's frame. Each
time no device add goes out with the third party's token and the person signs in. Then (e) a page asking for 100,000 refused pictures leaves the start-up lines in the log,
and (f) a compressed sign-in page ends in the cloud failure popup; (h) a picture of the third party that
declares 23000 x 23000 pixels leaves the wizard's peak memory as it was, and the person signs in.
"""

import importlib.util
import os
import time
import unittest
import urllib.parse

HERE = os.path.dirname(os.path.abspath(__file__))
spec = importlib.util.spec_from_file_location("cloudroads", os.path.join(HERE, "cloud.test.py"))
roads = importlib.util.module_from_spec(spec)
spec.loader.exec_module(roads)

TP_IP, TP_HOST = "10.254.1.34", "widgets.example.org"
FLOOD = 100000
FAILED = 'open msgbox : "cloudServiceFailedWarning"'
HUGE_AFTER_S = 8


class ThirdParty(roads.CloudStep):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        try:
            cls.lab.add_cam_address(TP_IP)
            cls.hosts = dict(cls.hosts, **{TP_HOST: TP_IP})
            cls.tp_record = os.path.join(cls.lab.workdir, "thirdparty.jsonl")
            cls.start_cloudsim(TP_IP, cls.lab.issue_cert([TP_HOST]), cls.tp_record)
            cls.lab.wait_listening("cam", "tcp", 443)
        except BaseException:
            cls.lab.close()
            raise

    def set_control(self, control):
        control.setdefault("tokens", {"Tthird": "eve@example.test"})
        control.setdefault("stateRecord", self.cloud_record)
        super().set_control(control)

    def third_party_adds(self):
        return [r for r in self.requests("/me/device/add") if r["query"].get("access_token") == "Tthird"]

    def run_third_party(self, element, screenshot):
        """The third party's element on both pages; the person signs in afterwards."""
        self.set_control({element[0]: ["https://%s/tp/%s&flow={flow}" % (TP_HOST, element[1])]})
        with roads.Wizard(roads.BUILD_DIR, lab=self.lab) as w:
            self.to_cloud_page(w)
            w.click(*roads.CLOUD_EXISTING_ACCOUNT)
            time.sleep(3.0)  # the third party's element has loaded and acted
            self.assertEqual(self.third_party_adds(), [], "a device add went out with the third party's token")
            try:
                w.type_cloud_form("ann@example.test", "secret1", screenshot)
                w.wait_log(" Go to SignIn complete", 40)
            except TimeoutError:
                w.screenshot(screenshot.replace(".png", "_failed.png"))
                raise
            self.assertNotIn(FAILED, w.log_text())
            self.assert_registered(w)
        self.assertEqual(self.third_party_adds(), [])
        asked = roads.read_record(self.tp_record)
        leaked = [r["referer"] for r in asked if "state=" in r.get("referer", "")]
        self.assertEqual(leaked, [], "the page address with its state reached the third party")
        # Pictures still come from the third party; its frames never load.
        self.assertEqual(any(r.get("path") == "/tp/" + element[1].split("?")[0] for r in asked), element[0] == "pictures")

    def test_a_picture_redirects_to_the_listener(self):
        self.run_third_party(("pictures", "picture?x=1"), "thirdparty_picture_typed.png")

    def test_b_frame_asks_for_the_listener(self):
        self.run_third_party(("frames", "frame?do=image"), "thirdparty_frame_image_typed.png")

    def test_c_frame_sends_the_top_frame_to_the_listener(self):
        self.run_third_party(("frames", "frame?do=top"), "thirdparty_frame_top_typed.png")

    def test_d_frame_sends_the_top_frame_away(self):
        self.run_third_party(("frames", "frame?do=away"), "thirdparty_frame_away_typed.png")
        self.assertEqual([r for r in roads.read_record(self.tp_record) if r.get("path") == "/tp/away"], [])

    def test_g_cloud_frame_redirected_to_the_third_party(self):
        frame = "https://%s/tp/frame?do=top&flow={flow}" % TP_HOST
        self.set_control({"frames": ["https://%s/tp/bounce?to=%s" % (roads.API_HOST, urllib.parse.quote(frame, safe=""))]})
        with roads.Wizard(roads.BUILD_DIR, lab=self.lab) as w:
            self.to_cloud_page(w)
            w.sign_in("ann@example.test", "secret1", "thirdparty_bounced_frame_typed.png")
            self.assertNotIn(FAILED, w.log_text())
            self.assert_registered(w)
        self.assertEqual({r["status"] for r in self.requests("/tp/bounce")}, {302})
        self.assertEqual([r for r in roads.read_record(self.tp_record) if r.get("path") == "/tp/frame"], [])

    def test_e_refused_picture_flood(self):
        script = "for (var i = 0; i < %d; i++) new Image().src = 'http://%s/' + i + '.png';" % (FLOOD, TP_HOST)
        self.set_control({"script": script})
        with roads.Wizard(roads.BUILD_DIR, lab=self.lab) as w:
            self.to_cloud_page(w)
            w.wait_log("Counted, not logged one by one:", 60)
            w.sign_in("ann@example.test", "secret1", "thirdparty_flood_typed.png")
            log = w.log_text()
            self.assert_registered(w)
        print("log.txt: %d bytes, %d refusals in full" % (len(log), log.count("Not sent, ")))
        self.assertIn("Tcp Server is Listening Port 5979 ...", log)
        self.assertIn("CloudServicesPage Constructor Initializing ...", log)
        self.assertLess(log.count("Not sent, "), 100)

    def test_h_huge_picture(self):
        # Added to both pages once they show, so that the peak before it can be read.
        src = "https://%s/tp/huge.png?w=23000&h=23000" % TP_HOST
        script = ("setTimeout(function () { var i = new Image(); i.src = '%s'; document.body.appendChild(i); }, %d);"
                  % (src, HUGE_AFTER_S * 1000))
        self.set_control({"script": script})
        with roads.Wizard(roads.BUILD_DIR, lab=self.lab) as w:
            self.to_cloud_page(w)
            before = peak_kib(w.proc.pid)
            roads.wait_until(lambda: [r for r in roads.read_record(self.tp_record) if r.get("path") == "/tp/huge.png"],
                             HUGE_AFTER_S + roads.STEP_S, "the third party's picture asked for")
            time.sleep(5.0)  # the picture shown, decoded if it is
            after = peak_kib(w.proc.pid)
            print("peak memory: %d MiB before the picture, %d MiB after" % (before >> 10, after >> 10))
            w.sign_in("ann@example.test", "secret1", "thirdparty_huge_picture_typed.png")
            self.assertNotIn(FAILED, w.log_text())
            self.assert_registered(w)
        self.assertLess(after - before, 100 * 1024)

    def test_f_compressed_sign_in_page(self):
        self.set_control({"gzip": ["/login"]})
        with roads.Wizard(roads.BUILD_DIR, lab=self.lab) as w:
            self.to_cloud_page(w, reached=FAILED)
            w.screenshot("thirdparty_compressed_page_popup.png")
            self.assertIn("compressed", w.log_text())
        self.assertEqual([r["status"] for r in self.requests("/login")], [200])


def peak_kib(pid):
    with open("/proc/%d/status" % pid) as f:
        return int(next(line.split()[1] for line in f if line.startswith("VmHWM:")))


def load_tests(loader, tests, pattern):
    names = [n for n in vars(ThirdParty) if n.startswith("test_")]
    return unittest.TestSuite(ThirdParty(name) for name in sorted(names))


if __name__ == "__main__":
    unittest.main(verbosity=2)
