"""Reading a screen's texts in another language, for the end-to-end language roads: which
shown texts are English left over, which need more room than they have, and every page and popup
the harness can show alone."""

import collections
import functools
import html
import os
import re
import shutil
import subprocess
import tempfile
import unicodedata
import unittest
import xml.etree.ElementTree as ET

from wizard import SOURCE_DIR

PAGES = ["OppsPage", "DiscoveryPage", "DeviceSetupPage", "AlreadyRegisteredPage", "DeviceWiFiChangePage",
         "DeviceSetupCompletePage", "ConnectionTypeLocalView", "APModeHostToDevice", "APModeHostToDevicePasswordVerify",
         "APModeDeviceToRouter", "APModeHostToRouter", "CloudServicesPage"]
POPUPS = {  # page class: its popups (slot, or slot and argument)
    "Mainpage": ["popupExit"],
    "OppsPage": ["popupLocalView", "popupExit"],
    "WelcomePage": ["popupDCPBindingFailed", "popupUpdateWizardMsgBox", "popupUpdateWizardStatusMsgBox",
                    "popupUpdateWizardPathErrorMsgBox", "popupUpdateWizardFolderErrorMsgBox",
                    "popupUpdateWizardDownloadErrorMsgBox"],
    "ConnectionTypeOnlyOne": ["popupWhyLedRed", "popupResetHint"],
    "DiscoveryPage": ["popupWhatIsMAC", "popupCameraNotFound"],
    "DeviceSetupPage": ["popupConfigNetworkWarning", "popupAPClientModeInternetFailed",
                        "popupAPClientModeInternetResetFailed", "popupResetHint", ("popupPasswordErrorMsgBox", ""),
                        ("popupPasswordErrorMsgBox", "Password mismatch. Please type in the password again.")],
    "DeviceWiFiChangePage": ["popupWhatIsWPS", "popupWiFiConfigFailed", "popupWPSConfigFailed",
                             "popupInternetCheckFailed", "popupRemoveEthernetCable", "popupPlugInEthernetCable",
                             "popupWirelessAutoPasswordWarning", "popupWirelessManualPasswordWarning"],
    "APModeHostToDevice": ["popupAPModeDiscoveryFailed", "popupNotAPModeFailed", "popupCameraSSIDNotFound",
                           "popupCameraModelNotMatch", "popupAPModeRemoveEthernetCable", "popupResetHint"],
    "APModeHostToDevicePasswordVerify": ["popupAPModePasswordErrorMsgBox", "popupResetHint"],
    "APModeDeviceToRouter": ["popupAPModeInputWirelessPasswordAutoWarning",
                             "popupAPModeInputWirelessPasswordManualWarning", "popupTurnOffAPSwitchWarning",
                             "popupAPModeToAPClientModeFailed"],
    "APModeHostToRouter": ["popupAPClientModeInternetFailed", "popupAPClientModeDiscoveryFailed",
                           "popupAPClientModeDiscoveryResetFailed", "popupResetHint"],
    "CloudServicesPage": ["popupNoCloudService", ("popupSignUpErrorMsgBox", "HTTP 500"),
                          "popupSignUpVerificationMsgBox", ("popupSignInErrorMsgBox", "HTTP 500"),
                          ("popupCloudFailure", "false"), ("popupCloudFailure", "true")],
}
OTHER_SCRIPTS = ("ja", "zh_CN", "zh_TW", "ko", "ru", "el")
DATA_NAMES = ["Hidden Net", "www.olvaris.invalid",  # the road's hidden Wi-Fi, the support site
              "margarethe.vanderberg@example.test"]  # the layout road's account


def plain(text):
    """A text as it reads on the screen: tags dropped, <br> a line end, spaces folded."""
    text = re.sub(r"<br\s*/?>", "\n", text or "", flags=re.I)
    text = re.sub(r"<style.*?</style>|<[^>]*>", " ", text, flags=re.S)
    return re.sub(r"\s+", " ", html.unescape(text)).strip()


def translations(code):
    """{source: translation} of resources/lang/<code>.ts, both plain."""
    table = {}
    root = ET.parse(os.path.join(SOURCE_DIR, "resources", "lang", code + ".ts")).getroot()
    for message in root.iter("message"):
        source, translation = plain(message.findtext("source")), plain(message.findtext("translation"))
        if translation and translation != source:
            table[source] = translation
    return table


@functools.lru_cache(maxsize=None)
def every_translation():
    """{language: {(context, source): translation}} of every translation file but English's: each text where it
    stands (two contexts may translate one source apart), the translations plain, those left English aside."""
    folder, tables = os.path.join(SOURCE_DIR, "resources", "lang"), {}
    for name in (name for name in os.listdir(folder) if name.endswith(".ts") and name != "en.ts"):
        root = ET.parse(os.path.join(folder, name)).getroot()
        tables[name[:-3]] = {(context.findtext("name"), source): translation
                             for context in root.iter("context") for message in context.iter("message")
                             for source, translation in [(message.findtext("source"),
                                                          plain(message.findtext("translation")))]
                             if translation not in ("", plain(source))}
    return tables


ENGLISH_ON_PURPOSE = {"olvaris", "Tervane", "H/W Version"}  # README: English in every language


@functools.lru_cache(maxsize=None)
def zone_names():
    """The time zones as the cameras name them (protocol/timezones.cpp), English in every language."""
    with open(os.path.join(SOURCE_DIR, "protocol", "timezones.cpp"), encoding="utf-8") as f:
        return sorted(set(re.findall(r'QStringLiteral\("(\(GMT[^"]*)"\)', f.read())))


@functools.lru_cache(maxsize=None)
def code_sources():
    """The texts the code passes through the translator, plain, as lupdate finds them in the product's
    folders (CMakeLists.txt's PRODUCT_DIRS), whether or not the translation files hold them yet."""
    lupdate = shutil.which("lupdate", path="/usr/lib/qt5/bin" + os.pathsep + os.environ.get("PATH", ""))
    if not lupdate:
        raise unittest.SkipTest("lupdate is not installed (Debian: qttools5-dev-tools)")
    with open(os.path.join(SOURCE_DIR, "CMakeLists.txt"), encoding="utf-8") as f:
        folders = re.search(r"set\(PRODUCT_DIRS ([^)]*)\)", f.read()).group(1).split()
    with tempfile.TemporaryDirectory() as scratch:
        target = os.path.join(scratch, "code.ts")
        subprocess.run([lupdate, "-silent"] + folders + ["-ts", target], cwd=SOURCE_DIR, check=True, timeout=120,
                       capture_output=True)
        return frozenset(plain(m.findtext("source")) for m in ET.parse(target).getroot().iter("message"))


