#!/usr/bin/env python3
"""The cloud step of the real wizard in the lab, driven by clicks and typing. Each road goes
Start -> licence -> guide (Skip) -> the camera in the table -> name and password -> the setup
checks -> the cloud page, then: (a) "Existing Account" and a sign-in typed into the service's
form, (b) a new account typed into the sign-up form, (c) a sign-in whose device add the
service refuses, (d) "No, thanks", (e) an API site whose certificate is not the lab's, (f) a
camera whose portal, or a sign-in page whose redirect, is not the cloud service over https, (g) a token sent to the redirect
listener by another local process, (h) a cloud service that never answers the device add, or
answers the account information with 4 MiB.
camsim restarts for every road, so each starts with an unregistered camera.
"""

import json
import os
import subprocess
import time
import unittest

from cloudroad import (API_HOST, BUILD_DIR, CloudRoad, FAKE_IP, OTHER_HOST, PORTAL_HOST, POPUP_OK, SKIP_NEXT,
                       read_record)
from wizard import CLOUD_EXISTING_ACCOUNT, CLOUD_FLOW_S, CLOUD_NO_THANKS, FINISH, STEP_S, Wizard, wait_until

REFUSAL = "Diese Kamera gehört schon zu einem anderen Konto"

# Another local process guesses at the listener while the cloud page waits.
INJECT = """
import http.client
for query in ("access_token=Teve&state=tolmwizard_signin", "access_token=Teve&state=tolmwizard_signup",
              "access_token=Teve"):
    c = http.client.HTTPConnection("127.0.0.1", 5979, timeout=5)
    c.request("GET", "/?" + query)
    print(c.getresponse().status)
"""


