#!/usr/bin/env python3
"""The cloud step of the real wizard in the lab, driven by clicks and typing. Each road goes
Start -> licence -> guide (Skip) -> the camera in the table -> name and password -> the setup
checks -> the cloud page, then: (a) "Existing Account" and a sign-in typed into the service's
form, (b) a new account typed into the sign-up form, (c) a sign-in whose device add the
service refuses, (d) "No, thanks", (e) an API site whose certificate is not the lab's, (f) a
camera whose portal, or a sign-in page whose redirect, is not the cloud service over https, (g) a token sent to the redirect
listener by another local process, (h) a cloud service that never answers the device add, or
answers the account information with 4 MiB, (i) the sign-in and sign-up pages reporting what their main
frame offers a script, (j) a page that changes its address 10,000 times, (k) a page script that loops on
alert() while the person closes the window, (l) a sign-in page that sends itself through the service's
authorize address again and again, (m) a page that clicks a file input on the person's click, (n) a sign-in the
service remembers, its token sent through a second redirect.
camsim restarts for every road, so each starts with an unregistered camera.
"""

import json
import os
import subprocess
import time
import unittest

from cloudroad import (API_HOST, BUILD_DIR, PASSWORD, CloudRoad, FAKE_IP, OTHER_HOST, PORTAL_HOST, POPUP_OK,
                       SKIP_NEXT, read_record)
from wizard import (CLOUD_EXISTING_ACCOUNT, CLOUD_FLOW_S, CLOUD_FORM_EMAIL, CLOUD_NO_THANKS, EXIT_POPUP_YES, FINISH,
                    POPUP_MADE, STEP_S, Wizard, wait_until)

CLIENT_ID = "7f4c1e92ab0d4c63b8e5a2f9d61c0b47"  # the wizard's, as the service knows it
REFUSAL = "Diese Kamera gehört schon zu einem anderen Konto"
PAGES = {"/login", "/me/user/add_dialog"}  # the sign-in and sign-up pages' paths

# What the main frame offers a page's own script, sent back to the service as a picture's address.
TYPES = ("new Image().src = '/tp/report?page=' + location.pathname + '&ws=' + typeof WebSocket +"
         " '&worker=' + typeof Worker + '&shared=' + typeof SharedWorker;")
HASHES = 10000
# The sign-in page changes its address HASHES times, a hundred at a time, then reports.
HASH_FLOOD = ("if (location.pathname == '/login') { var n = 0; (function step() {"
              " for (var i = 0; i < 100; i++) location.hash = 'h' + n++;"
              " if (n < %d) setTimeout(step, 0); else new Image().src = '/tp/report?hashes=' + n; })(); }" % HASHES)
ALERTS = "for (;;) alert('Your session has expired. Call +1 555 0100 now.');"
# The sign-in page goes through the wizard's own authorize address (its 302 to the page) RELOADS times,
# then reports.
RELOADS = 40
RELOAD_LOOP = ("if (location.pathname == '/login') { var n = +(window.name || 0);"
               " var p = function (k) { return location.search.match(new RegExp(k + '=([^&]*)'))[1]; };"
               " if (n < %d) { window.name = n + 1; location = '/oauth/authorize?client_id=%s&redirect_uri='"
               " + p('redirect_uri') + '&response_type=token&scope=basic&dtype=wizard&state=' + p('state')"
               " + '&lang=' + p('lang'); } else new Image().src = '/tp/report?loads=' + n; }" % (RELOADS, CLIENT_ID))
# On the person's click the page clicks a file input of its own.
FILE_INPUT = ("var f = document.createElement('input'); f.type = 'file'; document.body.appendChild(f);"
              " document.addEventListener('click', function () { f.click(); });")
