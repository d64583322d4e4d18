#!/usr/bin/env python3
"""The cloud step of the real wizard in the lab, driven by clicks and typing. Each road goes
Start -> licence -> guide (Skip) -> the camera in the table -> name and password -> the setup
checks -> the cloud page, then: (a) "Existing Account" and a sign-in typed into the service's
form, first with the network dropped (the failure popup), then from the same tab once it is back, the network
dropped again and the camera silent once the service has it (the popup of a camera not registered), then the
same tab once both are back, which asks the camera again,
(b) a new account typed into the sign-up form, (c) a sign-in whose device add the
service refuses, (d) "No, thanks", (e) an API site whose certificate is not the lab's, (f) a
camera whose portal, or a sign-in page whose redirect, is not the cloud service over https, (g) a token sent to the redirect
listener by another local process, (h) a cloud service that never answers the device add, or
answers the account information with 4 MiB, (i) the sign-in and sign-up pages reporting what their main
frame offers a script, (j) a page that changes its address 10,000 times, (k) a page script that loops on
alert() while the person closes the window, (l) a sign-in page that sends itself through the service's
authorize address again and again, (m) both pages using a sandboxed frame's WebSocket, a worker's and its
media player, on a LAN host and on the PC's loopback, (n) a page script that answers the person's clicks into
the form by clicking links to the redirect listener, by its address and by a name that leads there, with
another account's token, (o) a page that clicks a file input on the person's click, (p) a sign-in the service
remembers, its token sent through a second redirect.
camsim restarts for every road, so each starts with an unregistered camera.
"""

import json
import os
import signal
import subprocess
import time
import unittest
import urllib.parse

from cloudroad import (API_HOST, BUILD_DIR, CAMERA_IP, FAILED, PASSWORD, CloudRoad, FAKE_IP, OTHER_HOST, PORTAL_HOST,
                       POPUP_OK, SKIP_NEXT, read_record)
from wizard import (CLOUD_EXISTING_ACCOUNT, CLOUD_FLOW_S, CLOUD_FORM_EMAIL, CLOUD_NO_THANKS, EXIT_POPUP_YES, FINISH,
                    POPUP_MADE, STEP_S, Wizard, first_line, wait_until)

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
# A sandboxed frame runs no script of its own; the page uses its constructors, then reports the states of
# its two WebSockets (3: closed) and how many of the workers' closed, once all did or after 10 s. Each page
# reports at an address of its own: the engine asks once for an address another page is still loading.
SANDBOXED_SOCKETS = (
    "var f = document.createElement('iframe'); f.setAttribute('sandbox', 'allow-same-origin');"
    " document.body.appendChild(f); var w = f.contentWindow, s = [], k = 0, n = 0;"
    " ['%s', '127.0.0.1'].forEach(function (h) { var c = new MessageChannel();"
    " c.port1.onmessage = function () { k++; }; s.push(new w.WebSocket('wss://' + h + ':9443/'));"
    " try { new w.Audio('rtsp://' + h + ':9443/').play(); } catch (e) {}"
    " new w.Worker(URL.createObjectURL(new Blob([\"onmessage = function (m) { new WebSocket('wss://\" + h +"
    " \":9443/').onclose = function () { m.ports[0].postMessage(0); }; };\"]))).postMessage(0, [c.port2]); });"
    " var t = setInterval(function () { var r = [s[0].readyState, s[1].readyState, k];"
    " if (++n < 100 && r.join() != '3,3,2') return; clearInterval(t);"
    " new Image().src = '/tp/report?page=' + location.pathname + '&closed=' + r; }, 100);" % CAMERA_IP)
# Notes each connection to port 9443 of the address given.
RECORDER = ("import socket, sys\ns = socket.create_server((sys.argv[2], 9443))\nprint('ready', flush=True)\n"
            "while True: open(sys.argv[1], 'a').write('%s:%d\\n' % s.accept()[1])")
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

# On each of the person's first clicks into a form the page's script clicks a link to the listener with another
# account's token and the flow's state: by its address, then by a name the lab resolves to it.
REBIND_HOST = "help.example.net"
LINK_CLICKS = ("(function () { var state = document.querySelector('input[name=state]').value;"
               " var hosts = ['127.0.0.1', '%s'];"
               " document.addEventListener('click', function (e) { if (e.target.tagName == 'A' || !hosts.length) return;"
               " var a = document.createElement('a');"
               " a.href = 'http://' + hosts.shift() + ':5979/?access_token=Teve&state=' + state;"
               " document.body.appendChild(a); a.click(); }, true); })();" % REBIND_HOST)
# The system browser: a plain GET of the address it is given, noted with its answer.
BROWSER = """#!/usr/bin/env python3
import json, sys, urllib.request
try:
    with urllib.request.build_opener(urllib.request.ProxyHandler({})).open(sys.argv[1], timeout=10) as r:
        answer = [r.status, r.read(4096).decode("utf-8", "replace")]
except Exception as e:
    answer = [getattr(e, "code", 0), str(e)]
with open(RECORD, "a") as f:
    f.write(json.dumps({"url": sys.argv[1], "answer": answer}) + "\\n")
"""


def fake_browser(test, script):
    """xdg-open on the PATH of the wizards the test starts is script, RECORD in it the name of a file of the test's
    own, which is returned."""
    opened = os.path.join(test.lab.workdir, test.id().rsplit(".", 1)[-1] + ".opened")
    browser = os.path.join(test.lab.workdir, "browser-" + test.id().rsplit(".", 1)[-1])
    os.makedirs(browser, exist_ok=True)
    with open(os.path.join(browser, "xdg-open"), "w") as f:
        f.write(script.replace("RECORD", repr(opened)))
    os.chmod(os.path.join(browser, "xdg-open"), 0o755)
    test.addCleanup(os.environ.__setitem__, "PATH", os.environ["PATH"])
    os.environ["PATH"] = browser + ":" + os.environ["PATH"]
    return opened


