"""Each screen of a language's layout road against the same screen of the English road: the same widgets shown, in
the same states (enabled, checked, a list's current entry and chosen rows, a field's echo and read-only, where a text
box or list stands scrolled), the same texts drawn in the same colours and font styles, and what stands beside a text
on its line kept as far from it as English keeps it, up to BESIDE: a translation may be longer or shorter, so sizes and
places may change, but its letters may not press against their field. The English road's screens are read once
(shape) and kept (write_road) for the other languages' roads (read_road)."""

import collections
import json
import os

# A list whose current entry differs from English's on purpose: why, and the pages whose widgets follow its entry
# (shown, hidden, enabled as it asks), which are then not compared on that screen.
MEANT = {
    "welcomeLanguageComboBox_ComboBox": ("the language list opens on the language the wizard speaks", ()),
    "cconnection_ComboBox": ("the model list opens on its topmost entry: entries without the maker's prefix stand "
                             "above the models in descending order of their text, the translated prompt among them, "
                             "so the lab's OLV-800 stands over or under the prompt as the language spells it",
                             ("CameraConnectionPage", "ConnectionTypeDefault", "ConnectionTypeOnlyOne",
                              "ConnectionTypeMoreThanOne", "ConnectionTypeAPMode")),
}
# The room a text keeps along its line from what stands beside it where English keeps that much or more: a letter's
# own side bearing moves its edge a pixel or two, a caption 0 to 4 px from its field reads as pressed against it.
BESIDE = 6
STATES = ("class", "enabled", "checked", "open", "echo", "readOnly", "scroll", "selected")
TEXT_KINDS = ("text", "title", "tab", "header", "current", "placeholder", "tooltip")
CONTROLS = ("QLineEdit", "QComboBox", "QDateEdit", "QTimeEdit", "QPushButton", "QCheckBox", "QRadioButton",
            "QTableWidget", "QListWidget", "QTextEdit", "QPlainTextEdit", "QTabBar")


def keyed(items, kind=False):
    """{key: item} of items, each keyed by its page and name (its class where it has none) and, with kind, its kind
    ("page/name:kind"), counted where several share one ("page/name#2")."""
    counts, out = collections.Counter(), {}
    for item in items:
        key = "%s/%s" % (item["page"], item["name"] or item["class"])
        counts[(key, item["kind"])] += 1
        count = counts[(key, item["kind"])]
        out[key + ("#%d" % count if count > 1 else "") + (":" + item["kind"] if kind else "")] = item
    return out


def position(bar):
    """Where a scroll bar ([value, minimum, maximum]) stands: at its start, at its end, or between."""
    value, least, most = bar
    return "start" if value <= least else "end" if value >= most else "inside"


def letters(item):
    """Where a text's letters are: a label's drawn lines, a push button's caption, a check box's or radio button's box
    and caption as wide as they need; none known of another."""
    if item.get("glyphs") or item.get("caption"):
        return item.get("glyphs") or [item["caption"]]
    return [item["ink"]] if item["class"] in ("QCheckBox", "QRadioButton") and "ink" in item else []


def shape(texts):
    """What of a screen (the test library's texts) the comparison reads: each widget's state, each list's current
    entry (its row and text), each text's colours and fonts, and the places of texts' letters and controls."""
    widgets, lists, parts = {}, collections.defaultdict(list), {}
    for key, item in keyed(t for t in texts if t["kind"] == "widget").items():
        state = {name: item[name] for name in STATES if name in item}
        if "scroll" in state:
            state["scroll"] = {axis: position(bar) for axis, bar in state["scroll"].items()}
        widgets[key] = state
        if item["name"] and item["class"] in CONTROLS:
            parts[key] = [item["rect"]]
    for item in texts:
        if item["kind"] in ("item", "current"):
            lists[item["name"]].append(item)
    current = {name: [row, item["text"]] for name, rows in lists.items()
               for row, item in enumerate(rows) if item["kind"] == "current"}
    drawn = {}
    for key, item in keyed((t for t in texts if t["kind"] in TEXT_KINDS), kind=True).items():
        drawn[key] = {"colours": sorted(item.get("colours", [])), "fonts": sorted(item.get("fonts", []))}
        if item["kind"] == "text" and item["name"]:
            parts[key] = letters(item)
    return {"widgets": widgets, "current": current, "texts": drawn, "parts": {k: v for k, v in parts.items() if v}}