# The code's texts that no person can reach, each with its reason: the road cannot draw them.
SUMMARY_ROW = "the summary's password row, which no road shows"
CONNECTION_WORD = "a word the guide seeks in the connection type chosen to choose its pictures, never drawn"
UNREACHED = {
    "name": "the summary's stand-in for the camera's model: its box shows once the model has replaced it",
    "account": "the summary's stand-in for the account: its box shows once the e-mail address has replaced it",
    "Name": "the Wi-Fi password box's stand-in for the network's name: the network chosen replaces it as it opens",
    "POE": CONNECTION_WORD, "PLC": CONNECTION_WORD,
    "Form": "the window title of a page's or box's form: they are drawn inside the main window",
    "Confirm Password :": "the discovery page's own password rows, which it always hides",
    "Password:": SUMMARY_ROW, "pw": SUMMARY_ROW, "Show": SUMMARY_ROW, "Hide": SUMMARY_ROW,
    "Title": "the Wi-Fi box's stand-in title: each box gets its own before it shows",
    "Your <VKC-XXXL> camera is now registered with olvaris and ready to use. You can now view your camera anywhere, "
    "anytime through the olvaris website, or through one of the mobile apps ; just use the above e-mail address and "
    "the password you created to log in.": "the summary's stand-in text: the registered camera's replaces it",
}


# Texts of one word that the code joins with others into a sentence: drawn inside it, never alone.
JOINED = {"Your": "the registered camera's summary: its first word, before the camera's model"}


def undrawn(drawn):
    """The code's texts (code_sources) that no text drawn on the English road holds (drawn: texts, plain), as
    en.ts gives them, but those of UNREACHED; a placeholder (%1) stands for any text of its line. A text of one
    word counts only where it is drawn whole (a label, a button, a list entry, a tab), not inside another text,
    unless the code joins it into a sentence (JOINED)."""
    shown, english = "\n".join(drawn), translations("en")

    def seen(source):
        text = english.get(source, source)
        pattern = ".*?".join(re.escape(piece) for piece in re.split(r"%\d", text))
        if len(text.split()) == 1 and source not in JOINED:
            return any(re.fullmatch(pattern, whole) for whole in drawn)
        return re.search(r"(?<!\w)" + pattern + r"(?!\w)", shown)

    return sorted(source for source in code_sources() - set(UNREACHED) if source and not seen(source))


def untranslated(code):
    """The code's texts that resources/lang/<code>.ts leaves English: missing there, or with no finished
    translation in any of its contexts; not those English on purpose (names, web and e-mail addresses)."""
    if code == "en":
        return set()
    finished = set()
    for message in ET.parse(os.path.join(SOURCE_DIR, "resources", "lang", code + ".ts")).getroot().iter("message"):
        translation = message.find("translation")
        if translation is not None and not translation.get("type") and plain(translation.text):
            finished.add(plain(message.findtext("source")))
    return {source for source in code_sources() - finished
            if source and source not in ENGLISH_ON_PURPOSE and not WEB_ADDRESS.fullmatch(source)
            and not re.fullmatch(r"[^@\s]+@[^@\s]+", source)}


ENGLISH_CLOCK = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec", "AM", "PM"}


def english_left(texts, table, code, missing=frozenset()):
    """The shown texts that are, or contain, an English source that the language translates or that its
    translation file leaves English (missing: untranslated(code)); in a language of another script also
    any run of Latin words that none of its translations, the road's data names or the time zones hold (a
    text of the code that never reached the translation files); a date or time edit's month or hour in
    English ("Jan", "12 AM") in another language."""
    long_sources = [s for s in table if len(s.split()) >= 3]
    long_missing = [s for s in missing if len(s.split()) >= 3]
    written = "\n".join(list(table.values()) + DATA_NAMES + zone_names()) if code in OTHER_SCRIPTS else None
    left = []
    for item in texts:
        text = plain(item["text"])
        if item["kind"] in ("widget", "open") or not text:
            continue
        words = re.findall(r"[A-Za-z][A-Za-z'-]+(?:[ ,.]+[A-Za-z][A-Za-z'-]+)+", text) if written else []
        clock = code != "en" and item["class"] in ("QDateEdit", "QTimeEdit") and ENGLISH_CLOCK & set(text.split())
        if text in table or any(s in text for s in long_sources) or [w for w in words if w not in written] or clock:
            left.append("%s %s: %r" % (item["name"], item["kind"], text[:80]))
        elif text in missing or any(s in text for s in long_missing):
            left.append("%s %s: %r, not translated in %s.ts" % (item["name"], item["kind"], text[:80], code))
    return left


# Lists whose field grows to the entry chosen: an entry shows in the field it has once chosen (the layout
# road chooses each), not in the field another entry gives the list.
FIELD_FOLLOWS_CHOICE = {"dsetupTimeZoneComboBox_comboBox"}
SCROLLED = {  # text boxes read by scrolling them
    "agreementContent_TextEdit": "the licence",
    "ConnectionTypeLocalToolTips03": "the local guide's third step, in a box with its own scroll bar",
}


def clipped(item):
    """Whether a text's letters are cut by its room, its parents or the window, or cover another text
    (as the test library measures them in the program)."""
    return bool(item.get("clipped")) and not (item["kind"] == "item" and item["name"] in FIELD_FOLLOWS_CHOICE
                                              or item["kind"] == "text" and item["name"] in SCROLLED)


FIELDS = ("QLineEdit", "QComboBox", "QDateEdit", "QTimeEdit")
CONTROLS = FIELDS + ("QPushButton", "QCheckBox", "QRadioButton", "QTableWidget", "QListWidget", "QTabBar")
RED = re.compile(r"color\s*[=:]\s*[\"']?\s*(?:#f00\b|#ff0000|red\b|rgb\(\s*255\s*,\s*0\s*,\s*0\s*\))", re.I)


def error_line(item):
    """Whether a label is an error line: named as one, or its text red."""
    return "Error" in item["name"] or bool(RED.search(item["text"]))


