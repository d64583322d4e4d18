#!/usr/bin/env python3
"""The self-update and the picture sprites, driven by clicks on the real program in the lab.

The lab's Internet serves the probe site and a catalogue naming v2.00.11 with both sprites
(tests/tools/netsim/netsim.py), and the update service with its description and an installer
(tests/tools/netsim/updatesim.py). The installer is a shell script that writes a marker file.
The program's temporary folder (TMPDIR) is the test's, so the clips can be looked at.
Screenshots go to <build>/screenshots/update_*.png.
"""

import glob
import hashlib
import json
import os
import shutil
import subprocess
import sys
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE_DIR = os.environ.get("SOURCE_DIR", os.path.dirname(os.path.dirname(HERE)))
BUILD_DIR = os.environ.get("BUILD_DIR", os.path.join(SOURCE_DIR, "build"))
TOOLS = os.path.join(SOURCE_DIR, "tests", "tools", "netsim")
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(SOURCE_DIR, "tests", "lab"))
sys.path.insert(0, TOOLS)
import lab as labmod  # noqa: E402
import updatesim  # noqa: E402
import pictures  # noqa: E402
from pictures import colour_of, pixels  # noqa: E402
from wizard import MODEL_LIST, WELCOME_START, Wizard  # noqa: E402

NETSIM = os.path.join(TOOLS, "netsim.py")
UPDATESIM = os.path.join(TOOLS, "updatesim.py")
CATALOGUE = os.path.join(SOURCE_DIR, "tests", "data", "catalogue", "tolmwizard.json")
PROBE_IP, CATALOGUE_IP, UPDATE_IP = "10.254.1.80", "10.254.1.43", "10.254.1.44"
PROBE_HOST, CATALOGUE_HOST, UPDATE_HOST = "www.example.com", "catalog.tolmwizard.invalid", "update.tolmwizard.invalid"
# Named as on Windows, so that the old-installer rules apply; a script starts all the same.
INSTALLER_NAME = "TolmSetupWizard_v2.00.11.exe"
INSTALLER_PATH = "/files/" + INSTALLER_NAME

# Places in the main window (800 x 650; popups of 618 x 300 centred at (91, 175)).
POPUP_RIGHT = (91 + 480 + 55, 175 + 200 + 12)
POPUP_CLOSE = (91 + 590 + 6, 175 + 15 + 6)
PANEL_AREA = (701, 301, 49, 245)   # w, h, x, y

OFFERED = "URL_EXE:"
POPUP_MADE = "MessageBoxPage Constructor Initializing"


