#!/usr/bin/env python3
"""Every translation file through the checks of translate-toolkit's pofilter, as translators run them: each check on
the text as it reaches its concern (Qt's markup and placeholders as the code gives them to Qt, the words as a person
reads them), each waiver named by its check, languages and kind of text, with its reason; planted texts show each
check catching its fault. Unit label: it needs pofilter (Debian: translate-toolkit) and nothing else."""

import concurrent.futures
import html
import os
import re
import shutil
import subprocess
import tempfile
import unittest
import xml.etree.ElementTree as ET

SOURCE_DIR = os.environ.get("SOURCE_DIR", os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))))
LANG_DIR = os.path.join(SOURCE_DIR, "resources", "lang")


def as_qt_gets_it(text, code):
    """The text as the code hands it to Qt, its entities read ("&amp;" as Qt's "&&", a plain ampersand) and its line
    breaks as a line's end (each language breaks its lines where its words fall): markup, placeholders, accelerators
    and white space kept."""
    return html.unescape(re.sub(r"<br\s*/?>", "\n", text.replace("&amp;", "&&"), flags=re.I))


CJK = ("ja", "zh_CN", "zh_TW")  # no space between words


def as_read(text, code="en"):
    """The text as a person reads it: a style sheet and tags dropped, a tag that parts lines or blocks a space (nothing
    in Chinese and Japanese, nor after a compound's hyphen), entities read, runs of white space one space (a no-break
    space kept)."""
    text = re.sub(r"<style.*?</style>", " ", text, flags=re.S | re.I)
    text = re.sub(r"(?<=\w-)<br\s*/?>", "", text, flags=re.I)
    text = re.sub(r"</?(?:br|p|div|li|ul|ol|tr|td|th|table|hr|html|body|head|h\d)\b[^>]*>", "" if code in CJK else " ",
                  text, flags=re.I)
    text = re.sub(r"<[^>]*>", "", text)
    return re.sub(r"[ \t\r\n]+", " ", html.unescape(text)).strip()


def spaced_colon(text):
    """The source's captions put a space before their colon ("Camera Name :"), a style of its forms that no language
    keeps (French writes its own no-break space): read as a colon."""
    return re.sub(r" :(?=\s|$)", ":", text)


# What each check is given, source and translation: markup, placeholders, accelerators and the white space at a text's
# ends as Qt gets them; words, numbers and marks as a person reads them, the source's spaced colon read as a colon.
READINGS = {
    "qt": (lambda text: as_qt_gets_it(text, "en"), as_qt_gets_it),
    "read": (lambda text: spaced_colon(as_read(text)), as_read),
}
CHECKS = {
    "qt": ["xmltags", "variables", "accelerators", "escapes", "tabs", "startwhitespace", "endwhitespace", "urls",
           "emails", "blank", "untranslated", "doublespacing"],
    "read": ["doublewords", "numbers", "brackets", "endpunc", "startpunc", "puncspacing", "sentencecount", "purepunc", "unchanged", "filepaths", "options", "functions", "kdecomments"],
}
# pofilter's checks not run, and why.
LEFT_OUT = {
    "printf": "Qt's placeholders are not printf's: \"%2mobile\" reads as a conversion; variables and tst_translations "
              "check them",
    "pythonbraceformat": "no Python format strings",
    "newlines": "a line break's place is the layout's: each language breaks its lines where its words fall, and the "
                "layout road judges them",
    "doublequoting": "counts English and French marks alone, where each language writes its own and may quote a "
                     "caption the source names bare; tst_translations pairs each language's own marks",
    "singlequoting": "counts apostrophes with quotes; tst_translations pairs each language's own marks",
    "acronyms": "languages write their own acronyms (PLC is CPL in French, an ID an identifiant)",
    "simplecaps": "capitals are the language's own: German nouns, headings in sentence case",
    "startcaps": "capitals are the language's own: a sentence may start with the product's lower-case name",
    "short": "a text's room is judged on the screen by the layout road, not by its length",
    "long": "a text's room is judged on the screen by the layout road, not by its length",
    "spellcheck": "no dictionary of every language is installed; names and models are no words",
    "validchars": "tst_translations checks each language's letters",
    "musttranslatewords": "needs a list of words; tst_translations and the layout road find English left over",
    "notranslatewords": "needs a list of words; the names kept in English are the README's",
    "simpleplurals": "no text is put in an English plural with (s)",
    "credits": "no translator credits in a program's texts",
    "compendiumconflicts": "no gettext compendium",
    "isfuzzy": "a translation file's state: tst_translations fails an unfinished text",
    "isreview": "a translation file's state: tst_translations fails an unfinished text",
    "nplurals": "no plural forms: the wizard's texts have none",
    "hassuggestion": "no suggestions in Qt's translation files",
}