def uncaptioned(texts):
    """The fields a person types into or chooses from that show no caption: a label's letters in their
    popup or window on their row to their left, or right above them, with no other field between; a field
    right under one of its kind captioned from above (a column, a heading over lists), or joined to its right
    side, shares that caption."""
    fields = [item for item in texts if item["kind"] == "widget" and item["class"] in FIELDS]
    captions = [item for item in texts if item["kind"] == "text" and item["class"] == "QLabel" and not error_line(item)]

    def between(field, left, top, right, bottom):  # another field of its box in that room
        return any(other is not field and other["box"] == field["box"] and other["rect"][0] < right
                   and other["rect"][0] + other["rect"][2] > left and other["rect"][1] < bottom
                   and other["rect"][1] + other["rect"][3] > top for other in fields)

    def under(field, item, rect):  # right above the field, in its column
        x, y, width, _ = field["rect"]
        return item["box"] == field["box"] and y - 30 <= rect[1] + rect[3] <= y + 2 and rect[0] < x + width \
            and rect[0] + rect[2] > x

    def above(field):
        x, y, width, _ = field["rect"]
        return any(under(field, caption, caption["ink"])
                   and not between(field, x, caption["ink"][1] + caption["ink"][3], x + width, y)
                   for caption in captions) or any(
            other["class"] == field["class"] and other["box"] == field["box"]
            and (other["rect"][1] < y and under(field, other, other["rect"])  # its column's
                 or other["rect"][1] == y and 0 < x - other["rect"][0] <= other["rect"][2] + 5)  # joined to it
            and above(other) for other in fields)

    def beside(field):
        x, y, _, height = field["rect"]
        return any(caption["box"] == field["box"] and caption["ink"][0] + caption["ink"][2] <= x + 2
                   and y <= caption["ink"][1] + caption["ink"][3] // 2 <= y + height
                   and not between(field, caption["ink"][0] + caption["ink"][2], y, x, y + height)
                   for caption in captions)

    return ["%s shows no caption beside or above it" % field["name"] for field in fields
            if not beside(field) and not above(field)]


# Labels the form sets in another size than their page's own, and why: (points, reason).
BODY_SIZES = {
    r"Wireless\w*(Title|Name)_Label|CfgNetMsgBox(PPPoE|StaticIP)\w+Title_Label": (11, "a box's field captions"),
    r"ConnectionType\w*ToolTips\w*": (8, "the steps under their pictures"),
    r"(alreadyRegContent|cconnectionInstrction|oppsContent|oppsHint|welcomeLanguage)_Label":
        (11, "the lead text of a page without fields"),
    r"DSCP(DeviceInfoContent|OlvarisAccountTitle|OlvarisAccount|OlvarisContent)_Label":
        (10, "the summary beside the camera's picture"),
    r"DSCPDeviceInfoModelNameTitle_Label": (11, "the summary's caption of the model"),
    r"DSCPDeviceInfoModelName_Label": (12, "the camera's model, in colour"),
}


def labels_by_page(texts):
    """The labels of each page (a wizard page or panel, else a popup, box or window), top to bottom."""
    pages = {}
    for item in sorted((t for t in texts if t["kind"] == "text" and t["class"] == "QLabel"), key=lambda t: t["ink"][1]):
        pages.setdefault(item["page"], []).append(item)
    return pages


def title_of(labels):
    """A page's title: its topmost label, when it is drawn larger than all its others."""
    return labels[0] if labels and all(other["points"] < labels[0]["points"] for other in labels[1:]) else None


def link(item):
    """Whether a label's whole text is a link."""
    target = re.search(r"<a\b[^>]*>(.*?)</a>", item["text"], flags=re.S | re.I)
    return bool(target) and plain(target.group(1)) == plain(item["text"])


def misplaced(texts):
    """A page's title that shares a row with a control of its page, in any language (its letters' rows meet the
    control's); a body label (not its page's title, an error line or a link) in another size than its page's own
    font, unless BODY_SIZES gives it that size and its reason."""
    faults = []
    for page, labels in labels_by_page(texts).items():
        title = title_of(labels)
        top, bottom = (title["ink"][1], title["ink"][1] + title["ink"][3]) if title else (0, 0)
        for control in texts:
            if (control["kind"] == "widget" and control["class"] in CONTROLS and control.get("page") == page
                    and control["rect"][1] < bottom and control["rect"][1] + control["rect"][3] > top):
                faults.append("title %s shares a row with %s" % (title["name"], control["name"]))
        for label in labels:
            if label is title or error_line(label) or link(label):
                continue
            size, why = next(((size, why) for name, (size, why) in BODY_SIZES.items()
                              if re.fullmatch(name, label["name"])), (label["body"], "the size of its page"))
            if label["points"] != size:
                faults.append("%s is %s pt, not %s pt (%s)" % (label["name"], label["points"], size, why))
    return faults


def describe(item):
    """A clipped text for a failure message."""
    if item["kind"] == "overlap":
        return "%s overlap at %s: %r" % (item["name"], item["ink"], plain(item["text"])[:80])
    return "%s %r %s: needs %s, has %s, seen at %s" % (item["name"], plain(item["text"])[:50], item.get("why"),
                                                      item["need"], item["room"], item["ink"])


CJK = re.compile(r"[\u3040-\u30ff\u3400-\u4dbf\u4e00-\u9fff\uac00-\ud7af\uf900-\ufaff]")


def letters(text):
    """A line's letters: what is left without spaces, punctuation and symbols."""
    return [c for c in text if not c.isspace() and unicodedata.category(c)[0] not in "PSZ"]


def forced_pieces(text):
    """The parts of a text between its forced line ends (a rich text's breaks and paragraphs, a plain text's line
    ends), as they read."""
    text = re.sub(r"<style.*?</style>", " ", text or "", flags=re.S)
    ends = r"<br\s*/?>|</?p\b[^>]*>" if re.search(r"<[A-Za-z/!]", text) else r"\n"
    return [plain(piece) for piece in re.split(ends, text, flags=re.I) if plain(piece)]


SENTENCE_ENDS = ".!?:\u2026\u3002\uff01\uff1f"


