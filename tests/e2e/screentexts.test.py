#!/usr/bin/env python3
"""The layout test's line rules on texts laid out by hand: where a CJK last line and a forced break
fail, where a word stands alone on a line inside a sentence or a wrap leaves one or two before a forced
break, where a break splits a word or a web
address; which shown texts its English check finds left over; which fields show no caption; which titles
share a row with a control and which labels leave their page's size; which texts the coverage check counts drawn;
what lies beside a text (a picture or control, another text's lines, its own, a button's ends) and what a screen shows a
person.
Unit label: it needs no lab or display."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from screentexts import (back_after_next, copied, copied_translations, english_runs, kinsoku,  # noqa: E402
                         low_contrast, markup_drawn, missing_popup, narrow_faces)
from screentexts import (CONTROL_STATES, caption_gaps, control_states, covered, crowded, crowded_lines,  # noqa: E402
                         tight_captions, unopened)
from screentexts import (broken_addresses, broken_lines, english_left, misplaced, split_words,  # noqa: E402
                         uncaptioned, undrawn)
from samescreens import differences, shape  # noqa: E402
from screenstates import error_colours, scrolled, state_faces, unmarked_focus, unmasked  # noqa: E402


class LineRules(unittest.TestCase):
    def test_cjk_last_line(self):
        for text, lines, fails in [
            ("请跳过此<br>步骤。", ["请跳过此", "步骤。"], True),
            ("请跳过<br>此步骤。", ["请跳过", "此步骤。"], True),
            ("请跳过<br>这个步骤。", ["请跳过", "这个步骤。"], False),
            ("请跳过此步骤的说明", ["请跳过此步骤", "的说明"], False),  # a wrap's, not a break's
            ("<p>请跳过</p><p>此步骤。</p>", ["请跳过", "此步骤。"], True),
        ]:
            with self.subTest(text=text):
                self.assertEqual(bool(broken_lines({"name": "l", "text": text, "lines": lines})), fails)

    def test_word_alone_before_a_break(self):
        for text, lines, fails in [
            ("You can now view your<br>camera anywhere.", ["You can now view", "your", "camera anywhere."], True),
            ("try resetting your camera,<br>then start over.", ["try resetting your", "camera,", "then start over."],
             True),
            ("Make sure that it is near the camera.<br>Then retry.", ["Make sure that it is near the", "camera.",
                                                                    "Then retry."], False),
            ("go to<br>www.olvaris.invalid/support<br>to download.", ["go to", "www.olvaris.invalid/support",
                                                                     "to download."], False),
            ("Press Retry:<br>it scans again for your camera", ["Press Retry:", "it scans again for your", "camera"],
             False),  # the text's last line
            ("Note<br>that it is", ["Note", "that it is"], False),  # a forced line of one word
            ("Make sure it is 6-30<br>alphanumeric<br>characters with no spaces.",
             ["Make sure it is 6-30", "alphanumeric", "characters with no spaces."], True),
            ("Connect the power<br>voedingsaansluiting<br>here.", ["Connect the power", "voedingsaansluiting", "here."],
             False),  # a word as long as the lines around it
            ("connected to the same Wi-Fi network as<br>your camera.", ["connected to the same Wi-Fi", "network as",
                                                                      "your camera."], True),  # two words a wrap left
            ("You can click <b>Retry</b> to<br>try again.", ["You can click", "Retry to", "try again."], True),
            ("connected to the same Wi-Fi network as<br>your camera.", ["connected to the same", "Wi-Fi network as",
                                                                      "your camera."], False),  # three words
            ("Then click<br>Next to go on.", ["Then click", "Next to go on."], False),  # a forced line, no wrap
            ("It did not confirm its registration.<br>Check the network.", ["It did not confirm its", "registration.",
                                                                          "Check the network."], False),  # its end
            ("or go to www.olvaris.invalid/support<br>to download it.", ["or go to", "www.olvaris.invalid/support",
                                                                       "to download it."], False),
            ("请确保计算机与摄像机连接到同一个无线网<br>然后重试。", ["请确保计算机与摄像机连接到同一个", "无线网", "然后重试。"],
             True),  # a CJK word of three characters
            ("请确保计算机与摄像机连接到同一个无线网络<br>然后重试。", ["请确保计算机与摄像机连接到同一个", "无线网络",
                                                                  "然后重试。"], False),
        ]:
            with self.subTest(text=text):
                self.assertEqual(bool(broken_lines({"name": "l", "text": text, "lines": lines})), fails)

    def test_english_left(self):
        table, missing = {"Scan": "Rechercher"}, {"Enter Manually", "Select your home Wi-Fi network"}
        for kind, text, left in [
            ("date", "Jan", True),  # a month or hour in English
            ("date", "12 AM", True),
            ("date", "janv.", False),
            ("text", "Scan", True),  # translated by the language
            ("text", "Enter Manually", True),  # left English by its file
            ("text", "<b>Select your home Wi-Fi network</b> :", True),
            ("tooltip", "Enter Manually", True),
            ("text", "Saisie manuelle", False),
            ("open", "Enter Manually", False),  # the list's own entry is checked once
            ("text", "Manually", False),
        ]:
            with self.subTest(kind=kind, text=text):
                item = {"name": "w", "kind": "current" if kind == "date" else kind, "text": text,
                        "class": "QDateEdit" if kind == "date" else "QLabel"}
                found = english_left([item], table, "fr", missing)
                self.assertEqual(bool(found), left)

    def test_split_address(self):
        for text, split in [
            ("see www.olvaris.inva<br>lid today", {"www.olvaris.invalid"}),
            ("<a href=https://help.example.test/faq>help.example.test/f<br>aq</a>", {"help.example.test/faq"}),
            ("help.example.test/<br>faq", {"help.example.test/faq"}),
            ("Visit<br>help.example.test/faq", set()),
            ("help.example.test/faq<br>or", set()),
        ]:
            with self.subTest(text=text):
                self.assertEqual(broken_addresses(text), split)
        for text, splits in [("fournis<br>seur", True), ("fournis<br/><b>seur</b>", True),
                             ("votre<br> fournisseur", False), ("2.<br>3.", False)]:
            with self.subTest(text=text):
                self.assertEqual(bool(split_words({"name": "l", "text": text})), splits)

    def test_caption(self):
        def item(kind, cls, x, y, width, height, box="page", name=None, text=""):
            return {"kind": kind, "class": cls, "name": name or cls, "box": box, "rect": [x, y, width, height],
                    "ink": [x, y, width, height], "text": text}

        edit, heading = item("widget", "QLineEdit", 210, 100, 233, 27), item("text", "QLabel", 50, 70, 200, 16)
        for texts, shown in [
            ([edit, item("text", "QLabel", 50, 105, 140, 16)], True),  # beside it
            ([edit, item("text", "QLabel", 210, 80, 40, 16)], True),  # right above it
            ([edit, item("text", "QLabel", 50, 105, 140, 16, box="popup")], False),  # another box's
            ([edit, item("text", "QLabel", 50, 105, 140, 16), item("widget", "QComboBox", 195, 100, 10, 27)], False),
            ([edit, item("text", "QLabel", 210, 50, 40, 16)], False),  # too far above
            ([item("widget", "QLineEdit", 210, 62, 233, 27), item("text", "QLabel", 50, 67, 140, 16), edit], False),
            ([heading, item("widget", "QComboBox", 50, 90, 237, 27), item("widget", "QComboBox", 50, 128, 237, 27)],
             True),  # a list under a list its heading names
            ([heading, item("widget", "QComboBox", 50, 90, 237, 27), item("widget", "QComboBox", 290, 90, 143, 27)],
             True),  # a list joined to it
            ([edit, item("text", "QLabel", 210, 80, 200, 16, name="cNetworkGatewayError_Label")], False),  # an error
            ([edit, item("text", "QLabel", 210, 80, 200, 16, text="<font color=#FF0000>Wrong</font>")], False),
        ]:
            with self.subTest(texts=[(t["class"], t["rect"]) for t in texts]):
                self.assertEqual(not uncaptioned(texts), shown)


    def test_title_and_sizes(self):
        def label(name, y, points, body=9, height=20):
            return {"kind": "text", "class": "QLabel", "name": name, "page": "P", "rect": [50, y, 300, height],
                    "ink": [50, y, 200, height], "text": name, "points": points, "body": body}

        button = {"kind": "widget", "class": "QPushButton", "name": "b", "page": "P", "rect": [400, 40, 111, 24]}
        for texts, faults in [
            ([label("title", 10, 18), label("text", 60, 9), button], 0),
            ([label("title", 35, 18), label("text", 60, 9), button], 1),  # the title on the button's row
            ([label("title", 10, 18), label("text", 60, 15), label("more", 90, 9)], 1),  # a body label raised
            ([label("title", 10, 18), label("oppsContent_Label", 60, 11)], 0),  # the form's size, named
            ([label("title", 10, 18), label("oppsContent_Label", 60, 15)], 1),
            ([label("title", 10, 18), label("dsetupError_Label", 60, 8)], 0),  # an error line
        ]:
            with self.subTest(texts=[(t["name"], t["rect"][1], t.get("points")) for t in texts]):
                self.assertEqual(len(misplaced(texts)), faults)

    def test_drawn_whole(self):
        for drawn, text, counted in [
            (["Retry"], "Retry", True),  # a button's caption
            (["You can click Retry to try again"], "Retry", False),  # a word of one text inside another
            (["Your VKC-6100 camera is now registered with olvaris"], "Your", True),  # joined by the code
            (["Be sure. Then click Next."], "Then click Next.", True),  # a sentence inside a text
        ]:
            with self.subTest(drawn=drawn, text=text):
                self.assertEqual(text not in undrawn(drawn), counted)


class SeenRules(unittest.TestCase):
    """What a reader sees wrong beyond a text's room: English inside a translation, CJK lines that begin or end
    where no reader breaks them, too little contrast, another language's copy, markup drawn as letters, Back right
    of Next, a face narrower than its button, a popup's screen without it."""

    def test_english_inside(self):
        english, own = {"then", "wait", "for", "the", "camera", "protected", "setup"}, {"camera", "sie", "klicken"}
        for text, left in [("Klicken Sie auf Weiter, then wait for the camera.", True),
                           ("Klicken Sie, then, wait for.", True),  # commas part no run
                           ("Klicken Sie, then wait.", False),  # two words
                           ("then wait camera the", False),  # the language's own word parts them
                           ("Mit Wi-Fi Protected Setup (WPS) klicken Sie", False)]:  # a name kept in English
            with self.subTest(text=text):
                item = {"name": "l", "kind": "text", "text": text}
                self.assertEqual(bool(english_runs([item], english, own)), left)

    def test_kinsoku(self):
        for lines, fails in [(["設定を保存できませんでした", "。もう一度"], True),
                             (["保存できませんでした。", "もう一度"], False), (["カメラのセ", "ットアップ"], True),
                             (["詳しくは（", "設定）を"], True), (["詳しくは", "（設定）"], False)]:
            with self.subTest(lines=lines):
                self.assertEqual(bool(kinsoku([{"name": "l", "lines": lines}])), fails)

    def test_contrast(self):
        for colour, ground, enabled, low in [("#eeeeee", "#ffffff", True, True), ("#b8b8b8", "#ffffff", True, True),
                                             ("#b6b6b6", "#ffffff", True, False), ("#00b0d0", "#ffffff", True, False),
                                             ("#ffffff", "#a8d3eb", False, False), ("#ffffff", None, True, False)]:
            with self.subTest(colour=colour, ground=ground, enabled=enabled):
                item = {"name": "b", "kind": "text", "text": "Next", "colours": [colour], "enabled": enabled}
                item.update({"ground": ground} if ground else {})
                self.assertEqual(bool(low_contrast([item])), low)

    def test_copied(self):
        spanish = "No se pudo guardar la configuración."
        tables = {"pt": {"a": spanish, "b": "WEP de 64 bits", "c": "Nome da rede sem fios"},
                  "es": {"a": spanish, "b": "WEP de 64 bits"}, "pt_BR": {"c": "Nome da rede sem fios"},
                  "ja": {"d": "カメラが見つかりません。"}, "zh_TW": {"d": "カメラが見つかりません。"}}
        self.assertEqual(copied_translations(tables, "pt"), {spanish: "es"})  # not a name, not a close language's
        self.assertEqual(copied_translations(tables, "ja"), {"カメラが見つかりません。": "zh_TW"})  # eight CJK characters
        drawn = [{"name": "l", "kind": "text", "text": "<b>%s</b>" % spanish}]
        self.assertEqual(len(copied(drawn, {spanish: "es"})), 1)
        retry = "Pulse %1 para volver a intentarlo."  # drawn with the caption in its placeholder's place
        for text, found in [("Pulse <b>Reintentar</b> para volver a intentarlo.", 1),
                            ("Clique em <b>Repetir</b> para tentar novamente.", 0)]:
            with self.subTest(text=text):
                self.assertEqual(len(copied([{"name": "l", "kind": "text", "text": text}], {retry: "es"})), found)

    def test_markup_drawn(self):
        for item, drawn in [({"lines": ["Nom de la caméra&nbsp;:"]}, True), ({"lines": ["unter % 1 manuell"]}, True),
                            ({"text": "%1 Kameras"}, True), ({"text": "%n"}, True), ({"lines": ["100 % sûr"]}, False),
                            ({"text": "Q&A"}, False), ({"kind": "tooltip", "text": "<b>A &amp; B</b>"}, False)]:
            with self.subTest(item=item):
                self.assertEqual(bool(markup_drawn([dict({"name": "l", "kind": "text", "text": ""}, **item)])), drawn)

    def test_back_after_next(self):
        def button(name, x, y=550, caption=None):
            widget = {"kind": "widget", "class": "QPushButton", "name": name, "page": "P", "rect": [x, y, 111, 24]}
            return [widget, dict(widget, kind="text", text=caption)] if caption else [widget]

        for texts, wrong in [(button("apH2DPVPrev_PushButton", 520) + button("apH2DPVNext_PushButton", 640), False),
                             (button("apH2DPVPrev_PushButton", 640) + button("apH2DPVNext_PushButton", 520), True),
                             (button("dsetupBack_Button", 640, 100) + button("dsetupNext_Button", 520), False),
                             (button("msgBoxRightBtn_Button", 480, 250, "Retour")
                              + button("msgBoxLeftBtn_Button", 360, 250, "Suivant"), True)]:
            with self.subTest(texts=[(t["name"], t["rect"][:2]) for t in texts]):
                self.assertEqual(bool(back_after_next(texts, "Retour", "Suivant")), wrong)

    def test_narrow_faces(self):
        for style, width, narrow in [("QPushButton{background-image: url(:/b.png)}", 116, True),
                                     ("QPushButton{background-image: url(:/b.png)}", 111, False),
                                     ("QPushButton{border-image:url(:/b.png) 6 6 6 6}", 116, False),
                                     ("border-image:url(:/b.png);\n#x:hover{image: url(:/b.png);}", 116, True)]:
            with self.subTest(style=style, width=width):
                item = {"kind": "widget", "name": "x", "rect": [0, 0, width, 24], "style": style,
                        "pictures": {":/b.png": [111, 24]}}
                self.assertEqual(bool(narrow_faces([item])), narrow)

    def test_missing_popup(self):
        window = {"kind": "widget", "class": "Mainpage", "name": "Mainpage", "box": "Mainpage", "page": "Mainpage",
                  "window": "W", "rect": [0, 0, 800, 650]}
        page = {"kind": "text", "class": "QLabel", "name": "oppsTitle_Label", "box": "Mainpage", "page": "OppsPage",
                "window": "W", "rect": [50, 110, 700, 40]}

        def popup(x):
            return {"kind": "widget", "class": "MessageBoxPage", "name": "exitWarning", "box": "Mainpage",
                    "page": "Mainpage", "window": "W", "rect": [x, 200, 618, 250]}

        for screen, texts, faults in [("popup_OppsPage_popupExit", [window, page, popup(91)], 0),
                                      ("popup_OppsPage_popupExit", [window, page], 1),  # none drawn
                                      ("popup_OppsPage_popupExit", [window, page, popup(-700)], 1),  # off the window
                                      ("popup_OppsPage_popupExit", [window, popup(91)], 1),  # not over its page
                                      ("popup_Mainpage_popupExit", [window, popup(91)], 0),  # over any page
                                      ("wifi_box_wep_key", [window], 1), ("welcome", [window], 0)]:
            with self.subTest(screen=screen, texts=[t["name"] for t in texts]):
                self.assertEqual(len(missing_popup(screen, texts)), faults)