class CloudStep(CloudRoad):
    def test_a_sign_in(self):
        # The browser is a script that notes the address it is given.
        opened = fake_browser(self, '#!/bin/sh\necho "$@" > RECORD.new && mv RECORD.new RECORD\n')
        with Wizard(BUILD_DIR, lab=self.lab, texts=True) as w:
            self.to_cloud_page(w)
            w.screenshot("cloud_new_account_tab.png")
            w.click(*CLOUD_EXISTING_ACCOUNT)
            w.settle()
            self.lab.set_pc_link("veth0", False)
            w.type_cloud_form("ann@example.test", "secret1")
            w.snap("cloud_sign_in_network_dropped.png", FAILED, CLOUD_FLOW_S)
            w.click(*POPUP_OK)
            self.lab.set_pc_link("veth0", True)
            # The tab chosen again loads its page anew: the person signs in from there, without Back.
            w.click(*CLOUD_EXISTING_ACCOUNT)
            w.wait_log(SIGN_IN_REACHED, count=2)
            w.settle()
            # The camera stops answering, and once the service has it the network drops: the wait for its register
            # bit ends in a popup. Once both are back, the same tab asks the camera again, not the service.
            os.kill(self.camsim.pid, signal.SIGSTOP)
            try:
                w.type_cloud_form("ann@example.test", "secret1", "cloud_existing_account_tab.png")
                w.wait_log("[SignIn] Got QueryTokenAccountInfo", CLOUD_FLOW_S)
                self.lab.set_pc_link("veth0", False)
                w.snap("cloud_camera_not_registered.png", 'open msgbox : "cameraNotRegisteredWarning"', 30 + STEP_S)
                shown = [t["text"] for t in w.texts() if t["name"] == "msgBoxContent_Label"]
                self.assertIn('click "Existing Account" to try again', shown[-1])
                # The view under it says nothing, no "Done" that the popup belies.
                self.assertEqual(w.view_texts(), [""])
                self.lab.set_pc_link("veth0", True)
            finally:
                os.kill(self.camsim.pid, signal.SIGCONT)
            w.click_named("msgBoxRightBtn_Button")
            w.click(*CLOUD_EXISTING_ACCOUNT)
            w.wait_log(" Go to SignIn complete", CLOUD_FLOW_S)
            w.wait_log("After the cloud step:")
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
            self.assertEqual(injector.communicate(timeout=30)[0].split(), ["200"] * 3)  # sent back to the wizard
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

    def test_m_no_sockets_from_a_sandboxed_frame(self):
        recorded = os.path.join(self.lab.workdir, "sockets.txt")
        open(recorded, "w").close()
        for side, host in ((self.lab.cam, CAMERA_IP), (self.lab.pc, "127.0.0.1")):
            recorder = side(["python3", "-c", RECORDER, recorded, host], stdout=subprocess.PIPE, text=True)
            self.assertEqual(first_line(recorder, "the recorder on " + host), "ready")
        self.set_control({"script": SANDBOXED_SOCKETS})
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            self.to_cloud_page(w)
            wait_until(lambda: PAGES <= {r["query"].get("page") for r in self.requests("/tp/report")}, STEP_S,
                       "the reports of both pages")
            self.assertEqual({r["query"]["closed"] for r in self.requests("/tp/report")}, {"3,3,2"})
            with open(recorded) as f:
                self.assertEqual(f.read(), "", "an engine socket connected")
            w.sign_in("ann@example.test", "secret1")
            self.assert_registered(w)

    def test_n_page_links_to_the_listener(self):
        opened = fake_browser(self, BROWSER)
        self.lab.set_hosts(dict(self.hosts, **{REBIND_HOST: "127.0.0.1"}))
        self.set_control({"tokens": {"Teve": "eve@example.test"}, "script": LINK_CLICKS})
        with Wizard(BUILD_DIR, lab=self.lab, texts=True) as w:
            self.to_cloud_page(w)
            w.sign_in("ann@example.test", "secret1", "cloud_links_to_the_listener_typed.png")
            self.assertEqual([r for r in self.requests("/me/device/add") if r["query"].get("access_token") == "Teve"],
                             [], "the camera was added to the other account")
            self.assert_registered(w)
            account = [t["text"] for t in w.texts() if t["name"] == "DSCPOlvarisAccount_Label" and t["text"]]
            self.assertEqual(account, ["ann@example.test"])
        # The address never reached the browser; the name did, and the listener only sent the person back.
        browsed = wait_until(lambda: read_record(opened) if os.path.exists(opened) else None, STEP_S, "the browser")
        self.assertEqual([urllib.parse.urlsplit(b["url"]).hostname for b in browsed], [REBIND_HOST])
        self.assertEqual(browsed[0]["answer"][0], 200)
        self.assertIn("Please return to the setup wizard", browsed[0]["answer"][1])
        self.assertNotIn("Teve", browsed[0]["answer"][1])

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

    def test_o_no_window_from_a_file_input(self):
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

    def test_p_signed_in_by_a_second_redirect(self):
        # The authorize address leads to an address of the service that sends the token on at once.
        self.set_control({"authorizeTo": "/session"})
        with Wizard(BUILD_DIR, lab=self.lab) as w:
            w.to_setup_page()
            w.set_up_camera(PASSWORD, name="Porch", new=True, reached=" Go to SignIn complete")
            self.assert_registered(w)


if __name__ == "__main__":
    unittest.main(verbosity=2)