def wrapped_pieces(item):
    """The drawn lines of each part of a text between its forced line ends (forced_pieces) that a wrap parted into
    lines, a forced line end after it: [(piece, its lines)]. None when the lines do not read as the pieces."""
    squeeze = functools.partial(re.sub, r"\s", "")
    lines = iter(line for line in item.get("lines") or [] if line.strip())
    pieces = forced_pieces(item["text"])
    wrapped = []
    for index, piece in enumerate(pieces):
        own = []
        while len(squeeze("".join(own))) < len(squeeze(piece)):
            own.append(next(lines, ""))
            if not own[-1]:
                return None
        if squeeze("".join(own)) != squeeze(piece):
            return None
        if len(own) > 1 and index < len(pieces) - 1:
            wrapped.append((piece, own))
    return wrapped


def broken_lines(item):
    """How a label's drawn lines (as the test library lays them out) break where a reader would not:
    a bold name split over lines, or alone on a line among the text's other lines; a line holding one
    CJK character and its punctuation, or punctuation only; a last line holding a CJK term of two
    characters alone ("向导。"), or of three that a forced break put there ("<br>此步骤。"); one word
    (not a web address), shorter than half the text's longest line, alone on a line inside a sentence,
    whatever ends the lines around it, a wrap or a forced break ("view / your<br>camera", "be<br>alpha<br>with");
    a wrap just before a forced break inside a sentence that leaves one or two words (a CJK word of up to three
    characters), not a web address, alone on their line ("the same Wi-Fi / network as<br>your camera"): the break
    stands where the language's line no longer reaches. A paragraph's last line may be short."""
    lines = item.get("lines") or []
    faults = []
    shown = [line for line in lines if line.strip()]
    last = len(letters(shown[-1])) if len(shown) > 1 and CJK.search(shown[-1]) else 0
    pieces = forced_pieces(item["text"])
    forced = len(pieces) > 1 and re.sub(r"\s", "", pieces[-1]) == re.sub(r"\s", "", shown[-1])
    if last == 2 or last == 3 and forced:
        faults.append("last line holds only %r" % shown[-1])
    longest = max((len(line) for line in shown), default=0)
    for before, line in zip(shown, shown[1:-1]):
        words = line.split()
        if (len(words) == 1 and letters(words[0]) and not CJK.search(words[0]) and not WEB_ADDRESS.match(words[0])
                and 2 * len(words[0]) < longest and words[0][-1] not in SENTENCE_ENDS
                and before.rstrip()[-1] not in SENTENCE_ENDS):
            faults.append("%r alone on a line inside a sentence" % words[0])
    for _, own in wrapped_pieces(item) or []:
        words = len(letters(own[-1])) if CJK.search(own[-1]) else len(own[-1].split())
        if (words <= (3 if CJK.search(own[-1]) else 2) and own[-1].rstrip()[-1] not in SENTENCE_ENDS
                and not WEB_ADDRESS.fullmatch(own[-1].strip())):
            faults.append("%r alone on a line a wrap left before a forced break" % own[-1])
    for run in item.get("bold", []):
        at = run["lines"]
        name = run["text"].strip()
        if plain(name) in pieces:  # a heading: a line of its own, wrapped as it needs
            continue
        if len(at) > 1:
            faults.append("bold %r split over lines %s" % (name, at))
        elif at and at[0] > 0 and not letters(lines[at[0]].replace(name, "")):
            faults.append("bold %r alone on line %d" % (name, at[0]))
    for index, line in enumerate(lines):
        alone = len(letters(line))
        if len(lines) > 1 and line.strip() and (alone == 0 or alone == 1 and CJK.search(line)):
            faults.append("line %d holds only %r" % (index, line))
    return ["%s lines %r: %s" % (item["name"], lines, fault) for fault in faults]


WEB_ADDRESS = re.compile(r"(?:https?://|www\.)[A-Za-z0-9./?#%&=_~+-]*[A-Za-z0-9/]"
                         r"|\b[A-Za-z0-9-]+(?:\.[A-Za-z0-9-]+)+/[A-Za-z0-9./?#%&=_~+-]*[A-Za-z0-9/]")


def broken_addresses(text):
    """The web addresses that a forced break of the text splits, wherever it falls ("www.olvaris.inva<br>lid"):
    found in the text without its breaks, holding a break. A break between letters may also part a word from
    an address beside it ("site<br>www.olvaris.invalid", "www.olvaris.invalid<br>and"): there the address
    is split only when it is one the text links to or the road shows (DATA_NAMES)."""
    pieces = []
    for piece in re.split(r"<br\s*/?>", re.sub(r"<style.*?</style>", " ", text or "", flags=re.S), flags=re.I):
        piece = re.sub(r"^(?:<[^>]*>)+|(?:<[^>]*>)+$", "", piece)  # a tag beside a break parts nothing
        pieces.append(re.sub(r"\s+", " ", html.unescape(re.sub(r"<[^>]*>", " ", piece))))
    ends = [sum(len(piece) for piece in pieces[:at + 1]) for at in range(len(pieces) - 1)]
    joined = "".join(pieces)
    links = re.findall(r"href\s*=\s*[\"']?([^\"'\s>]+)", text or "", flags=re.I) + DATA_NAMES
    known = {address for link in links for address in (link, re.sub(r"^https?://", "", link))
             if WEB_ADDRESS.fullmatch(address)}
    found = {address for address in known for at in re.finditer(re.escape(address), joined)
             if any(at.start() < end < at.end() for end in ends)}

    def parts_two(match, end):  # a break between letters that ends a word or address and begins another
        near, far = joined[match.start():end], joined[end:match.end()]
        return (joined[end - 1].isalnum() and joined[end].isalnum()
                and all(re.fullmatch(r"[^\W_]+", part) or WEB_ADDRESS.fullmatch(part) for part in (near, far)))

    return found | {match.group() for match in WEB_ADDRESS.finditer(joined)
                    if any(match.start() < end < match.end() and not parts_two(match, end) for end in ends)}


def cut_addresses(item):
    """The web addresses of a label that its drawn lines cut: a line ends inside one and the next goes on
    with it ("www.olvaris.invalid/" then "support"), wherever the cut falls, a wrap's or a forced break's,
    and in any script."""
    lines = item.get("lines") or []
    faults = []
    for address in set(WEB_ADDRESS.findall(plain(item["text"]))) | broken_addresses(item["text"]):
        for index in range(len(lines) - 1):
            end, start = lines[index], lines[index + 1]
            for cut in range(1, len(address)):
                rest = address[cut:]
                if end.endswith(address[:cut]) and start and (start.startswith(rest) or rest.startswith(start)):
                    faults.append("%s lines %r: web address %r cut after %r" % (item["name"], lines, address,
                                                                               address[:cut]))
                    break
    return faults


