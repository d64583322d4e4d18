"""Every page and popup of the wizard in a group of languages, as a person sees them. For each
language a fresh wizard starts in that language (config.xml) in the lab: the Launcher and its exit
popup, welcome page, Start, licence, the guide in every state a person reaches from its lists
(guide_states: each model of the lab's catalogue with each of its hardware versions and connection
types, and the connection types' prompt again), discovery after a scan that found no camera, its Back to
the guide and discovery again with three cameras; the setup page of the camera without a password (KORVA),
then Back and discovery, where the older camera's row chosen opens the manual network box with a PPPoE
account that camera refuses and a password outside Latin-1, and the setup page of the camera with a password
(T4X), each setup page with every zone of its time-zone list chosen in turn, "Enable daylight saving" ticked
(the Auto and Manual choice, then Manual) and its fields typed wrong beside the daylight-saving fields, the
first with the password popup of a new password; the cloud page and a sign-in to an account with a long e-mail
address; the Wi-Fi page the cloud step enters, its survey answered, with its tabs, a network chosen and its boxes
before and as Connect leaves them with their fields empty and the manual box's own checks as a person leaves its
fields; its Skip to the registered camera's summary; then each other page (ENTERED: the cloud page, the already
registered page, the access-point pages, their survey answered, the access-point password typed wrong) entered as the
main window enters it, its own entry step run (the harness's "enter"), so that what a page shows, hides or sets on
arrival is judged and compared with English. Every popup is opened by its slot (through the harness's test library)
where the road stands on its page (screentexts.popup_page; over), with the network boxes and the popups named for
what they name (OVER); the road shows no page as it was left but by a person's own click back (discovery's Back,
the setup page's).
A second wizard takes the local-only road without Internet: the page that says so with its popups, the guide's
connection types, the setup page of a camera without a password and the device-only summary it leads to, with its
shortcut offer. No text may be
cut by its room, its parents or the window, cover another text of its page or popup, be English where the language
translates it or where its translation file leaves it English (screentexts.untranslated), or break its
lines where a reader would not (screentexts.broken_lines, screentexts.split_words) or cut a web address
over two lines (screentexts.cut_addresses), in every language; every field shows its caption
(screentexts.uncaptioned); no title shares a row with a control and a page's body labels keep its size
(screentexts.misplaced). No run of English words may be left inside a translation (screentexts.english_runs),
no Chinese or Japanese line begin with closing punctuation or a small kana or end with an opening bracket
(kinsoku), no text be drawn under a readable contrast with what lies behind it (low_contrast), be another
language's translation word for word (copied) or show an entity or a placeholder as letters (markup_drawn); no
Back stands right of its Next (back_after_next), no button's face picture is smaller than the button
(narrow_faces), and a screen named for a popup or box shows it, over its page (missing_popup). No text's letters
meet a picture or control of its popup or window (covered) or come closer than 3 px to another text's lines over
or under them (crowded) nor its own lines closer than their font's line spacing or 2 px (crowded_lines), no
button's caption closer than 8 px to its ends (tight_captions); each screen of
CONTROL_STATES shows its controls as a person finds them before they act and names each it shows (control_states). In
every language a field that holds a secret is masked (screenstates.unmasked), a text box or list shows its start
(scrolled), an error line is drawn in the error colour and no other text is (error_colours), a button's look at rest
tells its state (state_faces: a disabled one its style's disabled face, an enabled one no disabled face), a control
Tab reaches shows a mark of the focus (unmarked_focus), and a daylight-saving caption beside its field ends its letters
8 px before it (screentexts.caption_gaps). Each screen of another
language is compared with the same screen of the English road (samescreens): the same widgets shown in the same states,
its texts in the same colours and fonts, none pressed closer than English to what stands beside it on its line; the
English road keeps its screens in the build folder (ENGLISH_ROAD) and runs first (a CTest fixture). The road acts as a
person: it opens each list it passes with a click (the welcome page's languages, the guide's models, versions and
connection types, the time zones, the daylight-saving lists, the Wi-Fi box's security types) and takes its entry
with a click in the open list, turning a long list's wheel to it, and chooses the Wi-Fi page's network with a
click; a list that does not open, or an entry a click does not choose, fails (unopened). No tooltip a person can
bring up may be wider or taller than the screen; each entry of a list, each month or hour of a
date or time edit, must be drawn whole in the open list and in the field where it shows once chosen (the
time-zone list's field grows to the zone chosen: each zone is judged chosen). On the English road every
translatable text is drawn on some screen (screentexts.undrawn). When the road breaks off, the error is given
with the faults found before it.
Screens of SCREENSHOT_LANGUAGES are saved as layout_<language>_<screen>.png.

A group's test file: LayoutGroup1 = layoutcheck.case_for("LayoutGroup1", [...]), then unittest.main()."""