class CloudStep(CloudRoad):
    def test_a_sign_in(self):
        # The browser is a script that notes the address it is given.
        opened = os.path.join(self.lab.workdir, "opened.txt")
        browser = os.path.join(self.lab.workdir, "browser")
        os.makedirs(browser, exist_ok=True)
        with open(os.path.join(browser, "xdg-open"), "w") as f:
            f.write('#!/bin/sh\necho "$@" > %s.new && mv %s.new %s\n' % (opened, opened, opened))
        os.chmod(os.path.join(browser, "xdg-open"), 0o755)
        self.addCleanup(os.environ.__setitem__, "PATH", os.environ["PATH"])
        os.environ["PATH"] = browser + ":" + os.environ["PATH"]
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            self.to_cloud_page(w)
            w.screenshot("cloud_new_account_tab.png")
            w.sign_in("ann@example.test", "secret1", "cloud_existing_account_tab.png")
            w.screenshot("cloud_sign_in_complete.png")
            self.assert_registered(w)
            w.click(*FINISH)
            self.assertEqual(w.wait_exit(), 0)
        # The browser starts on its own, maybe after the program's end.
        wait_until(lambda: os.path.exists(opened), STEP_S, "the browser's start")
        with open(opened) as f:
            self.assertEqual(f.read(), "https://www.olvaris.invalid/\n")

    def test_b_sign_up(self):
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            self.to_cloud_page(w)
            w.type_cloud_form("new@example.test", "fresh-pw9", "cloud_sign_up_typed.png")
            w.wait_log(" Go to SignUp complete", CLOUD_FLOW_S)
            w.screenshot("cloud_verification_popup.png")
            w.click(*POPUP_OK)
            w.wait_log("After the cloud step: completion page")
            self.assertEqual([r["status"] for r in self.requests("/signup")], [302])
            self.assert_registered(w)

    def test_c_device_add_refused(self):
        self.set_control({"deviceAdd": {"status": 400, "body": {"error": {"message": REFUSAL}}}})
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            self.to_cloud_page(w)
            w.click(*CLOUD_EXISTING_ACCOUNT)
            w.type_cloud_form("ann@example.test", "secret1", "cloud_refused_typed.png")
            w.wait_log("[SignIn] errorMsg:", 40)
            time.sleep(1.0)
            w.screenshot("cloud_sign_in_error_popup.png")
            w.click(*POPUP_OK)
            # OK starts both flows again on the same site.
            w.wait_log("[SignIn][GET] SignInPage Success Code :", CLOUD_FLOW_S, count=2)
            self.assertEqual(len(self.requests("/oauth/authorize")), 2)
            self.assertEqual(self.requests("/me/user/info"), [])
            self.assertEqual(self.register_bits(), [])

    def test_d_no_thanks(self):
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            self.to_cloud_page(w)
            w.click_for_popup(CLOUD_NO_THANKS)
            w.screenshot("cloud_no_thanks_popup.png")
            w.click(*SKIP_NEXT)
            w.wait_log("After the cloud step: completion page")
            time.sleep(1.0)
            w.screenshot("cloud_skipped_complete.png")
            self.assertEqual(self.requests("/me/device/add"), [])
            self.assertEqual(self.register_bits(), [])

    def test_e_untrusted_service(self):
        self.lab.set_hosts(dict(self.hosts, **{API_HOST: FAKE_IP}))
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            self.to_cloud_page(w, reached="open msgbox : \"untrustedCloudServiceWarning\"")
            w.screenshot("cloud_untrusted_popup.png")
            # The sign-in page failed the same way: no general failure popup over this one.
            w.assert_logged('open msgbox : "cloudServiceFailedWarning"', present=False)
        records = read_record(self.fake_record)
        self.assertTrue(records, "the wizard never tried the service")
        self.assertEqual([r for r in records if "method" in r], [], "a request reached the untrusted service")

    def test_f_portal_not_the_cloud(self):
        for portal, record in (("http://%s/" % PORTAL_HOST, self.plain_record),
                               ("https://%s/" % OTHER_HOST, self.other_record)):
            with self.subTest(portal=portal):
                self.camera_with(portal=portal)
                with Wizard(BUILD_DIR, lab=self.lab) as w:
                    self.to_cloud_page(w, reached="checkOpenAPIUriInfoConnection() popupConfigNetworkWarning()")
                    w.screenshot("cloud_portal_refused.png")
                    self.assertIn("OpenAPI request not sent", w.log_text())
                self.assertEqual(read_record(record), [], "a request reached " + portal)
                self.assertEqual(self.requests("/me/device/add"), [])
        # The sign-in page sends the browser to plain HTTP: not followed, the cloud failure popup.
        self.camera_with()
        self.set_control({"authorizeTo": "http://%s/login" % PORTAL_HOST})
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            self.to_cloud_page(w, reached='open msgbox : "cloudServiceFailedWarning"')
            w.screenshot("cloud_redirect_refused.png")
        self.assertEqual(read_record(self.plain_record), [])

    def test_g_injected_token(self):
        self.set_control({"tokens": {"Teve": "eve@example.test"}})
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            self.to_cloud_page(w)
            w.click(*CLOUD_EXISTING_ACCOUNT)
            injector = self.lab.pc(["python3", "-c", INJECT], stdout=subprocess.PIPE, text=True)
            self.assertEqual(injector.communicate(timeout=30)[0].split(), ["404"] * 3)
            time.sleep(2.0)
            self.assertEqual(self.requests("/me/device/add"), [])
            self.assertEqual(self.register_bits(), [])
            # The genuine sign-in still works, with its own account.
            w.type_cloud_form("ann@example.test", "secret1", "cloud_after_injection.png")
            w.wait_log(" Go to SignIn complete", 40)
            self.assert_registered(w)
            self.assertNotIn("Teve", json.dumps(read_record(self.cloud_record)[self.first_record:]))
            self.assertNotIn("Teve", w.log_text())
            self.assertNotIn("ann@example.test", w.log_text())

    def test_h_silent_or_huge_step(self):
        # One step that never answers, then one whose answer is far too large: the overlay goes, the popup comes.
        for control, path, status in (({"hang": ["/me/device/add"]}, "/me/device/add", "hung"),
                                      ({"huge": ["/me/user/info"]}, "/me/user/info", 200)):
            with self.subTest(step=path, status=status):
                self.camera_with()
                self.set_control(control)
                self.first_record = len(read_record(self.cloud_record))
                with Wizard(BUILD_DIR, lab=self.lab) as w:
                    self.to_cloud_page(w)
                    w.click(*CLOUD_EXISTING_ACCOUNT)
                    w.type_cloud_form("ann@example.test", "secret1", "cloud_silent_typed.png")
                    w.wait_log("content!!")
                    sent = time.monotonic()
                    w.wait_log('open msgbox : "cloudServiceFailedWarning"', 40)
                    self.assertLess(time.monotonic() - sent, 25)
                    time.sleep(0.5)
                    w.screenshot("cloud_step_failed_popup.png")
                self.assertEqual([r["status"] for r in self.requests(path)], [status])
                self.assertEqual(self.register_bits(), [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