SPACELESS = ("ja", "zh_CN", "zh_TW")  # languages written without spaces between words


def split_words(item):
    """The forced breaks of a text with a letter on either side: in a translation into a language that parts its
    words with spaces a break beside a space parts words, one without splits a word ("fournis<br>seur")."""
    return ["%s: a break between %r and %r splits a word" % (item["name"], left, right) for left, right in re.findall(
        r"([^\W\d_])(?:<[^>]*>)*<br\s*/?>(?:<[^>]*>)*(?=([^\W\d_]))", item["text"], flags=re.I)]


def line_breaks(texts, spaced_translation=False):
    """The broken_lines of a screen's labels and the web addresses they cut, in every language, and the words
    they split in a translation into a language that parts its words with spaces."""
    faults = []
    for item in texts:
        if item["kind"] == "text":
            faults += cut_addresses(item) + broken_lines(item) + (split_words(item) if spaced_translation else [])
    return ["line break: " + fault for fault in faults]


WORD = re.compile(r"[^\W\d_]+(?:['’-][^\W\d_]+)*")
ENGLISH_NAMES = ("Wi-Fi Protected Setup", "Power over Ethernet")  # names kept in English, as phrases


def vocabulary(texts, least=1):
    """The words (in lower case) that least of the texts or more hold."""
    counts = collections.Counter(word for text in set(texts) for word in {w.lower() for w in WORD.findall(text)})
    return {word for word, count in counts.items() if count >= least}


def english_runs(texts, english, own):
    """The runs of three words or more left in English inside a translated text: words of the English texts
    (english) that the language does not use (own: the words two of its translations or more hold), between
    spaces or commas; the names kept in English (ENGLISH_NAMES, DATA_NAMES) and the time zones aside."""
    faults = []
    for item in texts:
        text = plain(item["text"])
        if item["kind"] in ("widget", "open", "overlap") or text in zone_names():
            continue
        for name in ENGLISH_NAMES + tuple(DATA_NAMES):
            text = text.replace(name, "|")
        for segment in re.split(r"[^\w\s,'’-]|[\d_]", text):
            run = []
            for word in WORD.findall(segment) + [""]:
                if word.lower() in english and word.lower() not in own:
                    run.append(word)
                    continue
                if len(run) >= 3:
                    faults.append("%s %s: %r in %r" % (item["name"], item["kind"], " ".join(run), text[:80]))
                run = []
    return faults


NO_LINE_START = ("、。，．・：；？！）］｝〕〉》」』】〙〗〟’”｠»"
                 "ヽヾゝゞ々〻ー‐゠–〜～ぁぃぅぇぉっゃゅょゎゕゖァィゥェォッャュョヮヵヶ,.:;!?)]}")
NO_LINE_END = "（［｛〔〈《「『【〘〖〝‘“｟«([{"


def kinsoku(texts):
    """In Chinese and Japanese, the drawn lines that begin with closing punctuation or a small kana, or end with
    an opening bracket: no reader breaks a line there."""
    faults = []
    for item in texts:
        lines = [line for line in item.get("lines") or [] if line]
        faults += ["%s line %r begins with %r" % (item["name"], line, line[0])
                   for line in lines[1:] if line[0] in NO_LINE_START]
        faults += ["%s line %r ends with %r" % (item["name"], line, line[-1])
                   for line in lines[:-1] if line[-1] in NO_LINE_END]
    return faults


def luminance(colour):
    """The relative luminance of an sRGB colour "#rrggbb", as WCAG 2 reckons it."""
    channels = [int(colour[at:at + 2], 16) / 255 for at in (1, 3, 5)]
    red, green, blue = [c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4 for c in channels]
    return 0.2126 * red + 0.7152 * green + 0.0722 * blue


def contrast(one, other):
    """WCAG 2's contrast ratio of two colours, 1 to 21."""
    darker, lighter = sorted((luminance(one), luminance(other)))
    return (lighter + 0.05) / (darker + 0.05)


# Under WCAG's 3 for large text, over what a reader cannot make out: the wizard's own light colours pass (its
# blue titles on white, 2.59; its captions in white on its blue buttons, 3.12), #eeeeee on white (1.16) fails.
LEAST_CONTRAST = 2.0


def low_contrast(texts, least=LEAST_CONTRAST):
    """The texts drawn in a colour whose contrast with what lies behind them (its ground as the test library
    reads the window; none where another widget covers them) is under least. A disabled control's caption is
    exempt: the wizard greys it out on purpose (white on its pale blue, 1.59), as WCAG exempts inactive controls."""
    return ["%s %s %r: %s on %s, contrast %.2f under %s" % (item["name"], item["kind"], plain(item["text"])[:40],
                                                          colour, item["ground"], contrast(colour, item["ground"]),
                                                          least)
            for item in texts if "ground" in item and item.get("enabled", True)
            for colour in item["colours"] if contrast(colour, item["ground"]) < least]


# Languages whose translations may agree word for word.
CLOSE_LANGUAGES = ({"pt", "pt_BR"}, {"da", "no", "sv"}, {"zh_CN", "zh_TW"})


def sentence(text):
    """Whether a text says enough that two languages do not share it by chance: four words in lower case or
    more (names, numbers and acronyms aside), or eight CJK characters."""
    return len([word for word in WORD.findall(text) if word.islower()]) >= 4 or len(CJK.findall(text)) >= 8


def copied_translations(tables, code):
    """The language's translations ({language: {text: translation}}) that are word for word another language's
    translation of the same text, close languages aside: {translation: that language}."""
    close = set().union({code}, *(group for group in CLOSE_LANGUAGES if code in group))
    return {translation: other for other in sorted(set(tables) - close) for source, translation in tables[code].items()
            if tables[other].get(source) == translation and sentence(translation)}


def copied(texts, copies):
    """The shown texts that hold one of the language's copies of another's translation (copied_translations), each
    placeholder of the copy ("%1") standing for what the code puts in its place."""
    patterns = {copy: re.compile(".*?".join(re.escape(piece) for piece in re.split(r"%\d+", copy)), re.S)
                for copy in copies}
    return ["%s %s: %r is word for word the %s translation" % (item["name"], item["kind"], copy[:60], other)
            for item in texts if item["kind"] not in ("widget", "overlap")
            for copy, other in copies.items() if patterns[copy].search(plain(item["text"]))]