class UpdateLab:
    """The lab with its Internet side, the folders the test looks at and the installer."""

    def __init__(self, lab):
        self.lab = lab
        self.dir = lab.workdir
        self.tmp = os.path.join(self.dir, "tmp")
        self.save = os.path.join(self.dir, "Save here")
        self.marker = os.path.join(self.dir, "installer-started")
        self.control = os.path.join(self.dir, "update-control.json")
        self.log = os.path.join(self.dir, "update-requests.jsonl")
        self.catalogue_log = os.path.join(self.dir, "catalogue-requests.jsonl")
        catalogue_data = os.path.join(self.dir, "catalogue")
        update_data = os.path.join(self.dir, "update")
        for folder in (self.tmp, self.save, catalogue_data, update_data):
            os.makedirs(folder)

        with open(CATALOGUE, encoding="utf-8") as f:
            self.catalogue = json.load(f)
        self.catalogue["TolmWizardLatestVersion"] = "v2.00.11"
        self.catalogue["TolmWizardWindowsUpdateURI"] = "https://%s/wizard/?version" % UPDATE_HOST
        with open(os.path.join(catalogue_data, "tolmwizard.json"), "w", encoding="utf-8") as f:
            json.dump(self.catalogue, f)
        pictures.draw_sprites(self.catalogue, catalogue_data)

        entries = [{"Model": "VKC-2100", "Version": "v9.0", "URL_EXE": "https://%s/files/camera.bin" % UPDATE_HOST},
                   {"Model": "TolmSetupWizard", "Version": "v2.00.11",
                    "URL_EXE": "https://%s%s" % (UPDATE_HOST, INSTALLER_PATH)}]
        with open(os.path.join(update_data, "description.json"), "w", encoding="utf-8") as f:
            json.dump({"OS": {"Window": {"Edition": {"ALL": entries}}}}, f)
        # A script with some weight, so that a cut or a padded copy shows.
        filler = "".join("# %s\n" % hashlib.sha256(str(i).encode()).hexdigest() for i in range(3000))
        self.installer = ("#!/bin/sh\necho \"$0\" > '%s'\n%s" % (self.marker, filler)).encode()
        with open(os.path.join(update_data, INSTALLER_NAME), "wb") as f:
            f.write(self.installer)
        self.set_installer({})

        for ip in (PROBE_IP, CATALOGUE_IP, UPDATE_IP):
            lab.add_cam_address(ip)
        lab.set_hosts({PROBE_HOST: PROBE_IP, CATALOGUE_HOST: CATALOGUE_IP, UPDATE_HOST: UPDATE_IP})
        cert, key = lab.issue_cert([CATALOGUE_HOST])
        self.start(lab, [NETSIM, "--data", catalogue_data, "--probe", PROBE_IP + ":80",
                         "--https", CATALOGUE_IP + ":443", "--cert", cert, "--key", key, "--log", self.catalogue_log])
        cert, key = lab.issue_cert([UPDATE_HOST])
        self.start(lab, [UPDATESIM, "serve", "--data", update_data, "--https", UPDATE_IP + ":443", "--cert", cert,
                         "--key", key, "--control", self.control, "--log", self.log])

    @staticmethod
    def start(lab, cmd):
        server = lab.cam(["python3"] + cmd, stdout=subprocess.PIPE, text=True)
        ready = server.stdout.readline().strip()
        server.stdout.close()
        if ready != "ready":
            raise RuntimeError("%s did not start" % cmd[0])

    def set_installer(self, rule):
        """How the installer is answered: a rule of updatesim (mode, ...); {} answers it whole."""
        rules = [{"path": "/wizard/", "file": "description.json"}]
        if rule:
            rules.append(dict(rule, path=INSTALLER_PATH, file=INSTALLER_NAME))
            rules += rule.get("extra", [])
        with open(self.control, "w", encoding="utf-8") as f:
            json.dump({"update": rules}, f)

    def requests(self, log=None):
        """Paths asked of the update service (or of the server whose log is given)."""
        try:
            with open(log or self.log, encoding="utf-8") as f:
                return [json.loads(line)["path"] for line in f if line.strip()]
        except FileNotFoundError:
            return []

    def saved_installer(self):
        return os.path.join(self.save, INSTALLER_NAME)