# Stand-ins the code replaces before a person sees them (the forms' titles, the summary's and the Wi-Fi box's names).
STAND_INS = {"Form", "name", "pw", "account", "Title", "Name", "Network"}
# Words a language writes as English does, each with its meaning there.
SAME_WORDS = {"da": {"Gateway", "Start"}, "de": {"Gateway", "Auto"}, "es": {"Error", "Manual", "No"}, "fr": {"Auto"},
              "it": {"Gateway", "Password", "No"}, "nl": {"Gateway", "Week"}, "no": {"Gateway", "Start"},
              "pt": {"Gateway", "Manual"}, "pt_BR": {"Gateway", "Manual"}, "ro": {"Gateway", "Manual"},
              "sv": {"Gateway"}}
FULL_WIDTH = str.maketrans("？！：。（）", "?!:.()")
END = ".!?:"


def piece(source):
    """Whether a source is a piece of a text the code joins, ending inside a sentence after another's end ("olvaris and
    is ready to use. You can now view your")."""
    return source[-1:].isalpha() and re.search(r"[.;!?] \S+(?: \S+)*$", source)


def sentences(message):
    """The sentences pofilter counted, the source's and the translation's ("Different number of sentences: 1 ≠ 2")."""
    counted = re.search(r"(\d+) ≠ (\d+)", message)
    return (int(counted.group(1)), int(counted.group(2))) if counted else (0, 0)