SIGN_IN_REACHED = "[SignIn][GET] SignInPage Success Code :"
IN_FULL = 16  # lines a page can repeat, logged in full before they are counted

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


    def test_i_no_sockets_in_the_main_frame(self):
        self.set_control({"script": TYPES})
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            self.to_cloud_page(w)
            w.click(*CLOUD_EXISTING_ACCOUNT)
            reports = wait_until(lambda: {r["query"]["page"]: r["query"] for r in self.requests("/tp/report")}
                                 if PAGES <= {r["query"].get("page") for r in self.requests("/tp/report")} else None,
                                 STEP_S, "the reports of both pages")
        for page in PAGES:
            self.assertEqual({k: reports[page][k] for k in ("ws", "worker", "shared")},
                             {"ws": "undefined", "worker": "undefined", "shared": "undefined"}, page)

    def test_j_address_changes_do_not_flood_the_log(self):
        self.set_control({"script": HASH_FLOOD})
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            w.to_setup_page()
            startup = w.log_text().splitlines()[:20]
            before = self.log_bytes(w)
            w.set_up_camera(PASSWORD, name="Porch", new=True)
            w.click(*CLOUD_EXISTING_ACCOUNT)
            report = wait_until(lambda: self.requests("/tp/report"), CLOUD_FLOW_S, "the page's report of its changes")
            time.sleep(1.5)  # the count of the last second
            grown = self.log_bytes(w) - before
            first = os.path.join(w.dir, "log.first.txt")
            with open(first if os.path.exists(first) else os.path.join(w.dir, "log.txt"), encoding="utf-8",
                      errors="replace") as f:
                first_lines = f.read().splitlines()[:len(startup)]
        print("%s address changes: the log grew by %d bytes" % (report[0]["query"]["hashes"], grown))
        self.assertEqual(report[0]["query"]["hashes"], str(HASHES))
        self.assertEqual(first_lines, startup)
        self.assertLess(grown, 100 * 1024)

    def test_l_a_page_loading_itself_again_is_counted(self):
        self.set_control({"script": RELOAD_LOOP})
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            self.to_cloud_page(w)
            report = wait_until(lambda: self.requests("/tp/report"), CLOUD_FLOW_S, "the page's report of its loads")
            reached = w.log_text().count(SIGN_IN_REACHED)
        print("%s loads of the sign-in page: %d lines of it" % (report[0]["query"]["loads"], reached))
        self.assertEqual(report[0]["query"]["loads"], str(RELOADS))
        self.assertLessEqual(reached, IN_FULL)

    @staticmethod
    def log_bytes(w):
        return sum(os.path.getsize(os.path.join(w.dir, n)) for n in os.listdir(w.dir) if n.startswith("log"))

    def test_k_closed_beside_an_alert_loop(self):
        self.set_control({"script": ALERTS})
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            self.to_cloud_page(w)
            wait_until(lambda: PAGES <= {r.get("path") for r in read_record(self.cloud_record)[self.first_record:]
                                         if r.get("status") == 200}, STEP_S, "both pages sent")
            time.sleep(1.0)  # their scripts run
            asked = time.monotonic()
            made = w.log_text().count(POPUP_MADE)
            w.close_window()
            w.wait_log(POPUP_MADE, STEP_S, count=made + 1)
            w.settle()
            w.screenshot("cloud_alert_loop_exit_popup.png")
            w.click(*EXIT_POPUP_YES)
            self.assertEqual(w.wait_exit(STEP_S), 0)
        print("closed %.1f s after the request" % (time.monotonic() - asked))

    def test_m_no_window_from_a_file_input(self):
        self.set_control({"script": FILE_INPUT})
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            self.to_cloud_page(w)
            windows = w.find_windows(".*")
            w.click(*CLOUD_FORM_EMAIL)
            w.wait_log("Page file chooser not opened")
            time.sleep(1.0)  # a window would be shown by now
            self.assertEqual(w.find_windows(".*"), windows)
            made = w.log_text().count(POPUP_MADE)
            w.close_window()
            w.wait_log(POPUP_MADE, STEP_S, count=made + 1)
            w.settle()
            w.click(*EXIT_POPUP_YES)
            self.assertEqual(w.wait_exit(STEP_S), 0)

    def test_n_signed_in_by_a_second_redirect(self):
        # The authorize address leads to an address of the service that sends the token on at once.
        self.set_control({"authorizeTo": "/session"})
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            w.to_setup_page()
            w.set_up_camera(PASSWORD, name="Porch", new=True, reached=" Go to SignIn complete")
            self.assert_registered(w)


if __name__ == "__main__":
    unittest.main(verbosity=2)