import os
import re
import time
import unittest

from wizard import (AP_FIRST_NETWORK, BUILD_DIR, CAMERA_LISTED, GUIDE_SKIP, LAUNCHER_TITLE, LICENCE_SHOWN,
                    MAIN_TITLE, SOURCE_DIR, STEP_S, SUMMARY_SHOWN, WELCOME_START, WIFI_LIST_SHOWN, LabCloud, Wizard,
                    online_lab, start_camcgi, start_camsim, wait_until)
from screentexts import (POPUPS, SPACELESS, back_after_next, caption_gaps, clipped, code_sources, control_states,
                         copied, copied_translations, covered, crowded, crowded_lines, describe, english_left,
                         english_runs, every_translation, kinsoku, line_breaks, low_contrast, markup_drawn, misplaced,
                         missing_popup, narrow_faces, plain, popup_page, tight_captions, translations, uncaptioned,
                         undrawn, unopened, untranslated, vocabulary)
from samescreens import differences, read_road, shape, write_road
from screenstates import error_colours, scrolled, state_faces, unmarked_focus, unmasked

SCREENSHOT_LANGUAGES = ("el", "ru", "ja", "cs")
ENGLISH_ROAD = os.path.join(BUILD_DIR, "tests", "layout_english.json")  # the English road's screens, for the others
SURVEY = [{"ssid": "HomeNet", "mode": "0", "auth": "4", "security": "3"}]
CAMERA = {"mac": "00:11:22:AA:BB:27", "model": "VKC-6100", "name": "Porch", "dcpVersion": "2.3", "registered": "0",
          "password": "campass1", "ip": "10.254.0.27", "network": {"23": "10.254.0.27", "51": "443"},
          "portal": LabCloud.PORTAL, "cloudId": "9027.olvaris", "dfp": "dfp-27", "accessPoints": SURVEY}
NEW = {"mac": "00:11:22:AA:BB:28", "model": "VKC-2100", "name": "Hall", "dcpVersion": "2.0", "ip": "10.254.0.28",
       "network": {"23": "10.254.0.28", "51": "443"}, "accessPoints": SURVEY}  # no password yet
OLD = {"mac": "00:11:22:AA:BB:29", "model": "VKC-6100", "name": "Shed", "dcpVersion": "1.0", "ip": "10.254.0.29",
       "password": "shedpass1"}  # an older camera: it takes the PPPoE account as typed
CAMERAS = (CAMERA, NEW, OLD)
NEW_PASSWORD = "hallpass1"
PPPOE_PASSWORD = "пароль"  # outside Latin-1, the PPPoE password's encoding
ACCOUNT = ("margarethe.vanderberg@example.test", "secret1")  # an e-mail address of 34 characters
MODELS, VERSIONS = "cconnection_ComboBox", "cconnectionHWVersion_ComboBox"
TYPES = "CTypeMoreThanOne_ComboBox"
ZONES = "dsetupTimeZoneComboBox_comboBox"
DST_LISTS = ("dsetupDSTHourOffset_ComboBox", "dsetupStartWeek_ComboBox", "dsetupStartDate_ComboBox",
             "dsetupEndWeek_ComboBox", "dsetupEndDate_ComboBox")
# The setup page's fields typed wrong: (field, text, its error label).
NAME_ERROR = ("dsetupCameraName_LineEdit", "bad name", "dsetupError_Label")
PASSWORD_ERROR = ("dsetupCameraPasscode_LineEdit", "abc", "dsetupPasswordError_Label")
VERSION_PROMPT = "H/W Version"  # never translated
TYPE_KEYS = {"1": "ethernet", "3": "poe", "4": "plc", "5": "direct", "6": "wps"}  # in the catalogue's precedence

# The pages the road enters after the registered camera's summary, each as the main window enters a page (the
# harness's "enter": the page put in its place, then its own entry step, as Mainpage::enterPage does), with the log line
# that ends a wait its entry step starts for the camera (None: none); each judged, then the popups over it.
ENTERED = [("cloud", "CloudServicesPage", None), ("already_registered", "AlreadyRegisteredPage", None),
           ("access_point_join", "APModeHostToDevice", None),
           ("access_point_password", "APModeHostToDevicePasswordVerify", None),
           ("access_point_network", "APModeDeviceToRouter", " SSID :"),  # its survey answered
           ("access_point_home", "APModeHostToRouter", None)]
