"""Every page and popup of the wizard in a group of languages, as a person sees them. For each
language a fresh wizard starts in that language (config.xml) in the lab: welcome page, Start,
licence, the guide in its states, discovery with one camera, the setup page; then every other page
shown alone, the completion page with the device summary and with the registered-camera summary,
and every popup opened by its slot (through the harness's test library). No text may be cut by its
room, its parents or the window, cover another text of its page or popup, be English where the
language translates it, or break its lines where a reader would not (screentexts.broken_lines).
Screens of SCREENSHOT_LANGUAGES are saved as layout_<language>_<screen>.png.

A group's test file: LayoutGroup1 = layoutcheck.case_for("LayoutGroup1", [...]), then unittest.main()."""

import os
import re
import time
import unittest

from wizard import (BUILD_DIR, CAMERA_LISTED, CAMERA_ROWS, GUIDE_NEXT, GUIDE_SKIP, LICENCE_SHOWN, SOURCE_DIR,
                    WELCOME_START, Wizard, catalogue_of, online_lab, start_camsim)
from screentexts import POPUPS, clipped, describe, english_left, line_breaks, translations

SCREENSHOT_LANGUAGES = ("el", "ru", "ja", "cs")
CAMERA = {"mac": "00:11:22:AA:BB:27", "model": "VKC-6100", "name": "Porch", "dcpVersion": "2.3", "registered": "0",
          "password": "campass1", "ip": "10.254.0.27", "network": {"23": "10.254.0.27"}}
MODELS = "cconnection_ComboBox"
TYPES = "CTypeMoreThanOne_ComboBox"

# Screens after the road, each the commands that bring it up.
GUIDE_SCREENS = [
    ("guide_one_type", ["choose %s VKC-2100" % MODELS]),
    ("guide_types", ["choose %s VKC-5020W" % MODELS]),
    ("guide_direct", ["choose %s #-1" % TYPES]),
    ("guide_access_point", ["choose %s VKC-5010W" % MODELS]),
    ("guide_prompt", ["choose %s #0" % MODELS]),
]
PAGE_SCREENS = [
    ("no_internet", ["show OppsPage"]),
    ("already_registered", ["show AlreadyRegisteredPage"]),
    ("cloud", ["show CloudServicesPage"]),
    ("wifi", ["show DeviceWiFiChangePage"]),
    ("wifi_wps", ["invoke DeviceWiFiChangePage pressWPSButton"]),
    ("wifi_list", ["invoke DeviceWiFiChangePage pressWiFiButton"]),
    ("access_point_join", ["show APModeHostToDevice"]),
    ("access_point_password", ["show APModeHostToDevicePasswordVerify"]),
    ("access_point_network", ["show APModeDeviceToRouter"]),
    ("access_point_home", ["show APModeHostToRouter"]),
    ("local_connection", ["show ConnectionTypeLocalView"]),
    ("summary_device", ["invoke AlreadyRegisteredPage setupCompleteInfo", "visible DSCPShortcutCheck_CheckBox true",
                        "show DeviceSetupCompletePage"]),
    ("summary_account", ["invoke CloudServicesPage setupCompleteInfo", "visible DSCPShortcutCheck_CheckBox false",
                         "show DeviceSetupCompletePage"]),
]


def popup_screens():
    for page, popups in POPUPS.items():
        for popup in popups:
            slot, argument = popup if isinstance(popup, tuple) else (popup, "")
            name = "popup_%s_%s%s" % (page, slot, re.sub(r"\W", "", argument))
            yield name, ["invoke %s %s %s" % (page, slot, argument)], ["close"]


class LayoutCase(unittest.TestCase):
    LANGUAGES = []

    @classmethod
    def setUpClass(cls):
        cls.lab, _, _ = online_lab(cls, catalogue=catalogue_of("VKC"))
        cls.camsim, _ = start_camsim(cls.lab, [CAMERA], "layout", 590)
        cls.addClassCleanup(cls.camsim.terminate)

    def setUp(self):
        self.failures, self.seen = [], set()

    def check(self, code, screen, texts):
        """Adds what is wrong on the screen, once a language (the page under a popup shows again)."""
        found = ["English left: " + line for line in english_left(texts, self.table, code)]
        found += [describe(item) for item in texts if clipped(item)]
        found += line_breaks(texts, code)
        for fault in found:
            if fault not in self.seen:
                self.seen.add(fault)
                self.failures.append("%s %s: %s" % (code, screen, fault))

    def screens(self, w, code, screens):
        """Brings up each (name, commands[, after]) and checks it: one request for all, or one a screen
        with its screenshot."""
        shots = code in SCREENSHOT_LANGUAGES
        requests, targets = [], []
        for screen in screens:
            name, commands, after = (screen + ([],))[:3]
            target = os.path.join(w.dir, "layout_%s.json" % name)
            requests += commands + [target] + after
            targets.append((name, target))
            if shots:
                self.check(code, name, w.texts(*commands))
                w.screenshot("layout_%s_%s.png" % (code, name))
                if after:
                    w.texts(*after)
        if not shots:
            w.request(requests)
            for name, target in targets:
                self.check(code, name, w.read_json(target))

    def road(self, w, code):
        """Welcome page, Start, licence, guide, discovery with the camera, setup page."""
        w.wait_window(translations(code).get("olvaris Setup Wizard", "olvaris Setup Wizard"))
        self.screens(w, code, [("welcome", [])])
        w.click(*WELCOME_START)
        w.wait_log(LICENCE_SHOWN, 60)
        time.sleep(1.0)
        self.screens(w, code, [("licence", [])])
        w.agree()
        self.screens(w, code, [("guide", [])] + GUIDE_SCREENS)
        w.click(*GUIDE_SKIP)
        w.wait_log(CAMERA_LISTED, 20)
        time.sleep(0.5)
        self.screens(w, code, [("discovery", [])])
        w.click(*CAMERA_ROWS)
        w.wait_log("03 IPCamera MAC :", 10)
        w.click(*GUIDE_NEXT)
        w.wait_log("DiscoveryPage IPCameraIdx :", 10)
        w.wait_log("Adding tmpIndex:", 10)
        self.screens(w, code, [("setup", [])])

    def run_language(self, code):
        self.table = translations(code)
        with Wizard(BUILD_DIR, lab=self.lab, config={"Language": code}, texts=True) as w:
            self.road(w, code)
            self.screens(w, code, PAGE_SCREENS + list(popup_screens()))
        self.assertFalse(self.failures, "%d texts:\n%s" % (len(self.failures), "\n".join(self.failures)))


def case_for(name, languages):
    """The test class name of a group's test file: one test per language."""
    tests = {}
    for code in languages:
        assert os.path.exists(os.path.join(SOURCE_DIR, "resources", "lang", code + ".ts")), code
        tests["test_" + code] = lambda self, code=code: self.run_language(code)
    return type(name, (LayoutCase,), tests)
