#!/usr/bin/env python3
"""The wizard's roads in another language, by clicks in the lab: German chosen in the welcome page's
list after a first Start in English, Japanese as config.xml's Launcher language. Welcome, licence, the guide's panels and the
access-point page, discovery, setup, cloud page and its popup, the Wi-Fi list, WPS and its popup,
the password and manual boxes, the cable popup and the summary page; then every page shown alone
and every popup opened by its slot (through the harness's test library). Each screen is saved as
<language>_<screen>.png and its widgets' texts, read in the program, must hold no English text of
the sources that the language translates otherwise, and no text may need more room than it has.

E2E_LANGUAGES=fi,zh_CN (codes of resources/lang) runs other languages, each from config.xml."""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from wifiroad import HIDDEN, HIDDEN_KEY, NEXT, PASSWORD, SETUP_PASSWORD, WifiRoadCase, camera  # noqa: E402
from wizard import (BUILD_DIR, CAMERA_ROWS, GUIDE_SKIP, LICENCE_SHOWN, MODEL_LIST, WELCOME_START,  # noqa: E402
                    Wizard, popup_button, start_camsim)
from screentexts import PAGES, POPUPS, clipped, describe, english_left, translations  # noqa: E402

LANGUAGES = os.environ.get("E2E_LANGUAGES", "de,ja").split(",")
CHOSEN_IN_LIST = {"de": "German"}  # typed into the welcome page's list; the others come from config.xml
LANGUAGE_LIST, TYPE_LIST = (166, 205), (166, 268)
FOUND_AGAIN = "To the completion page, camera at :"
class LanguageRoads(WifiRoadCase):
    maxDiff = None

    def setUp(self):
        self.failures = []

    def look(self, w, code, screen, settle=1.0):
        """Saves the screen and checks its texts."""
        time.sleep(settle)
        w.screenshot("%s_%s.png" % (code, screen))
        texts = w.texts()
        for line in english_left(texts, self.table, code):
            self.failures.append("%s %s: English left: %s" % (code, screen, line))
        for item in texts:
            if clipped(item):
                self.failures.append("%s %s: %s" % (code, screen, describe(item)))
        return texts

    def click_widget(self, w, name):
        """Clicks the middle of the visible widget of this object name."""
        found = [t["rect"] for t in w.texts() if t["kind"] == "widget" and t["name"] == name]
        self.assertTrue(found, "no visible " + name)
        x, y, width, height = found[-1]
        w.click(x + width // 2, y + height // 2)

    def pick(self, w, place, key, log):
        """Opens the list at place, moves with key, takes the entry with Return and waits for log once more."""
        count = w.log_text().count(log) + 1
        w.click(*place)
        time.sleep(0.6)
        w.key(key)
        w.key("Return")
        w.wait_log(log, count=count)
        time.sleep(0.8)

    def start_wizard(self, code):
        title = translations(code).get("olvaris Setup Wizard", "olvaris Setup Wizard")
        config = {} if code in CHOSEN_IN_LIST else {"Language": code}
        w = Wizard(BUILD_DIR, lab=self.lab, config=config, texts=True)
        if code in CHOSEN_IN_LIST:
            # First in English as far as the licence and back: the catalogue's model list then
            # holds the prompt of the language chosen before the next Start.
            w.wait_window()
            w.click(*WELCOME_START)
            w.wait_log(LICENCE_SHOWN, 60)
            time.sleep(1.0)
            self.click_widget(w, "agreementPrev_PushButton")
            time.sleep(0.5)
            w.click(*LANGUAGE_LIST)
            time.sleep(0.6)
            w._xdotool("type", "--delay", 30, CHOSEN_IN_LIST[code])  # into the open list, which keeps the focus
            w._xdotool("key", "Return")
        w.wait_window(title)
        return w

    def run_road(self, code):
        self.table = translations(code)
        cam, _ = start_camsim(self.lab, [camera()], "camera_" + code)
        self.addCleanup(cam.terminate)
        with self.start_wizard(code) as w:
            self.look(w, code, "welcome")
            shown = w.log_text().count(LICENCE_SHOWN) + 1
            w.click(*WELCOME_START)
            w.wait_log(LICENCE_SHOWN, 60, shown)
            self.look(w, code, "licence")
            w.agree()
            self.look(w, code, "guide")
            w.choose_model("VKC-2100")
            self.look(w, code, "guide_one_type")
            w.choose_model("VKC-5020W")
            self.look(w, code, "guide_types")
            self.pick(w, TYPE_LIST, "End", "01 Got ctype index changed :")
            self.look(w, code, "guide_direct")
            w.choose_model("VKC-5010W")
            self.look(w, code, "guide_access_point")
            w.click(*NEXT)
            self.look(w, code, "access_point_join")
            self.click_widget(w, "apH2DPrev_PushButton")
            self.pick(w, MODEL_LIST, "Home", "03 selectedItem(Device Name) :")
            w.click(*GUIDE_SKIP)
            w.wait_log("Got new IPCamera and Update Device Table List in idx :")
            self.look(w, code, "discovery")
            w.click(*CAMERA_ROWS)
            w.wait_log("03 IPCamera MAC :")
            w.click(*NEXT)
            w.wait_log("Adding tmpIndex:")
            self.look(w, code, "setup")
            w.click(*SETUP_PASSWORD)
            w.type_text(PASSWORD)
            w.click(*NEXT)
            w.wait_log("checkOpenAPIUriInfoTimer stop at", 120)
            time.sleep(1.0)
            self.look(w, code, "cloud")
            self.click_widget(w, "cloudServiceSkip_PushButton")
            self.look(w, code, "cloud_no_thanks_popup")
            w.click(626, 487)
            w.wait_log("checkdWiFiAPListSiteSurveyTimer stop at", 40)
            self.look(w, code, "wifi_list")
            self.click_widget(w, "dwifiWPS_PushButton")
            self.look(w, code, "wifi_wps")
            self.click_widget(w, "whatIsWPS_PushButton")
            self.look(w, code, "wifi_what_is_wps_popup")
            w.click(*popup_button(450))
            self.click_widget(w, "dwifiWiFi_PushButton")
            w.click(150, 269)
            time.sleep(0.5)
            w.click(*NEXT)
            self.look(w, code, "wifi_password_box")
            self.click_widget(w, "WirelessAutoCancel_Button")
            self.click_widget(w, "dwifiManual_PushButton")
            time.sleep(0.5)
            self.click_widget(w, "WirelessManualName_LineEdit")
            w.type_text(HIDDEN)
            for combo in ("WirelessManualSecurity_ComboBox", "WirelessManualEncrypt_ComboBox"):
                self.click_widget(w, combo)
                time.sleep(0.5)
                w.key("Down")
                w.key("Return")
                time.sleep(0.3)
            self.click_widget(w, "WirelessManualPassword_LineEdit")
            w.type_text(HIDDEN_KEY)
            self.look(w, code, "wifi_manual_box")
            self.click_widget(w, "WirelessManualConnect_Button")
            w.wait_log("checkRestartNetworkTimer stop at", 40)
            self.look(w, code, "wifi_remove_cable_popup")
            w.click(*popup_button(350))
            w.wait_log(FOUND_AGAIN, 60)
            time.sleep(1.0)
            self.look(w, code, "summary")
            self.gallery(w, code)
        self.assertEqual(self.failures, [])

    def gallery(self, w, code):
        """Every page, shown without entering it, and every popup, opened by its slot over the summary page."""
        for page in PAGES:
            w.texts("show " + page)
            self.look(w, code, "page_" + page, settle=0.4)
        w.texts("show DeviceSetupCompletePage")
        for page, popups in POPUPS.items():
            for popup in popups:
                slot, argument = popup if isinstance(popup, tuple) else (popup, "")
                w.texts("invoke %s %s %s" % (page, slot, argument))
                self.look(w, code, "popup_%s_%s%s" % (page, slot, argument.replace(" ", "")), settle=0.4)
                w.texts("close")


for _code in LANGUAGES:
    setattr(LanguageRoads, "test_" + _code, lambda self, code=_code: self.run_road(code))


if __name__ == "__main__":
    unittest.main(verbosity=2)