# Each waiver: (check, languages or "*", the kind of text, its test of (language, source, translation, pofilter's
# message) as the check reads them, the reason).
WAIVERS = [
    ("xmltags", "*", "angle brackets around words in a plain text (Select < Your Home Wi-Fi >)",
     lambda code, s, t, m: "< " in s and not re.search(r"<[A-Za-z/!]", s),
     "no tag: the code shows the marks as letters, the words inside translated"),
    ("endwhitespace", "*", "a piece of a text the code joins, its source ending in a line break",
     lambda code, s, t, m: s.endswith("\n") and (t[-1:].isspace() or t.endswith("-")),
     "the language's words run on into the next piece: a space, or a compound's hyphen (olvaris-webstedet)"),
    ("endpunc", "*", "a caption's colon, full-width or after a space",
     lambda code, s, t, m: s.endswith(":") and t.rstrip().translate(FULL_WIDTH).endswith(":"),
     "French puts a no-break space before it; Chinese and Japanese write it full-width"),
    ("endpunc", "ja zh_CN zh_TW", "the source's end mark written full-width",
     lambda code, s, t, m: s[-1:] in END and t[-1:].translate(FULL_WIDTH) == s[-1:],
     "pofilter knows the full-width full stop alone"),
    ("endpunc", "ja", "a question put as a heading or link, ending in とは or 場合",
     lambda code, s, t, m: s.endswith("?") and t.endswith(("とは", "場合")),
     "Japanese asks \"what is\" and \"in case\" without a question mark"),
    ("endpunc", "*", "a link the language puts as a question (Forgot Password: Zapomněli jste heslo?)",
     lambda code, s, t, m: s[-1:].isalpha() and t[-1:] in "?;？",
     "the languages ask where English names the link; Greek's question mark is ';'"),
    ("endpunc", "fr pl ro", "a shortened word's full stop (Dim., Pt., dvs.)",
     lambda code, s, t, m: s[-1:].isalpha() and re.search(r"(?:^|\s)\w{1,5}\.$", t),
     "the language marks a shortened word, where English writes Sun, Mon"),
    ("endpunc", "*", "a piece of a text the code joins, ending in a sentence its next piece ends in the source",
     lambda code, s, t, m: piece(s) and t[-1:].translate(FULL_WIDTH) == ".",
     "the language orders its words otherwise: the sentence ends in this piece"),
    ("sentencecount", "*", "a piece of a text the code joins, ending in a sentence its next piece ends in the source",
     lambda code, s, t, m: piece(s) and sentences(m)[1] == sentences(m)[0] - 1 and t[-1:].translate(FULL_WIDTH) == ".",
     "pofilter counts the source's unfinished sentence"),
    ("sentencecount", "ko", "a sentence that starts with a digit or in Hangul, which has no capitals",
     lambda code, s, t, m: len(re.findall(r"[.!?](?:\s|$)", t)) >= sentences(m)[0],
     "pofilter finds a sentence's start by a capital letter"),
    ("sentencecount", "zh_CN zh_TW", "a numbered list after a full-width colon (以下各项： 1.)",
     lambda code, s, t, m: re.search(r"：\s*1\.", t) and t.count("。") >= sentences(m)[0] - 1,
     "pofilter reads the source's \": 1.\" as a sentence, not the full-width colon's"),
    ("endpunc", "*", "a text of one mark (the \"?\" link)",
     lambda code, s, t, m: s == t and not any(c.isalnum() for c in s),
     "a mark a person clicks, alike in every language"),
    ("startpunc", "*", "a text of one mark (the \"?\" link)",
     lambda code, s, t, m: s == t and not any(c.isalnum() for c in s),
     "a mark a person clicks, alike in every language"),
    ("startpunc", "es", "a question or exclamation opening with ¿ or ¡",
     lambda code, s, t, m: t[:1] in "¿¡", "Spanish opens them so"),
    ("startpunc", "ja zh_CN zh_TW", "an opening bracket written full-width",
     lambda code, s, t, m: s[:1] == "(" and t[:1] == "（", "Chinese and Japanese write it so"),
    ("startpunc", "ko", "a control's caption in square brackets at the start",
     lambda code, s, t, m: re.match(r"\[[^\]]+\]", t), "Korean names a control so ([검색])"),
    ("brackets", "ja zh_CN zh_TW", "brackets written full-width",
     lambda code, s, t, m: all(s.count(b) == t.translate(FULL_WIDTH).count(b) for b in "()[]{}"),
     "Chinese and Japanese write them so"),
    ("brackets", "cs hu pl ru sl", "a word's other ending in brackets (Přečetl(a), a(z))",
     lambda code, s, t, m: all(s.count(b) == re.sub(r"(?<=\w)\(-?\w{1,3}\)", "", t).count(b) for b in "()[]"),
     "the language writes a gender's or a sound's other ending so"),
    ("brackets", "ko", "a control's caption in square brackets ([확인]), a particle's other form in brackets (을(를))",
     lambda code, s, t, m: all(s.count(b) == re.sub(r"\[[^\[\]]+\]|(?<=\w)\(\w\)", "", t).count(b)
                               for b in "()[]"),
     "Korean names a control so, and writes a particle's form after a vowel and after a consonant so"),
    ("brackets", "de el ko ru", "a language's name, its script in brackets (Chinesisch (traditionell))",
     lambda code, s, t, m: s.endswith("Chinese") and re.fullmatch(r"\w+ ?\(\w+\)", t),
     "the language names its variant after the language"),
    ("puncspacing", "*", "a bracket or quote closed before a comma the language's word order puts after it",
     lambda code, s, t, m: re.search(r"[)\"”»][,，]", t) and not re.search(r"[)\"”»],", s),
     "the mark's space moves after the comma"),
    ("puncspacing", "*", "a space before a bracket the source leaves out (PoE(Power over Ethernet))",
     lambda code, s, t, m: re.search(r"\w\(", s) and re.search(r"\w \(", t), "the source's slip, not the language's"),
    ("puncspacing", "ko", "a particle after a closing mark (\"%1\"을, (SSID)과)",
     lambda code, s, t, m: re.search(r"[\"”)\]][\uac00-\ud7a3]", t), "Korean writes its particles so"),
    ("doublespacing", "*", "the source's own double space (\"click OK to  continue\")",
     lambda code, s, t, m: "  " in s and "  " not in t, "the source's slip, which the languages drop"),
    ("sentencecount", "*", "a long sentence of the source said in shorter ones",
     lambda code, s, t, m: sentences(m)[1] > sentences(m)[0],
     "more sentences, none left out (tst_translations fails a text of fewer)"),
    ("unchanged", "*", "a stand-in the code replaces before a person sees it (Form, Title, Network)",
     lambda code, s, t, m: s in STAND_INS, "no person reads it"),
    ("unchanged", "*", "a technical name the languages keep (Ethernet, PPPoE, PoE)",
     lambda code, s, t, m: s.upper() in {"ETHERNET", "PPPOE", "POE"}, "the name of a standard"),
    ("unchanged", " ".join(SAME_WORDS), "a word the language writes as English does (SAME_WORDS)",
     lambda code, s, t, m: s.rstrip(":") in SAME_WORDS[code], "the language's own word (Italian Password, Dutch Week)"),
]
# Texts planted in a language, each with the checks that fail on it (none: a waiver at work or nothing wrong).
PLANTED = [
    ("a doubled word", "doublewords", "pt_BR", "Connect the computer to the router.", "Conecte o o computador ao roteador."),
    ("a caption unquoted read as a doubled word", "doublewords", "da", "By clicking I Agree, you accept its terms.",
     "Ved at klikke på Jeg accepterer accepterer du vilkårene."),
    ("the caption in the language's quotes", "", "da", "By clicking I Agree, you accept its terms.",
     "Ved at klikke på »Jeg accepterer« accepterer du vilkårene."),
    ("a number changed", "numbers", "de", "Hold it for 6 seconds.", "Halten Sie die Taste 8 Sekunden gedrückt."),
    ("a bracket left open", "brackets", "sv", "PoE (Power over Ethernet)", "PoE (ström via Ethernet"),
    ("full-width brackets", "", "ja", "PoE (Power over Ethernet)", "PoE（イーサネット給電）"),
    ("a gendered ending in brackets", "", "ru", "I have read the terms.", "Я прочитал(а) условия."),
    ("a sentence cut short", "endpunc", "sv", "Then click Retry.", "Klicka sedan på Försök igen"),
    ("a caption's colon as French writes it", "", "fr", "Camera Name :", "Nom de la caméra\u00a0:"),
    ("a question as a Japanese heading", "", "ja", "What is WPS?", "WPS とは"),
    ("a space after a stop lost", "puncspacing", "fr", "Saved, restart the camera.",
     "Enregistré,redémarrez la caméra."),
    ("a double space", "doublespacing", "fr", "Click Next.", "Cliquez sur  Suivant."),
    ("a sentence left out", "sentencecount", "sv", "Make sure the camera is on. Then click Retry.",
     "Klicka sedan på Försök igen."),
    ("a sentence said in two", "", "de", "A new version is available, please update.",
     "Eine neue Version ist verfügbar. Bitte aktualisieren Sie."),
    ("a text left English", "unchanged", "fr", "Network settings", "Network settings"),
    ("a standard's name", "", "fr", "Ethernet", "Ethernet"),
    ("an opening mark added", "startpunc", "fr", "Next", "…Suivant"),
    ("a Spanish question", "", "es", "Forgot Password", "¿Olvidó la contraseña?"),
    ("a mark translated", "endpunc purepunc startpunc", "fr", "?", "Aide"),
    ("an accelerator lost", "accelerators", "fr", "&Next", "Suivant"),
    ("a tag changed", "xmltags", "fr", "Click <b>Next</b>.", "Cliquez sur <i>Suivant</i>."),
    ("angle brackets as letters", "", "fr", "Select < Your Home Wi-Fi >", "Sélectionnez < votre réseau Wi-Fi >"),
    ("a placeholder miswritten", "variables", "de", "Found %1 cameras.", "Es wurden % 1 Kameras gefunden."),
    ("a piece's joining space lost", "endwhitespace", "fr", "Your camera ", "Votre caméra"),
    ("a piece joined by a space for its line break", "", "fr", "camera is now registered with <br>",
     "est désormais enregistrée auprès "),
    ("a leading space lost", "startwhitespace", "fr", " Retry", "Réessayer"),
    ("an address translated", "urls", "fr", "Go to http://www.olvaris.invalid/support today.",
     "Allez sur http://www.olvaris.invalid/assistance aujourd'hui."),
    ("an e-mail address translated", "emails", "fr", "Write to help@olvaris.invalid today.",
     "Écrivez à aide@olvaris.invalid aujourd'hui."),
    ("a tab lost", "tabs", "fr", "Name\tModel", "Nom Modèle"),
    ("a text left empty", "untranslated", "fr", "Retry", ""),
]