class BesideRules(unittest.TestCase):
    """What lies beside a text's letters: a picture or control over or under them, another text's lines touching
    theirs, its own lines closer than their font spaces them, a button's end crowding its caption; and what a screen
    shows a person before they act."""

    def test_beside(self):
        def text(z, glyphs, box="popup", rect=(80, 100, 480, 200), baselines=()):
            return {"kind": "text", "class": "QLabel", "name": "t%d" % z, "box": box, "window": "W", "z": [z, z],
                    "rect": list(rect), "drawn": list(rect), "glyphs": [list(g) for g in glyphs], "text": "words",
                    "baselines": [list(b) for b in baselines]}

        def painter(z, drawn, paints="picture", last=None, box="popup"):
            return {"kind": "widget", "class": "QLabel", "name": "p%d" % z, "box": box, "window": "W", "paints": paints,
                    "z": [z, last or z], "rect": list(drawn), "drawn": list(drawn), "text": ""}

        lines = [(80, 100, 400, 12), (80, 124, 200, 12)]  # a long line over a short one
        field = {"kind": "widget", "name": "dsetupStartMonth_QDateEdit", "rect": [270, 425, 103, 27], "drawn": []}
        picture = painter(6, (360, 120, 242, 177))
        for rule, texts, faults in [
            (covered, [text(5, lines), picture], 0),  # beside its short line
            (covered, [text(5, [(80, 130, 400, 12)]), picture], 1),  # under it
            (covered, [text(7, [(80, 130, 400, 12)]), picture], 1),  # over it
            (covered, [text(7, [(390, 135, 80, 12)], rect=(380, 130, 100, 40)), picture], 0),  # its ground
            (covered, [text(5, [(390, 135, 80, 12)], rect=(380, 130, 100, 40)), picture], 1),  # drawn over it
            (covered, [text(5, [(80, 130, 400, 12)]), picture, painter(9, (0, 0, 800, 650), "shade")], 0),
            (covered, [text(5, [(80, 130, 400, 12)]), painter(6, (360, 120, 242, 177), box="page")], 0),
            (covered, [text(5, [(80, 130, 400, 12)]), painter(4, (300, 120, 100, 27), "control", 5)], 0),  # its own
            (covered, [text(5, [(80, 130, 400, 12)]), painter(6, (470, 128, 111, 24), "control")], 1),
            (crowded, [text(5, [(448, 245, 82, 10)]), text(6, [(212, 258, 436, 10)])], 0),  # a hint over an error
            (crowded, [text(5, [(448, 245, 82, 10)]), text(6, [(212, 257, 436, 10)])], 1),
            (crowded, [text(5, [(448, 245, 82, 10)]), text(6, [(212, 254, 436, 10)])], 1),  # their letters meet
            (crowded, [text(5, [(370, 187, 33, 18)]), text(6, [(403, 188, 9, 17)])], 0),  # a link glued to its word
            (crowded, [text(5, [(80, 100, 400, 12), (80, 113, 400, 12)])], 0),  # its own lines
            (crowded, [text(5, [(448, 245, 82, 10)]), text(6, [(212, 256, 436, 10)], box="page")], 0),
            # a text's own lines (baseline, the room its fonts ask above it, below it) against the font's spacing
            (crowded_lines, [text(5, [(80, 100, 400, 12), (80, 115, 400, 12)], baselines=[(110, 13, 2), (125, 13, 2)])],
             0),
            (crowded_lines, [text(5, [(80, 100, 400, 12), (80, 114, 400, 12)], baselines=[(110, 13, 2), (124, 13, 2)])],
             1),  # its spacing narrowed by a pixel
            (crowded_lines, [text(5, [(80, 100, 400, 12), (80, 115, 400, 12)],
                                  baselines=[(110, 13, 2), (124.6, 13, 2)])], 0),  # rounded
            (crowded_lines, [text(5, [(80, 100, 400, 14), (80, 115, 400, 12)], baselines=[(110, 13, 2), (125, 13, 2)])],
             1),  # an accent a pixel under a descender
            (crowded_lines, [text(5, [(80, 100, 400, 20), (80, 123, 400, 12)], baselines=[(115, 18, 4), (132, 13, 2)])],
             0),  # a larger font's line over a smaller one's
            (crowded_lines, [text(5, [(80, 100, 100, 12), (300, 101, 100, 12)],
                                  baselines=[(110, 13, 2), (110.5, 13, 2)])], 0),  # side by side
            # a daylight-saving caption's letters against the 8 px before its field, each side of a pixel's rounding
            (caption_gaps, [dict(text(5, [(223, 433, 39, 10)]), name="dsetupDSTStartLabel_Label"), field], 0),
            (caption_gaps, [dict(text(5, [(224, 433, 39, 10)]), name="dsetupDSTStartLabel_Label"), field], 0),
            (caption_gaps, [dict(text(5, [(225, 433, 39, 10)]), name="dsetupDSTStartLabel_Label"), field], 1),
            (caption_gaps, [dict(text(5, [(222, 433, 39, 10)]), name="dsetupDSTStartLabel_Label"), field], 0),
            (caption_gaps, [dict(text(5, [(221, 433, 39, 10)]), name="dsetupDSTStartLabel_Label"), field], 1),
            (caption_gaps, [dict(text(5, [(200, 433, 39, 10)]), name="dsetupDSTEndLabel_Label"), field], 0),  # not its
        ]:
            with self.subTest(rule=rule.__name__, texts=[(t["name"], t.get("glyphs") or t["drawn"]) for t in texts]):
                self.assertEqual(len(rule(texts)), faults)
        for caption, face, faults in [((4, 6, 118, 12), [111, 24], 1), ((8, 6, 112, 12), [111, 24], 0),
                                      ((8, 6, 113, 12), [111, 24], 1), (None, [111, 24], 0),
                                      ((0, 6, 91, 12), [0, 0], 0)]:  # a link's, its face's picture missing
            with self.subTest(caption=caption, face=face):
                button = {"kind": "text", "class": "QPushButton", "name": "b", "rect": [0, 0, 128, 24], "text": "Retry",
                          "z": [3, 3]}
                button.update({"caption": list(caption)} if caption else {})
                widget = dict(button, kind="widget", text="", pictures={":/images/b.png": face})
                self.assertEqual(len(tight_captions([widget, button])), faults)

    def test_states(self):
        def shown(screen, **changed):  # the screen's controls as the table has them, but those changed or added
            texts = []
            for name, states in dict(CONTROL_STATES[screen], **changed).items():
                states = changed.get(name, states).split()
                if "hidden" not in states:
                    texts.append({"kind": "widget", "name": name, "enabled": "disabled" not in states,
                                  "class": "QPushButton"})
                    texts[-1].update({"checked": "checked" in states} if {"checked", "unchecked"} & set(states) else {})
            return texts

        for screen, changed, faults in [
            ("licence", {}, 0),
            ("licence", {"agreementCheck_CheckBox": "enabled checked"}, 1),
            ("licence", {"agreementNext_PushButton": "enabled"}, 1),  # Next before the box is ticked
            ("licence", {"agreementCheck_CheckBox": "hidden"}, 1),
            ("setup", {"dsetupRetypePasscode_LineEdit": "enabled"}, 1),  # a field the screen does not show
            ("welcome", {"welcomeLanguageComboBox_ComboBox": "disabled"}, 1),  # the language list disabled
            ("summary_device", {"DSCPShortcutCheck_CheckBox": "disabled unchecked"}, 1),
            ("discovery", {"discoveryHint_Label": "hidden"}, 1),  # "Can't find your camera?" hidden on arrival (sl)
            ("discovery", {"discoveryRescan_Button": "enabled"}, 1),  # a control the table does not name
            ("guide", {"cconnectionNext_PushButton": "disabled"}, 0),  # one it says it does not judge there
        ]:
            with self.subTest(screen=screen, changed=changed):
                self.assertEqual(len(control_states(screen, shown(screen, **changed))), faults)
        self.assertEqual(control_states("guide_VKC-7300", []), [])  # a screen the table leaves
        entry = {"kind": "open", "name": "l", "at": [300, 200]}

        def widget(enabled=True, **more):
            return dict({"kind": "widget", "name": "l", "enabled": enabled}, **more)

        for texts, fault in [([], "not shown"), ([widget(False)], "disabled"), ([widget(open=False)], "open"),
                             ([widget(open=True)], "entries"), ([widget(open=True), entry], None)]:
            with self.subTest(texts=texts):
                found = unopened(texts, "l")
                self.assertEqual(bool(found), bool(fault))
                self.assertTrue(not fault or fault in found[0])