MARKUP_LETTERS = re.compile(r"&(?:#\d+|#x[0-9a-f]+|[a-z][a-z0-9]*);|%[ \u00a0]?(?:L?\d|n\b)", re.I)


def markup_drawn(texts):
    """The entities ("&nbsp;", "&amp;") and placeholders ("%1", "% 1", "%n") drawn as letters: in a label's or
    text box's drawn lines, in a rich tooltip as it reads, in any other text as it stands."""
    faults = []
    for item in texts:
        if item["kind"] in ("widget", "overlap"):
            continue
        drawn = "\n".join(item["lines"]) if "lines" in item else item["text"]
        if item["kind"] == "tooltip" and re.search(r"<[A-Za-z]", drawn):
            drawn = plain(drawn)
        faults += ["%s %s: %r drawn in %r" % (item["name"], item["kind"], found, drawn[:80])
                   for found in MARKUP_LETTERS.findall(drawn)]
    return faults


BACK = re.compile(r"(Back|Prev)_(Push)?Button$")
NEXT = re.compile(r"Next_(Push)?Button$")


def back_after_next(texts, back="Back", forward="Next"):
    """The Back buttons right of the Next button of their page or popup, on their row: buttons named so, or
    captioned with the language's Back and Next (back, forward)."""
    captions = {(t["page"], t["name"]): plain(t["text"]) for t in texts if t["kind"] == "text"}
    buttons = [t for t in texts if t["kind"] == "widget" and t["class"] == "QPushButton"]

    def named(button, pattern, caption):
        return pattern.search(button["name"]) or captions.get((button["page"], button["name"])) == caption

    return ["%s is right of %s" % (b["name"], n["name"]) for b in buttons if named(b, BACK, back) for n in buttons
            if named(n, NEXT, forward) and n["page"] == b["page"] and b["rect"][0] > n["rect"][0]
            and b["rect"][1] < n["rect"][1] + n["rect"][3] and n["rect"][1] < b["rect"][1] + b["rect"][3]]


FACE = re.compile(r"(?<![\w-])(background-image|image)\s*:\s*url\(\s*([^)]*?)\s*\)")


def narrow_faces(texts):
    """The buttons whose style sheet draws a picture smaller than the button (as the test library gives their
    style and its pictures' sizes): a background picture repeats from the top left, showing its edge again
    inside, an image keeps its size; a border image stretches to the button."""
    return ["%s: %s %s is %dx%d, the button %dx%d" % ((item["name"], prop, url) + tuple(item["pictures"][url])
                                                      + tuple(item["rect"][2:]))
            for item in texts if item["kind"] == "widget" and item.get("pictures")
            for prop, url in FACE.findall(item["style"])
            if item["pictures"][url][0] < item["rect"][2] or item["pictures"][url][1] < item["rect"][3]]


# The page a popup of the road is opened over: a page the road shows alone, or the page a panel stands on; a
# screen of OVER_PAGE over another page, the one the popup says its text over.
POPUP_PAGES = dict([(page, page) for page in PAGES + ["WelcomePage"]]
                   + [("ConnectionTypeOnlyOne", "CameraConnectionPage")])
OVER_PAGE = {"popup_CloudServicesPage_popupCloudFailurefalse": "DeviceSetupPage"}  # its Next waited for the cloud


def popup_page(screen):
    """The page a popup's screen ("popup_<page>_<slot>...") shows under it, or None."""
    return OVER_PAGE.get(screen, POPUP_PAGES.get(screen.split("_")[1]) if screen.startswith("popup_") else None)


def missing_popup(screen, texts):
    """A screen named for a popup ("popup_<page>_<slot>...") or a box ("..._box_...") that shows none: a popup or
    box drawn (mapped, with its parents) inside its window; a popup over its page (popup_page)."""
    if not re.match(r"popup_|[a-z]+_box_", screen):
        return []
    windows = {t["window"]: t["rect"] for t in texts if t["kind"] == "widget" and t["box"] == t["name"] == t["page"]}

    def inside(rect, room):
        return rect[0] >= 0 and rect[1] >= 0 and rect[0] + rect[2] <= room[2] and rect[1] + rect[3] <= room[3]

    faults = [] if any(t["kind"] == "widget" and "MessageBox" in t["class"]
                       and inside(t["rect"], windows.get(t["window"], [0, 0, 0, 0])) for t in texts) \
        else ["%s shows no popup or box" % screen]
    page = popup_page(screen)
    if page and not any(t["page"] == page and "MessageBox" not in t["class"] for t in texts):
        faults.append("%s is not drawn over its page %s" % (screen, page))
    return faults


def within(rect, room):
    """Whether rect lies wholly in room (x, y, width, height each)."""
    return room[0] <= rect[0] and room[1] <= rect[1] and rect[0] + rect[2] <= room[0] + room[2] \
        and rect[1] + rect[3] <= room[1] + room[3]


def meet(one, other):
    """Whether two rectangles share a pixel."""
    return one[0] < other[0] + other[2] and other[0] < one[0] + one[2] and one[1] < other[1] + other[3] \
        and other[1] < one[1] + one[3]


def letters_of(item):
    """Where a text's letters are drawn: each line's glyphs (a label), a button's caption, else its letters."""
    return [rect for rect in item.get("glyphs") or [item.get("caption") or item["drawn"]] if rect[2] and rect[3]]