class UpdateRoads(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        reason = labmod.unavailable_reason()
        if reason:
            raise unittest.SkipTest(reason)

    def setUp(self):
        self.lab = labmod.Lab(internet=True).start()
        self.addCleanup(self.lab.close)
        self.net = UpdateLab(self.lab)
        saved = os.environ.get("TMPDIR")
        os.environ["TMPDIR"] = self.net.tmp
        self.addCleanup(lambda: os.environ.pop("TMPDIR") if saved is None else os.environ.update(TMPDIR=saved))

    def start_to_offer(self):
        w = Wizard(BUILD_DIR, lab=self.lab)
        self.addCleanup(w.stop)
        w.wait_window()
        self.main = w.window
        w.click(*WELCOME_START)
        w.wait_log("Got New Version of Tlom Wizard", 15)
        w.wait_log(OFFERED, 10)
        w.wait_log(POPUP_MADE, 5)
        time.sleep(0.5)
        return w

    def choose_folder(self, w, folder):
        """Update, then the folder typed into the dialog and taken with Return, as a person would."""
        w.click(*POPUP_RIGHT)
        end = time.monotonic() + 10
        dialogs = []
        while not dialogs and time.monotonic() < end:
            time.sleep(0.3)
            dialogs = [d for d in w.find_windows(".*") if d != self.main]
        self.assertTrue(dialogs, "no folder dialog")
        w.window = dialogs[-1]
        time.sleep(0.5)
        w.screenshot("update_folder_dialog.png")
        w.key("ctrl+a")
        w.type_text(folder)
        w.key("Return")
        w.wait_window_gone(w.window)
        w.window = self.main

    def assert_clips(self):
        """Both sprites were cut into the clip folders of the run's own picture folder: each clip
        holds its own cell."""
        [own] = glob.glob(os.path.join(self.net.tmp, "tolmwizard-*"))
        for folder, key, rows in (("assemble_image_clip", "AssembleImages", pictures.ASSEMBLE_ROWS),
                                  ("device_icon_clip", "DeivceIcons", pictures.ICON_ROWS)):
            names = {n for row in rows for n in self.net.catalogue[key][row].split(",")}
            clips = sorted(os.listdir(os.path.join(own, folder)))
            self.assertEqual(clips, sorted(n + ".png" for n in names))
            for name in names:
                self.assertEqual(pixels(os.path.join(own, folder, name + ".png"), (1, 1, 2, 2)),
                                 [colour_of(name)], name)

    def test_update_downloads_and_starts_the_installer(self):
        self.net.set_installer({"mode": "trickle", "chunks": 4, "delay": 0.7})
        w = self.start_to_offer()
        w.screenshot("update_offer.png")
        self.choose_folder(w, self.net.save)
        w.wait_log("download Tlom Wizard url :", 5)
        time.sleep(0.8)
        w.screenshot("update_downloading.png")
        w.wait_log("checkWizardUpdateTimer stop at", 15)
        w.screenshot("update_downloaded.png")
        with open(self.net.saved_installer(), "rb") as f:
            self.assertEqual(f.read(), self.net.installer)
        self.assertEqual(os.listdir(self.net.save), [INSTALLER_NAME])
        self.assert_clips()

        w.click(*POPUP_RIGHT)
        self.assertEqual(w.wait_exit(15), 0)
        end = time.monotonic() + 10
        while not os.path.exists(self.net.marker) and time.monotonic() < end:
            time.sleep(0.1)
        with open(self.net.marker, encoding="utf-8") as f:
            self.assertEqual(f.read().strip(), self.net.saved_installer())
        log = w.log_text()
        self.assertIn("02 autorun_success true", log)
        self.assertIn("04 QCoreApplication::exit()", log)
        self.assertEqual(glob.glob(os.path.join(self.net.tmp, "tolmwizard-*")), [], "picture folder left behind")

    def test_stuck_old_installer_asks_for_another_folder(self):
        stuck = os.path.join(self.net.save, INSTALLER_NAME)
        os.makedirs(os.path.join(stuck, "in use"))
        other = os.path.join(self.net.dir, "Other folder")
        os.makedirs(other)
        w = self.start_to_offer()
        self.choose_folder(w, self.net.save)
        w.wait_log("remove failed ...", 5)
        w.wait_log(POPUP_MADE, 5, count=2)
        time.sleep(0.5)
        w.screenshot("update_path_error.png")
        self.choose_folder(w, other)
        w.wait_log("checkWizardUpdateTimer stop at", 15)
        with open(os.path.join(other, INSTALLER_NAME), "rb") as f:
            self.assertEqual(f.read(), self.net.installer)
        self.assertTrue(os.path.isdir(stuck))
        self.assertIn('change directory to : "%s"' % self.net.save, w.log_text())

    def test_broken_downloads_write_nothing(self):
        loop = [{"path": "/loop/a", "mode": "redirect", "location": INSTALLER_PATH}]
        cases = {
            "404": {"mode": "error", "status": 404},
            "redirect_loop": {"mode": "redirect", "location": "/loop/a", "extra": loop},
            "truncated": {"mode": "truncate"},
        }
        for name, rule in cases.items():
            with self.subTest(name):
                self.net.set_installer(rule)
                w = self.start_to_offer()
                self.choose_folder(w, self.net.save)
                w.wait_log("installer not downloaded", 15)
                w.wait_log(POPUP_MADE, 5, count=2)
                w.screenshot("update_error_%s.png" % name)
                self.assertEqual(os.listdir(self.net.save), [])

                # Retry once the service answers again: the same file is fetched whole.
                self.net.set_installer({})
                w.click(*POPUP_RIGHT)
                w.wait_log("checkWizardUpdateTimer stop at", 15)
                with open(self.net.saved_installer(), "rb") as f:
                    self.assertEqual(f.read(), self.net.installer)
                w.stop()
                os.remove(self.net.saved_installer())

    def test_cancel_goes_on_with_this_wizard(self):
        w = self.start_to_offer()
        w.click(*POPUP_CLOSE)
        w.wait_log("Url Get from Tolmwizard.json", 5)
        w.wait_log("isBinding =  true", 5, count=2)
        time.sleep(0.8)
        w.screenshot("update_cancel_licence.png")
        self.assertEqual(self.net.requests(), ["/wizard/?version"])

        # The guide shows the pictures cut from the downloaded sprite.
        w.agree()
        w.choose(MODEL_LIST, "VKC-5010W", '04 mockup : "5"')
        shot = w.screenshot("update_guide_pictures.png")
        shown = pixels(shot, PANEL_AREA)
        camera = next(c for c in self.net.catalogue["Cameras"] if c["Model"] == "VKC-5010W")
        for name in camera["ConnectionType"][0]["5"].split(","):
            self.assertGreater(shown.count(colour_of(name)), 164 * 164 // 2, name)
        self.assert_clips()


if __name__ == "__main__":
    unittest.main(verbosity=2)