# Screens over a page beside its popups of POPUPS: the cloud page's popups named for what their texts name; the Wi-Fi
# boxes of the access-point road and of the Wi-Fi page, and the manual network box's other tabs, as Connect leaves them
# when what it needs is missing.
OVER = {
    "CloudServicesPage": [
        ("popup_CloudServicesPage_popupCloudFailure_over_page",  # its text names the page's tabs
         ["invoke CloudServicesPage popupCloudFailure false"], ["close"]),
        ("popup_CloudServicesPage_popupCameraNotRegistered_sign_in",  # named by the tab it names
         ["invoke CloudServicesPage popupCameraNotRegistered false"], ["close"]),
        ("popup_CloudServicesPage_popupCameraNotRegistered_sign_up",
         ["invoke CloudServicesPage popupCameraNotRegistered true"], ["close"])],
    "APModeDeviceToRouter": [
        ("ap_box_password_missing", ["invoke APModeDeviceToRouter popupAPModeInputWirelessPasswordAutoWarning",
                                     "invoke APModeDeviceToRouter pressAutoConnectButton"], ["close"]),
        ("ap_box_network_missing", ["invoke APModeDeviceToRouter popupAPModeInputWirelessPasswordManualWarning",
                                    "choose WirelessManualSecurity_ComboBox #1",
                                    "invoke APModeDeviceToRouter pressManualConnectButton"], ["close"])],
    "DeviceWiFiChangePage": [
        ("wifi_box_password_missing", ["invoke DeviceWiFiChangePage popupWirelessAutoPasswordWarning",
                                       "invoke DeviceWiFiChangePage pressWirelessAutoConnectButton"], ["close"]),
        ("wifi_box_network_missing", ["invoke DeviceWiFiChangePage popupWirelessManualPasswordWarning",
                                      "invoke DeviceWiFiChangePage pressWirelessManualConnectButton"], ["close"])],
    "DeviceSetupPage": [
        ("network_box_pppoe", ["invoke DeviceSetupPage popupConfigNetworkWarning",
                               "invoke ConfigNetworkMessageBox pressPPPoEButton"], ["close"]),
        ("network_box_static", ["invoke DeviceSetupPage popupConfigNetworkWarning",
                                "invoke ConfigNetworkMessageBox pressStaticIPButton"], ["close"]),
        ("network_box_pppoe_missing", ["invoke DeviceSetupPage popupConfigNetworkWarning",
                                       "invoke ConfigNetworkMessageBox pressPPPoEButton",
                                       "invoke DeviceSetupPage pressConfigNetworkPPPoEConnectButton"], ["close"]),
        ("network_box_static_missing", ["invoke DeviceSetupPage popupConfigNetworkWarning",
                                        "invoke ConfigNetworkMessageBox pressStaticIPButton",
                                        "invoke DeviceSetupPage pressConfigNetworkStaticIPConnectButton"], ["close"])],
}
# The manual Wi-Fi box's own checks as a person leaves its fields: (screen, security type row, field, text).
WIFI_BOX_TYPED = [("wifi_box_network_name", "#0", "WirelessManualName_LineEdit", "x" * 33),
                  ("wifi_box_wep_key", "#1", "WirelessManualPassword_LineEdit", "abc"),
                  ("wifi_box_wpa_key", "#3", "WirelessManualPassword_LineEdit", "abc")]


def guide_states(catalogue):
    """The guide's states reached from the model list, as (screen, list, entry): each model of the catalogue;
    of a model listed with several hardware versions each version, then the version prompt again; of a model
    with several connection types each type (its row in the list) at each version."""
    models = {}
    for camera in catalogue["Cameras"]:
        models.setdefault(camera["Model"], []).append(camera)
    for model, cameras in models.items():
        yield "guide_" + model, MODELS, model
        several = len(cameras) > 1
        for camera in cameras if several else cameras[-1:]:
            name = "guide_%s_%s" % (model, camera["HardwareVersion"])
            if several:
                yield name, VERSIONS, camera["HardwareVersion"]
            if cameras[-1]["ConnectionTypeNumber"] != "1":  # the model's own list of types
                types = [next(TYPE_KEYS[key] for key in TYPE_KEYS if key in entry)
                         for entry in camera["ConnectionType"] if set(TYPE_KEYS) & set(entry)]
                for row, word in enumerate(types, 1):
                    yield "%s_%s" % (name, word), TYPES, "#%d" % row
                yield "%s_type_prompt" % name, TYPES, "#0"
        if several:
            yield "guide_%s_version_prompt" % model, VERSIONS, VERSION_PROMPT


def list_rows(texts, name):
    """The entries of the list of that name as the screen shows them, and the row of its current one (None
    when the list is not shown)."""
    rows = [item for item in texts if item["name"] == name and item["kind"] in ("item", "current")]
    current = [row for row, item in enumerate(rows) if item["kind"] == "current"]
    return [item["text"] for item in rows], current[0] if current else None