def covered(texts):
    """The texts whose letters meet a picture (its picture's own place, not its label's) or a control (a button, field,
    list, view, tab bar) of their popup or window, other than their own widget and its parents: drawn under it or over
    it, the reader loses letters or reads them over lines and colours. A picture or control that holds the whole text's
    widget is its ground, and hides it only when drawn over it. A text under a shade (the dimming behind a popup, the
    busy overlay) is not read then and is left out."""
    painters = [t for t in texts if t["kind"] == "widget" and t.get("paints") and "z" in t]
    faults = []
    for item in texts:
        if item["kind"] == "widget" or "drawn" not in item or "z" not in item:
            continue
        letters = letters_of(item)
        whole = [min(r[0] for r in letters), min(r[1] for r in letters)] if letters else []
        if whole:
            whole += [max(r[0] + r[2] for r in letters) - whole[0], max(r[1] + r[3] for r in letters) - whole[1]]
        own = item["z"]
        if not whole or any(p["paints"] == "shade" and p["window"] == item["window"] and p["z"][0] > own[1]
                            and within(whole, p["drawn"]) for p in painters):
            continue
        for painter in painters:
            at = painter["z"][0]
            if painter["paints"] == "shade" or painter["box"] != item["box"] or painter["window"] != item["window"] \
                    or at <= own[0] <= painter["z"][1]:  # itself or one of its parents
                continue
            if not any(meet(rect, painter["drawn"]) for rect in letters):
                continue
            above = at > own[0]
            if within(item["rect"], painter["drawn"]) and not above:
                continue  # its ground
            faults.append("%s %r runs %s %s %s" % (item["name"], plain(item["text"])[:40], "under" if above else "over",
                                                   painter["paints"], painter["name"] or painter["class"]))
    return faults


# The blank rows of pixels a text's lines keep from another text's lines over or under them.
LEAST_GAP = 3


def crowded(texts, least=LEAST_GAP):
    """The texts of one popup or window whose drawn lines (their glyphs) come closer than least px to another text's
    over or under them, their columns meeting: the reader sees one text's letters touch the other's (a hint on the error
    line under it) or takes the two for one. Texts side by side on one line may adjoin (a link glued to its word);
    texts that cover each other are the test library's overlaps."""
    labels = [t for t in texts if t["kind"] == "text" and t.get("glyphs") and "z" in t]
    faults = []
    for at, one in enumerate(labels):
        for other in labels[at + 1:]:
            if other["box"] != one["box"] or other["window"] != one["window"] or other["z"] == one["z"]:
                continue
            gaps = [max(b[1] - a[1] - a[3], a[1] - b[1] - b[3]) for a in one["glyphs"] for b in other["glyphs"]
                    if a[0] < b[0] + b[2] and b[0] < a[0] + a[2]]
            if gaps and min(gaps) < least:
                faults.append("%s %r and %s %r: %d px apart, under %d" % (
                    one["name"], plain(one["text"])[:30], other["name"], plain(other["text"])[:30], min(gaps), least))
    return faults


# The blank rows of pixels the font's own line spacing keeps between the letters of a text's lines in the wizard's
# fonts and sizes, in every script; one row is left where a line's tall accents meet the deep descenders over them
# ("Τύπος" over "κρυπτογράφησης"), which the spacing does not hold apart.
LEAST_LINE_GAP = 2


def crowded_lines(texts, least=LEAST_LINE_GAP):
    """The texts whose lines come closer than the font's own line spacing: a line's baseline nearer the next line's
    than the room its fonts ask below it and the next line's fonts ask above it (as the test library gives them; a
    line height narrowed in code or a style sheet), half a pixel spared for rounding; or the glyphs of two lines, one
    over the other, closer than least px (the spacing not enough for the letters they hold)."""
    faults = []
    for item in (t for t in texts if t["kind"] == "text"):
        lines = list(zip(item.get("glyphs", []), item.get("baselines", [])))
        for (one, (baseline, _, below)), (other, (next_baseline, above, _)) in zip(lines, lines[1:]):
            if one[0] >= other[0] + other[2] or other[0] >= one[0] + one[2]:
                continue  # side by side
            pitch, gap = next_baseline - baseline, other[1] - one[1] - one[3]
            if pitch < below + above - 0.5 or gap < least:
                faults.append("%s %r: lines %d px apart, %.1f px from baseline to baseline where the font spaces them "
                              "%.1f px" % (item["name"], plain(item["text"])[:30], gap, pitch, below + above))
    return faults


# The room a button's caption keeps from each of its ends: its face's rounded end (6 px) and 2 px more.
CAPTION_ENDS = 8


def tight_captions(texts, least=CAPTION_ENDS):
    """The push buttons with a face (a picture of their style sheet) whose caption, where the button draws it (its
    icon too), comes closer than least px to either end of it: it crowds the face's rounded end, in a button grown
    for it or not. A button drawn as a link has no face and no ends."""
    faced = {tuple(t["z"]) for t in texts if t["kind"] == "widget" and "z" in t
             and any(width > 0 for width, _ in t.get("pictures", {}).values())}
    faults = []
    for item in texts:
        if item["kind"] == "text" and item.get("caption") and tuple(item.get("z", ())) in faced:
            left = item["caption"][0] - item["rect"][0]
            right = item["rect"][0] + item["rect"][2] - item["caption"][0] - item["caption"][2]
            if min(left, right) < least:
                faults.append("%s %r: its caption %d and %d px from its ends, under %d" % (
                    item["name"], plain(item["text"])[:30], left, right, least))
    return faults


# The captions that stand beside their field on its left, each with its field: their letters end CAPTION_GAP px before
# it in every language (README), the caption growing to the left as the language needs; a pixel either way is the
# rounding of a letter's outline.
CAPTIONS_BESIDE = {"dsetupDSTHourOffsetLabel_Label": "dsetupDSTHourOffset_ComboBox",
                   "dsetupDSTStartLabel_Label": "dsetupStartMonth_QDateEdit",
                   "dsetupDSTEndLabel_Label": "dsetupEndMonth_QDateEdit"}
CAPTION_GAP = 8


def caption_gaps(texts, gap=CAPTION_GAP):
    """The captions of CAPTIONS_BESIDE whose letters end nearer their field than gap px, or farther, by more than a
    pixel."""
    fields = {t["name"]: t["rect"] for t in texts if t["kind"] == "widget" and t["name"] in CAPTIONS_BESIDE.values()}
    faults = []
    for item in texts:
        field = fields.get(CAPTIONS_BESIDE.get(item["name"])) if item["kind"] == "text" else None
        if field and item.get("glyphs"):
            room = field[0] - max(rect[0] + rect[2] for rect in item["glyphs"])
            if abs(room - gap) > 1:
                faults.append("%s %r ends its letters %d px before its field, not %d" % (
                    item["name"], plain(item["text"]), room, gap))
    return faults