def row_gaps(one, other):
    """The room between two things' rectangles along the rows they share, at its least: (from one's right to other
    standing right of it, from other's right to one standing left of it), None for a side where other does not stand;
    one reaching 2 px into the other still stands beside it, with a room under 0."""
    pairs = [(a, b) for a in one for b in other if a[1] < b[1] + b[3] and b[1] < a[1] + a[3]]
    right = [b[0] - a[0] - a[2] for a, b in pairs if b[0] >= a[0] + a[2] - 2]
    left = [a[0] - b[0] - b[2] for a, b in pairs if a[0] >= b[0] + b[2] - 2]
    return min(right, default=None), min(left, default=None)


def beside(parts):
    """{(text, neighbour, side): room} of each text's nearest neighbour (a control or another text of its page or
    popup) on either side along its lines."""
    nearest = {}
    for key, letters in parts.items():
        if not key.endswith(":text"):
            continue
        owner, page = key[:-len(":text")], key.split("/")[0]
        for other, rects in parts.items():
            if other.split(":")[0] == owner or other.split("/")[0] != page:
                continue
            for side, room in zip(("right", "left"), row_gaps(letters, rects)):
                if room is not None and (side not in nearest.get(key, {}) or room < nearest[key][side][1]):
                    nearest.setdefault(key, {})[side] = (other, room)
    return {(key, other, side): room for key, sides in nearest.items() for side, (other, room) in sides.items()}


def sources(text, table):
    """The English texts that the language's table ({source: translation}) translates into text."""
    return {source for source, translation in table.items() if translation == text}


def differences(english, screen, table, least=BESIDE):
    """How a language's screen (its shape) differs from English's on the same road but for the lists of MEANT and what
    follows them; table: the language's translations ({source: translation}), to read a list's entries."""
    faults, followed = [], set()
    for name, (row, text) in screen["current"].items():
        english_row, english_entry = english["current"].get(name, [None, None])
        english_texts = sources(text, table) or {english_entry}  # a name or a month of its own: its row tells
        if english_row == row and english_entry in english_texts:
            continue
        if name in MEANT:
            followed.update(MEANT[name][1])
        else:
            faults.append("%s shows %r (row %s), English %r (row %s)" % (name, text, row, english_entry, english_row))

    def compared(key):
        return key.split("/")[0] not in followed

    widgets, shown = english["widgets"], screen["widgets"]
    for key in sorted(set(widgets) ^ set(shown)):
        if compared(key):
            faults.append("%s is %s" % (key, "shown, English hides it" if key in shown else "hidden, English shows it"))
    for key in sorted(set(widgets) & set(shown)):
        for state in STATES:
            if compared(key) and widgets[key].get(state) != shown[key].get(state):
                faults.append("%s %s %s, English %s" % (key, state, shown[key].get(state), widgets[key].get(state)))
    texts, drawn = english["texts"], screen["texts"]
    for key in sorted(set(texts) ^ set(drawn)):
        if compared(key) and key.split(":")[0] in set(widgets) & set(shown):
            faults.append("%s: %s" % (key, "drawn where English draws no text" if key in drawn else "no text drawn"))
    for key in sorted(set(texts) & set(drawn)):
        for what in ("colours", "fonts"):
            if texts[key][what] != drawn[key][what]:
                faults.append("%s drawn in %s %s, English %s" % (key, what, drawn[key][what], texts[key][what]))
    for (text, other, side), room in sorted(beside(english["parts"]).items()):
        if text not in screen["parts"] or other not in screen["parts"] or not compared(text):
            continue
        now = row_gaps(screen["parts"][text], screen["parts"][other])[side == "left"]
        if now is not None and now < min(room, least):
            faults.append("%s %d px from %s on its %s, English %d px" % (text, now, other, side, room))
    return faults


def write_road(path, screens):
    """Keeps the English road's screens ({screen: shape}) whole, for the other languages' roads."""
    with open(path + ".new", "w", encoding="utf-8") as f:
        json.dump(screens, f)
    os.replace(path + ".new", path)


def read_road(path):
    """The English road's screens as write_road kept them; fails naming the road to run first."""
    if not os.path.exists(path):
        raise AssertionError("no English road at %s to compare with: run the layout road in English first "
                             "(ctest -R layout_1.LayoutGroup1.test_en)" % path)
    with open(path, encoding="utf-8") as f:
        return json.load(f)