class SameScreens(unittest.TestCase):
    """A language's screen against English's on the same road, and what every screen shows in every language."""

    def test_unlike_english(self):
        def item(kind, name, page="DeviceSetupPage", cls="QLabel", **more):
            return dict({"kind": kind, "name": name, "page": page, "class": cls, "rect": [0, 0, 0, 0]}, **more)

        english = [
            item("widget", "dsetupDSTHourOffsetLabel_Label", rect=[210, 17, 61, 16], enabled=True),
            item("text", "dsetupDSTHourOffsetLabel_Label", glyphs=[[210, 20, 48, 10]], colours=["#000000"],
                 fonts=["Verdana 9"]),
            item("widget", "dsetupDSTHourOffset_ComboBox", cls="QComboBox", rect=[270, 12, 103, 27], enabled=True),
            item("current", "dsetupDSTHourOffset_ComboBox", text=" -02:00"),
            item("item", "dsetupDSTHourOffset_ComboBox", text=" -01:30"),
            item("widget", "dsetupRetypePasscode_LineEdit", cls="QLineEdit", rect=[210, 40, 233, 27], enabled=True,
                 echo="password"),
            item("text", "dsetupForgotPassword_Label", glyphs=[[446, 45, 100, 12]]),  # 3 px from the field in English
            item("widget", "agreementContent_TextEdit", cls="QTextEdit", scroll={"vertical": [0, 0, 900]}),
            item("widget", "dsetupError_Label", enabled=True),
            item("text", "dsetupError_Label", colours=["#ff0000"]),
            item("current", "cconnection_ComboBox", text="OLV-800"),
            item("item", "cconnection_ComboBox", text="Choose your model"),
            item("widget", "ConnectionTypeOnlyOne", page="CameraConnectionPage", cls="ConnectionTypeOnlyOne"),
        ]

        def language(*changes):  # English's screen, each (name, kind, fields) changed; fields None: not shown
            texts = [dict(t) for t in english]
            for name, kind, fields in changes:
                at = next(n for n, t in enumerate(english) if (t["name"], t["kind"]) == (name, kind))
                texts[at] = None if fields is None else dict(texts[at], **fields)
            return [t for t in texts if t]

        caption, offset = "dsetupDSTHourOffsetLabel_Label", "dsetupDSTHourOffset_ComboBox"
        for changes, faults in [
            ((), 0),
            (((caption, "text", {"glyphs": [[206, 20, 58, 10]]}),), 0),  # longer, 6 px from its field
            (((caption, "text", {"glyphs": [[207, 20, 58, 10]]}),), 1),  # 5 px: pressed against it (da)
            (((caption, "text", {"fonts": ["Verdana 9 bold"]}),), 1),
            ((("dsetupForgotPassword_Label", "text", {"glyphs": [[445, 45, 100, 12]]}),), 1),  # closer than English
            ((("dsetupRetypePasscode_LineEdit", "widget", {"echo": "normal"}),), 1),  # in clear letters (ko)
            ((("agreementContent_TextEdit", "widget", {"scroll": {"vertical": [900, 0, 900]}}),), 1),  # (zh_CN)
            ((("dsetupError_Label", "text", {"colours": ["#00ff00"]}),), 1),  # drawn green (zh_TW)
            ((("dsetupError_Label", "text", None),), 1),  # no text where English draws one
            ((("dsetupError_Label", "widget", {"enabled": False}),), 1),
            ((("dsetupError_Label", "widget", None), ("dsetupError_Label", "text", None)), 1),
            (((offset, "current", {"kind": "item"}), (offset, "item", {"kind": "current"})), 1),  # another entry
            ((("cconnection_ComboBox", "current", {"text": "Wählen Sie Ihr Modell"}),
              ("cconnection_ComboBox", "item", {"text": "OLV-800"}), ("ConnectionTypeOnlyOne", "widget", None)),
             0),  # the prompt listed first, as the language spells it, and the panels that follow it
        ]:
            with self.subTest(changes=changes):
                found = differences(shape(english), shape(language(*changes)),
                                    {"Choose your model": "Wählen Sie Ihr Modell"})
                self.assertEqual(len(found), faults, found)

    def test_every_language(self):
        for rule, item, faults in [
            (unmasked, {"name": "dsetupRetypePasscode_LineEdit", "echo": "normal"}, 1),  # Retype Password (ko)
            (unmasked, {"name": "WirelessManualPassword_LineEdit", "echo": "password"}, 0),
            (unmasked, {"name": "dsetupCameraName_LineEdit", "echo": "normal"}, 0),
            (scrolled, {"name": "agreementContent_TextEdit", "scroll": {"vertical": [900, 0, 900],
                                                                        "horizontal": [0, 0, 0]}}, 1),  # (zh_CN)
            (scrolled, {"name": "agreementContent_TextEdit", "scroll": {"vertical": [0, 0, 900],
                                                                        "horizontal": [0, 0, 0]}}, 0),
            (scrolled, {"name": "dwifiSiteSurveyList_ListWidget", "scroll": {"vertical": [0, 0, 0],
                                                                             "horizontal": [1, 0, 40]}}, 1),
            (error_colours, {"kind": "text", "name": "dsetupError_Label", "colours": ["#00FF00"]}, 1),  # (zh_TW)
            (error_colours, {"kind": "text", "name": "dsetupError_Label", "colours": ["#FF0000"]}, 0),
            (error_colours, {"kind": "text", "name": "cNetworkPDNSError_Label", "colours": ["#ff0000", "#666666"]},
             1),
            (error_colours, {"kind": "text", "name": "dsetupPasswordErrorHint_Label", "colours": ["#000000"]}, 0),
            (error_colours, {"kind": "text", "name": "oppsContent_Label", "colours": ["#ff0000"]}, 1),
            # a control Tab reaches: the pixels of its mark of the focus, each side of a text cursor's
            (unmarked_focus, {"name": "msgBoxLeftBtn_Button", "tabbed": True, "focusMark": 0}, 1),  # a popup's "No"
            (unmarked_focus, {"name": "msgBoxLeftBtn_Button", "tabbed": True, "focusMark": 11}, 1),
            (unmarked_focus, {"name": "msgBoxLeftBtn_Button", "tabbed": True, "focusMark": 12}, 0),
            (unmarked_focus, {"name": "cconnectionHWVersion_ComboBox", "tabbed": True, "focusMark": 0, "focus": True},
             1),  # a page's list that Tab reaches, its focus unseen
            (unmarked_focus, {"name": "dsetupNext_Button", "focusMark": 0}, 0),  # a button Tab passes by
            (unmarked_focus, {"name": "x", "tabbed": True}, 0),  # a control whose mark is not measured
        ]:
            with self.subTest(rule=rule.__name__, item=item):
                self.assertEqual(len(rule([dict({"kind": "widget", "text": ""}, **item)])), faults)

    def test_looks(self):
        """A push button's look at rest against its state: the face its style sheet draws, by its kind, and a button
        drawn as a link by its caption's colour."""
        blue = "border-image:url(:/images/btn_blue.png) 6 6 6 6"
        disabled = "border-image:url(:/images/btn_blue_disable.png)"
        pictures = {":/images/btn_blue.png": [111, 24], ":/images/btn_blue_disable.png": [111, 24],
                    ":/images/btn_hover.png": [111, 24], ":/images/btn_white.png": [111, 24],
                    ":/images/btn_enable.png": [0, 0]}
        link = "border-image: url(:/images/btn_enable.png); color: rgb(0, 176, 208);"
        for style, enabled, colour, faults in [
            ("QPushButton{%s;}QPushButton:hover{border-image:url(:/images/btn_hover.png)}" % disabled, False, None,
             0),  # a disabled Next
            ("QPushButton{%s;}" % blue, False, None, 1),  # drawn with the enabled face (every language)
            ("QPushButton{%s;}" % disabled, True, None, 1),  # an enabled one with the disabled face
            ("%s;\n#b:hover{image: url(:/images/btn_hover.png);}" % blue, True, None, 0),  # the pointer's, not at rest
            ("QPushButton{%s;}QPushButton:disabled{%s;}" % (blue, disabled), False, None, 0),  # its disabled form
            ("QPushButton{%s;}QPushButton:disabled{%s;}" % (blue, disabled), True, None, 0),
            ("QPushButton{%s;}QPushButton:!enabled{%s;}" % (blue, disabled), False, None, 0),
            ("QPushButton:disabled{%s;}QPushButton{%s;}" % (disabled, blue), False, None, 0),  # its form written first
            ("%s;\n#b:disabled{image: url(:/images/btn_blue.png);}" % disabled, False, None, 1),  # an image over it
            ("%s;\n#other:disabled{image: url(:/images/btn_blue.png);}" % disabled, False, None, 0),  # another's
            ("border-image: url(:/images/btn_white.png); color: rgb(66, 66, 66);", False, None, 1),  # no white form
            ("QPushButton{border-image:url(:/images/btn_hover.png)}", True, None, 1),  # the pointer's face at rest
            (link, False, "#00b0d0", 1),  # a disabled link in its enabled colour
            (link + "QPushButton:disabled{color:#999999}", False, "#999999", 0),
            (link, True, "#00b0d0", 0),
        ]:
            with self.subTest(style=style, enabled=enabled):
                button = {"kind": "widget", "class": "QPushButton", "name": "b", "page": "P", "enabled": enabled,
                          "style": style, "pictures": pictures}
                caption = {"kind": "text", "class": "QPushButton", "name": "b", "page": "P", "colours": [colour]}
                self.assertEqual(len(state_faces([button] + ([caption] if colour else []))), faults)


if __name__ == "__main__":
    unittest.main(verbosity=2)