# What a screen of the layout road shows a person before they act: the states of its controls ("shown" or "hidden",
# "enabled" or "disabled", "checked" or "unchecked"). Each control a screen of the table shows (its buttons, fields,
# lists, boxes and links) is named there, or in NOT_JUDGED with the reason its state is not judged.
FRAME = {"mainExit_Label": "enabled"}  # the main window's exit link, under every page
GUIDE = dict(FRAME, cconnection_ComboBox="enabled", cconnectionPrev_PushButton="enabled")  # on the model listed first
GUIDE_PROMPT = dict(GUIDE, cconnectionHWVersion_ComboBox="hidden", CTypeMoreThanOne_ComboBox="hidden",
                    cconnectionNext_PushButton="disabled", cconnectionSkip_PushButton="enabled")
DISCOVERY = dict(FRAME, discoveryCameraTb_TableWidget="enabled", discoveryPrev_Button="enabled",
                 discoveryRefresh_Button="enabled", discoveryNext_Button="disabled",  # until a camera is chosen
                 discoveryHint_Label="enabled", discoveryWhatIsMAC_Label="enabled")
SETUP = dict(FRAME, dsetupCameraName_LineEdit="enabled", dsetupCameraPasscode_LineEdit="enabled",
             dsetupTimeZoneComboBox_comboBox="enabled", dsetupDSTCheckBox_CheckBox="enabled unchecked",
             dsetupDSTSwitch_GroupBox="hidden", dsetupStartMonth_QDateEdit="hidden", dsetupBack_Button="enabled",
             dsetupNext_Button="enabled")
NEW_PASSWORD = dict(SETUP, dsetupRetypePasscode_LineEdit="enabled", dsetupPasswordErrorHint_Label="shown",
                    dsetupForgotPassword_Label="hidden")
WIFI_LIST = dict(FRAME, dwifiWiFi_PushButton="enabled", dwifiWPS_PushButton="enabled",
                 dwifiSiteSurveyList_ListWidget="enabled", dwifiManual_PushButton="enabled",
                 dwifiReScan_PushButton="enabled", dwifiSkip_Button="enabled",
                 dwifiConnect_Button="disabled")  # until a network is chosen
CONTROL_STATES = {
    "launcher": {"launcherSetupCamera_Button": "enabled", "launcherInstallViewer_Button": "enabled",
                 "launcherManual_Button": "enabled", "launcherInstallPdfReader_Button": "enabled",
                 "launcherExit_Label": "enabled"},
    "welcome": dict(FRAME, welcomeLanguageComboBox_ComboBox="enabled", welcomeStart_Button="enabled",
                    mainZero_Label="enabled"),
    "licence": dict(FRAME, agreementContent_TextEdit="enabled", agreementCheck_CheckBox="enabled unchecked",
                    agreementPrev_PushButton="enabled", agreementNext_PushButton="disabled"),
    "guide": GUIDE, "guide_after_discovery": GUIDE, "guide_prompt": GUIDE_PROMPT, "local_guide_prompt": GUIDE_PROMPT,
    "discovery_no_camera": DISCOVERY, "discovery": DISCOVERY,
    "setup_korva": NEW_PASSWORD, "setup_new": NEW_PASSWORD,
    "setup": dict(SETUP, dsetupRetypePasscode_LineEdit="hidden", dsetupPasswordErrorHint_Label="hidden",
                  dsetupForgotPassword_Label="shown"),
    "cloud_reached": dict(FRAME, cloudServiceSignIn_PushButton="enabled", cloudServiceSignUp_PushButton="enabled",
                          cloudServicePrev_PushButton="enabled", cloudServiceSkip_PushButton="enabled"),
    "no_internet": dict(FRAME, mainZero_Label="enabled", oppsExit_PushButton="enabled",  # after the welcome page
                        oppsLocalView_PushButton="enabled", oppsRetry_PushButton="enabled"),
    "wifi_list": WIFI_LIST,
    "wifi_network_chosen": dict(WIFI_LIST, dwifiConnect_Button="enabled"),
    "summary_device": dict(FRAME, DSCPShortcutCheck_CheckBox="enabled unchecked", DSCPFinish_Button="enabled"),
}
MODEL_FIRST = "the guide's controls on the model listed first, which the language's spelling of the prompt decides"
NOT_JUDGED = {"cconnectionNext_PushButton": MODEL_FIRST + " (enabled for a model, disabled for the prompt)",
              "cconnectionSkip_PushButton": MODEL_FIRST + " (shown for the prompt)"}


def controls(texts):
    """The names of the controls a screen shows a person: its buttons, fields, lists and boxes, and its links."""
    links = {t["name"] for t in texts if t["kind"] == "text" and t.get("class") == "QLabel" and link(t)}
    return [t["name"] for t in texts if t["kind"] == "widget" and t["name"]
            and (t.get("class") in CONTROLS + ("QTextEdit",) or t["name"] in links)]


def control_states(screen, texts, table=CONTROL_STATES):
    """The controls of a screen of the table in another state than the one it shows a person before they act, and
    those it shows that the table does not name (nor NOT_JUDGED)."""
    shown = {t["name"]: t for t in texts if t["kind"] == "widget" and t["name"]}
    faults = ["%s is shown, but %s does not say its state" % (name, screen) for name in controls(texts)
              if screen in table and name not in table[screen] and name not in NOT_JUDGED]
    for name, states in table.get(screen, {}).items():
        widget = shown.get(name)
        if widget is None or "hidden" in states.split():
            if (widget is None) != ("hidden" in states.split()):
                faults.append("%s is %s, not %s" % (name, "hidden" if widget is None else "shown", states))
            continue
        now = ("enabled" if widget.get("enabled", True) else "disabled",) + (
            () if "checked" not in widget else ("checked" if widget["checked"] else "unchecked",))
        if set(states.split()) - set(now) - {"shown"}:
            faults.append("%s is %s, not %s" % (name, " ".join(now), states))
    return faults


def unopened(texts, name):
    """How a list (a combo box) fails to open for a person's click, as the screen after the click shows it: it is not
    shown, shown disabled, or shown closed, or its open entries cannot be told apart from where they are."""
    widgets = [t for t in texts if t["kind"] == "widget" and t["name"] == name]
    if not widgets:
        return ["%s is not shown" % name]
    if not widgets[0].get("enabled", True):
        return ["%s is disabled: a person cannot open it" % name]
    if not widgets[0].get("open"):
        return ["%s does not open for a click" % name]
    if not any("at" in t for t in texts if t["kind"] == "open" and t["name"] == name):
        return ["%s opens without its entries" % name]
    return []