def texts(code):
    """[(context, source, translation)] of resources/lang/<code>.ts."""
    root = ET.parse(os.path.join(LANG_DIR, code + ".ts")).getroot()
    return [(context.findtext("name"), message.findtext("source") or "", message.findtext("translation") or "")
            for context in root.iter("context") for message in context.iter("message")]


def po_string(text):
    return '"%s"' % text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n").replace("\t", "\\t") \
        .replace("\r", "\\r")


def pofilter(code, reading, units, scratch):
    """The faults pofilter's checks of the reading find in units ([(source, translation)]): {unit index: {check:
    message}}."""
    source_of, translation_of = READINGS[reading]
    lines = ['msgid ""', 'msgstr ""', '"Content-Type: text/plain; charset=UTF-8\\n"', ""]
    for at, (source, translation) in enumerate(units):
        lines += ["msgctxt %s" % po_string(str(at)), "msgid %s" % po_string(source_of(source)),
                  "msgstr %s" % po_string(translation_of(translation, code)), ""]
    given, found = (os.path.join(scratch, "%s.%s.%s.po" % (code, reading, part)) for part in ("in", "out"))
    with open(given, "w", encoding="utf-8") as f:
        f.write("\n".join(lines))
    command = ["pofilter", "--kde", "--progress=none", "--errorlevel=message", "--language=" + code.replace("_", "-"),
               "-i", given, "-o", found] + [option for check in CHECKS[reading] for option in ("-t", check)]
    subprocess.run(command, check=True, timeout=120, capture_output=True)
    faults, pending = {}, {}
    if not os.path.exists(found):  # no unit failed
        return faults
    with open(found, encoding="utf-8") as f:
        for line in f:
            failed = re.match(r"# \(pofilter\) (\w+): (.*)", line)
            if failed:
                pending[failed.group(1)] = failed.group(2)
            elif line.startswith("msgctxt "):
                faults[int(line.split('"')[1])] = pending
                pending = {}
    return faults