def unreached(texts, name, entry):
    """How the screen fails to show the list's entry chosen (#row or its text): [] or one fault."""
    rows, current = list_rows(texts, name)
    row = int(entry[1:]) if entry.startswith("#") else rows.index(entry) if entry in rows else None
    if current is None or current != row:
        return ["%s shows %r, not %s" % (name, rows[current] if current is not None else "nothing", entry)]
    return []


def popups_over(page):
    """The popups of POPUPS opened over that page (screentexts.popup_page; None: those over any page), each a screen:
    its slot invoked, then closed. The road judges them where it stands on that page, as a person opens them there."""
    for owner, popups in POPUPS.items():
        for popup in popups:
            slot, argument = popup if isinstance(popup, tuple) else (popup, "")
            name = "popup_%s_%s%s" % (owner, slot, re.sub(r"\W", "", argument))
            if popup_page(name) == page:
                yield name, ["invoke %s %s %s" % (owner, slot, argument)], ["close"]


def over(page):
    """The screens over a page the road stands on: its popups, then the boxes and named popups of OVER."""
    return list(popups_over(page)) + OVER.get(page, [])


class LayoutCase(unittest.TestCase):
    LANGUAGES = []

    @classmethod
    def setUpClass(cls):
        cls.lab, cls.internet, cloud = online_lab(cls, cloud=True)
        cloud.set_control({"accounts": dict([ACCOUNT])})
        for camera, password in ((CAMERA, CAMERA["password"]), (NEW, NEW_PASSWORD)):
            cls.lab.add_cam_address(camera["ip"])
            start_camcgi(cls.lab, camera["ip"], 443, password)
        cls.camsim = None

    def setUp(self):
        self.failures, self.seen, self.chosen, self.drawn, self.opened = [], set(), {}, set(), set()

    def note(self, code, screen, found):
        """Adds the faults found on a screen, each once a language (the page under a popup shows again)."""
        for fault in found:
            if fault not in self.seen:
                self.seen.add(fault)
                self.failures.append("%s %s: %s" % (code, screen, fault))

    def check(self, code, screen, texts):
        """Adds what is wrong on the screen; a state chosen in a list (self.chosen) that the screen does not show
        fails too, and so does a control in another state than the screen shows a person (control_states)."""
        found = unreached(texts, *self.chosen[screen]) if screen in self.chosen else []
        found += ["English left: " + line for line in english_left(texts, self.table, code, self.missing)]
        found += [describe(item) for item in texts if clipped(item)]
        found += line_breaks(texts, code not in ("en",) + SPACELESS) + uncaptioned(texts) + misplaced(texts)
        if code != "en":
            found += ["English left inside: " + run for run in english_runs(texts, self.english, self.own)]
            found += ["copied: " + copy for copy in copied(texts, self.copies)]
        found += ["kinsoku: " + line for line in kinsoku(texts)] if code in SPACELESS else []
        found += ["contrast: " + text for text in low_contrast(texts)] + ["drawn as letters: " + text
                                                                          for text in markup_drawn(texts)]
        found += ["order: " + pair for pair in back_after_next(texts, *self.back_next)]
        found += ["face: " + face for face in narrow_faces(texts)] + missing_popup(screen, texts)
        found += ["covered: " + text for text in covered(texts)] + ["crowded: " + pair for pair in crowded(texts)]
        found += ["crowded lines: " + text for text in crowded_lines(texts)]
        found += ["caption: " + button for button in tight_captions(texts) + caption_gaps(texts)]
        found += ["state: " + control for control in control_states(screen, texts)]
        found += ["secret: " + field for field in unmasked(texts)] + ["scrolled: " + box for box in scrolled(texts)]
        found += ["error colour: " + text for text in error_colours(texts)]
        found += ["look: " + button for button in state_faces(texts)] + ["focus: " + c for c in unmarked_focus(texts)]
        if code == "en":
            self.road_screens[screen] = shape(texts)
        else:
            english = self.english_road.get(screen)
            found += ["unlike English: " + fault for fault in differences(english, shape(texts), self.table)] \
                if english else ["the English road shows no screen %s" % screen]
        self.drawn.update(plain(item["text"]) for item in texts if item["kind"] not in ("widget", "overlap"))
        self.note(code, screen, found)

    def screens(self, w, code, screens, shots=True):
        """Brings up each (name, commands[, after]) and checks it, all in one request, each with its screenshot taken
        as its texts are read (shots=False: none)."""
        shots = shots and code in SCREENSHOT_LANGUAGES
        requests, targets = [], []
        for screen in screens:
            name, commands, after = (screen + ([],))[:3]
            target = os.path.join(w.dir, "layout_%s.json" % name)
            picture = [w.picture("layout_%s_%s.png" % (code, name))] if shots else []
            requests += commands + [target] + picture + after
            targets.append((name, target))
        # Each screen is laid out, read and drawn in the program: some tenths of a second on two busy cores.
        w.request(requests, STEP_S + len(screens))
        for name, target in targets:
            self.check(code, name, w.read_json(target))

    def fresh_cameras(self, code):
        """camsim afresh: the cameras unregistered, the new one without a password."""
        if self.camsim:
            self.camsim.terminate()
            self.camsim.wait(5)
        type(self).camsim, _ = start_camsim(self.lab, list(CAMERAS), "layout_" + code)
        self.addCleanup(self.camsim.terminate)

    def launcher(self, w, code):
        """The Launcher, its exit popup, and "Set up your camera" -> the main window."""
        w.wait_window(self.table.get(LAUNCHER_TITLE, LAUNCHER_TITLE))
        self.screens(w, code, [("launcher", []),
                               ("popup_Launcher_popupExit", ["invoke Launcher popupExit"],
                                ["invoke Launcher pressMsgExitNoButton"])])
        buttons = [t["rect"] for t in w.texts() if t["name"] == "launcherSetupCamera_Button"]
        self.assertTrue(buttons, "the Launcher shows no \"Set up your camera\" button")
        x, y, width, height = buttons[0]
        w.click(x + width // 2, y + height // 2)

    def sign_in(self, w, code):
        """The setup page's Next with the camera's password -> the cloud page; a sign-in -> the registered
        camera's summary knows the account's long e-mail address."""
        w.set_up_camera(CAMERA["password"])
        self.screens(w, code, [("cloud_reached", [])])
        w.sign_in(*ACCOUNT)

    def wifi_road(self, w, code):
        """The Wi-Fi page as the cloud step enters it, once its survey has answered: its tabs, its popups and
        boxes, a network chosen and the manual box's own checks; its Skip -> the camera found again and the
        registered camera's summary (the completion page as the Wi-Fi page enters it)."""
        w.wait_log(WIFI_LIST_SHOWN, 30 + STEP_S)  # the survey's wait: 30 one-second ticks
        w.settle()
        self.screens(w, code, [("wifi", []), ("wifi_wps", ["invoke DeviceWiFiChangePage pressWPSButton"]),
                               ("wifi_list", ["invoke DeviceWiFiChangePage pressWiFiButton"])]
                     + over("DeviceWiFiChangePage"))
        self.network_chosen(w, code)
        self.typed_errors(w, code)
        w.texts("close")
        w.click(*self.place(w, "dwifiSkip_Button"))
        w.wait_log(SUMMARY_SHOWN, 60 + STEP_S)  # the camera sought again: up to 60 ticks
        w.settle()
        self.screens(w, code, [("summary_account", [])])

    def pages(self, w, code):
        """Each page of ENTERED entered in turn and judged with the popups over it (the access-point network
        page once its survey has answered, its first network chosen, so that the Wi-Fi password box opens; the
        access-point password page with a password typed wrong), then the popups over any page."""
        for screen, page, wait in ENTERED:
            commands = ["enter " + page]
            if wait:
                count = w.log_text().count(wait)
                w.texts(*commands)
                w.wait_log(wait, 30 + STEP_S, count + 1)  # a survey's wait: 30 one-second ticks
                w.settle()
                w.click(*AP_FIRST_NETWORK)
                commands = []
            self.screens(w, code, [(screen, commands)] + over(page))
            if page == "APModeHostToDevicePasswordVerify":
                self.type_into(w, "apH2DPVCameraPasscode_LineEdit", "abc", "apH2DPVPasswordError_Label")
                self.screens(w, code, [("access_point_password_error", [])])
        self.screens(w, code, over(None))

    def model_prompt(self, w):
        """The model list's entries and the row of its prompt: its entry that names no model of the catalogue."""
        rows, _ = list_rows(w.texts(), MODELS)
        models = {camera["Model"] for camera in self.internet.catalogue["Cameras"]}
        return rows, next(row for row, text in enumerate(rows) if text not in models)

    def choices(self, w, code, prefix, states=None):
        """Each state (screen, list, entry) chosen in turn and checked to show its choice, by default each
        entry of the model list (or of the connection types in local-only mode), then the model list's prompt
        again: its entry that names no model of the catalogue. A list's first state is chosen as a person chooses
        it (open_list), the others as the test library does."""
        rows, prompt = self.model_prompt(w)
        if states is None:
            states = [("%s_%d" % (prefix, row), MODELS, "#%d" % row) for row in range(len(rows)) if row != prompt]
        states = list(states) + [(prefix + "_prompt", MODELS, "#%d" % prompt)]
        self.chosen.update((screen, (name, entry)) for screen, name, entry in states)
        batch = []
        for screen, name, entry in states:
            if name in self.opened:
                batch.append((screen, ["choose %s %s" % (name, entry)]))
                continue
            self.screens(w, code, batch)
            batch = []
            self.open_list(w, code, screen, name, entry)
            self.screens(w, code, [(screen, [])])
        self.screens(w, code, batch)

    def open_list(self, w, code, screen, name, entry=None):
        """Opens the list of that name as a person does, with a click on it, and takes entry (#row or its text; None:
        the one it shows) with a click on it in the open list, or closes the list with Escape when the list offers
        that entry but does not let it be taken (a language of the welcome page's). A list that does not open for the
        click, or an entry that a click does not make its choice, is a fault of the screen; the test library then
        chooses the entry, for the road to go on."""
        self.opened.add(name)
        texts = w.texts()
        rows, current = list_rows(texts, name)
        entry = "#%d" % current if entry is None else entry
        row = int(entry[1:]) if entry.startswith("#") else rows.index(entry)
        if not any(t["kind"] == "widget" and t["name"] == name and t["enabled"] for t in texts):
            self.note(code, screen, unopened(texts, name))  # not shown, or disabled: no click opens it
            w.texts("choose %s #%d" % (name, row))
            return
        w.click(*self.place(w, name))
        end = time.monotonic() + STEP_S
        texts = w.texts()
        while unopened(texts, name) and time.monotonic() < end:
            time.sleep(0.2)
            texts = w.texts()
        if unopened(texts, name):
            self.note(code, screen, unopened(texts, name))
            w.texts("choose %s #%d" % (name, row))
            return
        target = self.scroll_to(w, texts, name, row)
        if target["enabled"]:
            w.click(*target["at"])
        else:
            w.key("Escape")
        wait_until(lambda: unopened(w.texts(), name), STEP_S, "%s closed" % name)
        left = unreached(w.texts(), name, entry if target["enabled"] else "#%d" % current)
        self.note(code, screen, ["%s after a click on its entry: %s" % (name, fault) for fault in left])
        if left:
            w.texts("choose %s #%d" % (name, row))

    @staticmethod
    def scroll_to(w, texts, name, row):
        """The entry of that row of the open list, its rows turned with the mouse wheel until it shows, as a person
        turns a long list's (three rows a turn)."""
        for _ in range(len(texts)):  # bounded: each turn brings it nearer
            entries = [t for t in texts if t["kind"] == "open" and t["name"] == name]
            box = next(t["list"] for t in texts if t["kind"] == "widget" and t["name"] == name)
            y, height = entries[row]["at"][1], entries[1]["at"][1] - entries[0]["at"][1] if len(entries) > 1 else 1
            if box[1] <= y < box[1] + box[3]:
                return entries[row]
            turns = max(1, (abs(y - (box[1] + box[3] // 2)) - box[3] // 4) // (3 * max(height, 1)))
            w.wheel(box[0] + box[2] // 2, box[1] + box[3] // 2, -turns if y < box[1] else turns)
            texts = w.texts()
        raise AssertionError("%s: its row %d never shows in the open list" % (name, row))

    def network_chosen(self, w, code):
        """The Wi-Fi page's first network of its survey, chosen with a click as a person does: its Next can be
        pressed."""
        w.texts("invoke DeviceWiFiChangePage pressWiFiButton")
        networks = [t["at"] for t in w.texts() if t["name"] == "dwifiSiteSurveyList_ListWidget" and t["kind"] == "item"]
        self.assertTrue(networks, "the Wi-Fi page lists no network")
        w.click(*networks[0])
        w.settle()
        self.screens(w, code, [("wifi_network_chosen", [])])

    def local_road(self, code):
        """No Internet: the page that says so, with its popups, "Local Only": the guide's connection types, the setup
        page of the camera without a password, its password given -> the device-only summary."""
        self.internet.set_control({"probe": {"mode": "drop"}})
        self.opened = set()
        try:
            with Wizard(BUILD_DIR, lab=self.lab, config={"Language": code}, texts=True) as w:
                w.start_local_only(self.table.get(MAIN_TITLE, MAIN_TITLE),
                                   at_page=lambda: self.screens(w, code, [("no_internet", [])] + over("OppsPage")))
                w.agree()
                self.choices(w, code, "local_guide")
                w.click(*GUIDE_SKIP)
                w.choose_camera(NEW["mac"], cameras=len(CAMERAS))
                self.screens(w, code, [("setup_new", [])])
                w.set_up_camera(NEW_PASSWORD, new=True, reached=SUMMARY_SHOWN, timeout=90)
                self.screens(w, code, [("summary_device", [])])
        finally:
            self.internet.set_control({})

    def place(self, w, name, left=False):
        """Where a person clicks the widget of that name on the screen: its middle, or its left end (a
        check box's box)."""
        rects = [t["rect"] for t in w.texts() if t["name"] == name and t["kind"] == "widget"]
        self.assertTrue(rects, "the screen shows no %s" % name)
        x, y, width, height = rects[0]
        return x + (8 if left else width // 2), y + height // 2

    @staticmethod
    def shown(w, name, kind="widget"):
        """The texts of the widget of that name as the screen shows them (kind "text": its text)."""
        return [t["text"] for t in w.texts() if t["name"] == name and t["kind"] == kind]

    def type_into(self, w, field, text, label):
        """Types text into the field in place of what it holds and ends it with Return, as a person does; waits
        until the label's text changes (the field's check has answered)."""
        before = self.shown(w, label, "text")
        w.click(*self.place(w, field))
        w.key("ctrl+a")
        w.type_text(text)
        w.key("Return")
        wait_until(lambda: self.shown(w, label, "text") != before, STEP_S, "%s after %s" % (label, field))

    def listed(self, w):
        """Waits until the discovery table lists the cameras."""
        wait_until(lambda: all(any(camera["mac"] in text for text in self.shown(w, "discoveryCameraTb_TableWidget",
                                                                               "item"))
                               for camera in CAMERAS), STEP_S, "the cameras listed")
        w.settle()

    def old_camera_account(self, w, code):
        """The older camera's row chosen on the discovery page: the manual network box's PPPoE account with ";"
        and "=", which that camera would take as items, a password that Latin-1 cannot carry, and Connect."""
        w.choose_camera(OLD["mac"], cameras=len(CAMERAS), go=False)
        connect = "invoke DeviceSetupPage pressConfigNetworkPPPoEConnectButton"
        w.texts("invoke DeviceSetupPage popupConfigNetworkWarning", "invoke ConfigNetworkMessageBox pressPPPoEButton",
                connect)  # the fields' errors show, each to change when its field is typed
        self.type_into(w, "CfgNetMsgBoxPPPoEAccount_LineEdit", "home;net=1", "cPPPoeAccountError_Label")
        self.type_into(w, "CfgNetMsgBoxPPPoEPassword_LineEdit", PPPOE_PASSWORD, "cPPPoePasswordError_Label")
        self.screens(w, code, [("network_box_pppoe_older_camera", [connect], ["close"])])

    def setup_states(self, w, code, prefix, errors):
        """The setup page as a person leaves it: each zone of the list chosen in turn, then its own again;
        "Enable daylight saving" ticked (the Auto and Manual choice of a KORVA camera, then Manual); each
        field of errors typed wrong and left (field, text, its error label), beside the daylight-saving
        fields."""
        rows, current = list_rows(w.texts(), ZONES)
        states = [("%s_zone_%d" % (prefix, row), ZONES, "#%d" % row) for row in range(len(rows))]
        self.chosen.update((screen, (name, entry)) for screen, name, entry in states)
        self.screens(w, code, [(screen, ["choose %s %s" % (name, entry)]) for screen, name, entry in states],
                     shots=False)
        self.open_list(w, code, prefix, ZONES, "#%d" % current)
        w.click(*self.place(w, "dsetupDSTCheckBox_CheckBox", left=True))
        wait_until(lambda: self.shown(w, "dsetupDSTManual_RadioButton") or self.shown(w, "dsetupStartMonth_QDateEdit"),
                   STEP_S, "the daylight-saving fields")
        if not self.shown(w, "dsetupStartMonth_QDateEdit"):
            self.screens(w, code, [(prefix + "_dst_choice", [])])
            w.click(*self.place(w, "dsetupDSTManual_RadioButton", left=True))
            wait_until(lambda: self.shown(w, "dsetupStartMonth_QDateEdit"), STEP_S, "the manual daylight saving")
        self.screens(w, code, [(prefix + "_dst", [])])
        for name in DST_LISTS:
            if name not in self.opened:
                self.open_list(w, code, prefix + "_dst", name)
        for field, text, label in errors:
            self.type_into(w, field, text, label)
        self.screens(w, code, [(prefix + "_errors", [])])

    def typed_errors(self, w, code):
        """The manual Wi-Fi box's own checks, as a person leaves its fields."""
        w.texts("invoke DeviceWiFiChangePage popupWirelessManualPasswordWarning")
        for screen, security, field, text in WIFI_BOX_TYPED:
            self.open_list(w, code, screen, "WirelessManualSecurity_ComboBox", security)
            self.type_into(w, field, text, "WirelessManualAP%sError_Label" % ("Name" if "Name" in field else "Password"))
            self.screens(w, code, [(screen, [])])

    def road(self, w, code):
        """Launcher, welcome page, Start, licence, guide, discovery before any camera answers, Back to the
        guide and discovery with the cameras; the setup page of the camera without a password (KORVA), Back
        and discovery again, the older camera's PPPoE account; the setup page of the camera with one. The popups
        over the welcome page, the guide, discovery and the setup page are judged there."""
        self.launcher(w, code)
        w.wait_window(self.table.get(MAIN_TITLE, MAIN_TITLE))
        self.screens(w, code, [("welcome", [])] + over("WelcomePage"))
        self.open_list(w, code, "welcome", "welcomeLanguageComboBox_ComboBox")
        w.click(*WELCOME_START)
        w.wait_log(LICENCE_SHOWN, 60)
        time.sleep(1.0)
        self.screens(w, code, [("licence", [])])
        w.agree()
        self.screens(w, code, [("guide", [])])
        self.choices(w, code, "guide", guide_states(self.internet.catalogue))
        self.screens(w, code, over("CameraConnectionPage"))
        w.click(*GUIDE_SKIP)  # no camera answers yet
        w.wait_log(" checkDeviceDiscoveryTimer timeout ", 20 + STEP_S)
        self.screens(w, code, [("discovery_no_camera", [])])
        self.fresh_cameras(code)
        w.click(*self.place(w, "discoveryPrev_Button"))
        wait_until(lambda: self.shown(w, MODELS), STEP_S, "the guide after discovery's Back")
        w.settle()
        self.screens(w, code, [("guide_after_discovery", [])])
        w.texts("choose %s #%d" % (MODELS, self.model_prompt(w)[1]))
        w.click(*GUIDE_SKIP)
        self.listed(w)
        self.screens(w, code, [("discovery", [])] + over("DiscoveryPage"))
        w.choose_camera(NEW["mac"], cameras=len(CAMERAS))
        w.wait_log("Adding tmpIndex:")
        self.screens(w, code, [("setup_korva", [])])
        retype = ("dsetupRetypePasscode_LineEdit", "abc", "dsetupPasswordRetypeError_Label")
        self.setup_states(w, code, "setup_korva", [NAME_ERROR, PASSWORD_ERROR, retype])
        self.screens(w, code, [("popup_DeviceSetupPage_popupPasswordErrorMsgBox_new",
                                ["invoke DeviceSetupPage popupPasswordErrorMsgBox "], ["close"])])
        w.click(*self.place(w, "dsetupBack_Button"))
        self.listed(w)
        self.old_camera_account(w, code)
        w.choose_camera(CAMERA["mac"], cameras=len(CAMERAS))
        w.wait_log("Adding tmpIndex:", count=2)
        self.screens(w, code, [("setup", [])])
        self.setup_states(w, code, "setup", [NAME_ERROR, PASSWORD_ERROR])
        self.screens(w, code, over("DeviceSetupPage"))
        self.type_into(w, NAME_ERROR[0], CAMERA["name"], NAME_ERROR[2])
        w.click(*self.place(w, "dsetupDSTCheckBox_CheckBox", left=True))

    def run_language(self, code):
        self.table, self.missing = translations(code), untranslated(code)
        self.english, self.own = vocabulary(code_sources()), vocabulary(self.table.values(), 2)
        self.copies = copied_translations(every_translation(), code) if code != "en" else {}
        self.back_next = self.table.get("Back", "Back"), self.table.get("Next", "Next")
        self.road_screens, self.english_road = {}, read_road(ENGLISH_ROAD) if code != "en" else {}
        if code == "en" and os.path.exists(ENGLISH_ROAD):
            os.remove(ENGLISH_ROAD)  # a road that breaks off leaves none to compare with
        try:
            with Wizard(BUILD_DIR, lab=self.lab, config={"Language": code, "EnableLauncher": "1"}, texts=True) as w:
                self.road(w, code)
                self.sign_in(w, code)
                self.wifi_road(w, code)
                self.pages(w, code)
            self.local_road(code)
            if code == "en":
                self.failures += ["en: drawn on no screen of the road: %r" % text for text in undrawn(self.drawn)]
                write_road(ENGLISH_ROAD, self.road_screens)
        except unittest.SkipTest:
            raise
        except Exception as error:
            if not self.failures:
                raise
            raise AssertionError("%s\n--- the road broke off there; the %d layout faults before it:\n%s"
                                 % (error, len(self.failures), "\n".join(self.failures))) from error
        self.assertFalse(self.failures, "%d texts:\n%s" % (len(self.failures), "\n".join(self.failures)))


def case_for(name, languages):
    """The test class name of a group's test file: one test per language."""
    tests = {}
    for code in languages:
        assert os.path.exists(os.path.join(SOURCE_DIR, "resources", "lang", code + ".ts")), code
        tests["test_" + code] = lambda self, code=code: self.run_language(code)
    return type(name, (LayoutCase,), tests)