def check(code, units, scratch):
    """The faults of units ([(source, translation)]) in the language, as (index, check, message), and the waivers
    used, as indexes of WAIVERS."""
    faults, used = [], set()
    for reading in CHECKS:
        source_of, translation_of = READINGS[reading]
        for at, found in sorted(pofilter(code, reading, units, scratch).items()):
            source, translation = source_of(units[at][0]), translation_of(units[at][1], code)
            for name, message in sorted(found.items()):
                waived = [n for n, (waived_check, languages, _, test, _) in enumerate(WAIVERS)
                          if waived_check == name and (languages == "*" or code in languages.split())
                          and test(code, source, translation, message)]
                used.update(waived[:1])
                if not waived:
                    faults.append((at, name, message))
    return faults, used


def languages():
    return sorted(name[:-3] for name in os.listdir(LANG_DIR) if name.endswith(".ts") and name != "en.ts")


def setUpModule():
    if not shutil.which("pofilter"):
        raise unittest.SkipTest("pofilter is not installed (Debian: translate-toolkit, which scripts/setup installs)")


class Pofilter(unittest.TestCase):
    def test_every_language(self):
        """Every finished translation passes the checks, but for the waivers; each waiver waives something."""
        used, report = set(), []
        with tempfile.TemporaryDirectory() as scratch, concurrent.futures.ThreadPoolExecutor(4) as pool:
            every = {code: texts(code) for code in languages()}
            runs = {code: pool.submit(check, code, [(s, t) for _, s, t in units], scratch)
                    for code, units in every.items()}
            for code, run in sorted(runs.items()):
                faults, waived = run.result()
                used |= waived
                for at, name, message in faults:
                    context, source, translation = every[code][at]
                    report.append("%s %s %s: %s | %r => %r" % (code, name, context, message, as_read(source)[:100],
                                                               as_read(translation)[:160]))
        unused = ["%s, %s, %s" % waiver[:3] for n, waiver in enumerate(WAIVERS) if n not in used]
        self.assertEqual(report, [], "%d faults:\n%s" % (len(report), "\n".join(report)))
        self.assertEqual(unused, [], "waivers that waive nothing")


    def test_planted(self):
        """Each planted text fails the checks of its fault, or none."""
        languages = sorted({row[2] for row in PLANTED})
        with tempfile.TemporaryDirectory() as scratch:
            for code in languages:
                rows = [row for row in PLANTED if row[2] == code]
                faults, _ = check(code, [(row[3], row[4]) for row in rows], scratch)
                for at, (name, expected, _, _, _) in enumerate(rows):
                    with self.subTest(planted=name, language=code):
                        self.assertEqual(sorted(found for n, found, _ in faults if n == at), sorted(expected.split()))

    def test_every_check_judged(self):
        """Each of pofilter's checks is run or left out with its reason."""
        listed = subprocess.run(["pofilter", "--listfilters"], check=True, timeout=60, capture_output=True, text=True)
        every = set(re.findall(r"^(\w+)\t", listed.stdout, flags=re.M))
        run = {name for names in CHECKS.values() for name in names}
        self.assertGreater(len(every), 40)
        self.assertEqual(sorted(every - run - set(LEFT_OUT)), [])
        self.assertEqual(sorted((run & set(LEFT_OUT)) | (run | set(LEFT_OUT)) - every), [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
