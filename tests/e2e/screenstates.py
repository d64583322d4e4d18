"""What every screen of the layout road shows in every language, English included, whatever its translation: a field
that holds a secret masked, a text box or list opened at its start, an error line drawn in the error colour and no
other text in it. A fault of the code shows alike in every language, where a comparison with English sees none."""

import re

from screentexts import plain

SECRET = re.compile(r"Pass(word|code)|Key")  # a field named for a password or key holds a secret
ERROR_LINE = re.compile(r"Error_Label$")  # the line under a field that says what is wrong with it
ERROR_COLOUR = "#ff0000"


def unmasked(texts):
    """The fields shown that hold a secret (SECRET) and draw it in clear: each typed letter not a dot."""
    return ["%s shows what is typed (%s echo)" % (t["name"], t["echo"]) for t in texts
            if t["kind"] == "widget" and SECRET.search(t["name"]) and t.get("echo", "password") != "password"]


def scrolled(texts):
    """The text boxes and lists shown scrolled away from their start: a person reads a long text (the licence) and a
    list from its top."""
    return ["%s opens scrolled %s to %d of %d..%d" % (t["name"], axis, *t["scroll"][axis])
            for t in texts if t["kind"] == "widget" and t["name"] and "scroll" in t
            for axis in ("vertical", "horizontal") if t["scroll"][axis][0] > t["scroll"][axis][1]]


def error_colours(texts):
    """The error lines (ERROR_LINE) drawn in any colour but the error colour, and the other texts drawn in it."""
    faults = []
    for item in texts:
        if item["kind"] in ("widget", "open", "item", "overlap"):
            continue
        colours = {colour.lower() for colour in item.get("colours", [])}
        if ERROR_LINE.search(item["name"]) and colours - {ERROR_COLOUR}:
            faults.append("error %s drawn in %s" % (item["name"], ", ".join(sorted(colours - {ERROR_COLOUR}))))
        elif not ERROR_LINE.search(item["name"]) and ERROR_COLOUR in colours:
            faults.append("%s %r drawn in the error colour" % (item["name"], plain(item["text"])[:40]))
    return faults


# A style sheet's rules (a selector list and its declarations) and its comments.
RULE = re.compile(r"([^{};]*)\{([^{}]*)\}")
COMMENT = re.compile(r"/\*.*?\*/", re.S)
DECLARATION = re.compile(r"([\w-]+)\s*:\s*((?:url\([^)]*\)|[^;])+)")
# The pseudo-states that hold for a control at rest, enabled or disabled (one named with "!" holds where it does not):
# the pointer away from it, not pressed, not focused.
AT_REST = {True: {"enabled"}, False: {"disabled"}}


def declared(style, name, enabled):
    """What a control's style sheet (its own and the application's rules that name it, as the test library gives them)
    declares for the control of that name at rest, enabled or not: {property: value} of the declarations outside any
    rule and of the rules whose selectors hold for it in that state (naming no other control by its object name); a
    rule with more pseudo-states over one with fewer, a later over an earlier."""
    style = COMMENT.sub(" ", style or "")
    rules = [(0, RULE.sub(" ", style))]
    for selectors, declarations in RULE.findall(style):
        for selector in selectors.split(","):
            named = re.findall(r"#([\w-]+)", selector)
            states = re.findall(r"(?<!:):(!?[\w-]+)", selector)
            if (not named or name in named) and all((state.lstrip("!") in AT_REST[enabled]) != state.startswith("!")
                                                    for state in states):
                rules.append((len(states), declarations))
    values = {}
    for _, declarations in sorted(rules, key=lambda rule: rule[0]):  # stable: a later rule of as many states wins
        values.update((prop.lower(), value.strip()) for prop, value in DECLARATION.findall(declarations))
    return values


# The state a face picture of the product's buttons shows, by its name: the disabled form of a style (btn_blue's is
# btn_blue_disable), the face under the pointer (btn_hover, btn_white_hover, select_s_hover), else a face of an enabled
# control at rest (btn_blue, btn_white, btn_white_l, btn_start, btn_close_blue, the tabs' select_*_blue and _white).
FACE_KINDS = ((re.compile(r"_disable\.\w+$"), "disabled"), (re.compile(r"_hover\.\w+$"), "hover"))
FACE_SHOWS = {"disabled": "a disabled button", "hover": "the pointer over it", "enabled": "an enabled button"}
URL = re.compile(r"url\(\s*['\"]?([^)'\"]*?)['\"]?\s*\)")


def face_kind(picture):
    """The state a face picture shows (FACE_KINDS): "disabled", "hover" or "enabled"."""
    return next((kind for pattern, kind in FACE_KINDS if pattern.search(picture)), "enabled")


def hex_colour(value):
    """A style sheet's colour ("rgb(0, 176, 208)", "#00B0D0", "white") as "#rrggbb", or the value lower-cased."""
    value = value.strip().lower()
    rgb = re.fullmatch(r"rgb\(\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*\)", value)
    if rgb:
        return "#%02x%02x%02x" % tuple(int(part) for part in rgb.groups())
    return {"white": "#ffffff", "black": "#000000"}.get(value, value)


def state_faces(texts):
    """The push buttons whose look at rest tells another state than theirs: a disabled one drawn with a face that is
    not a disabled form (FACE_KINDS), an enabled one drawn with the disabled face or the pointer's; a button drawn
    without a face (as a link), disabled, its caption in the colour its style gives it enabled."""
    captions = {(t.get("page"), t["name"]): t for t in texts if t["kind"] == "text"}
    faults = []
    for item in texts:
        if item["kind"] != "widget" or item.get("class") != "QPushButton" or "style" not in item:
            continue
        enabled = item.get("enabled", True)
        state = "enabled" if enabled else "disabled"
        rest = declared(item["style"], item["name"], enabled)
        face = next((URL.search(rest[prop]).group(1) for prop in ("image", "border-image", "background-image")
                     if URL.search(rest.get(prop, ""))), None)
        if face and min(item.get("pictures", {}).get(face, [0, 0])) > 0:
            if face_kind(face) != state:
                faults.append("%s is %s, drawn with %s, the face of %s" % (item["name"], state, face,
                                                                          FACE_SHOWS[face_kind(face)]))
            continue
        colour = hex_colour(declared(item["style"], item["name"], True).get("color", ""))
        caption = captions.get((item.get("page"), item["name"]), {})
        if not enabled and colour in [hex_colour(c) for c in caption.get("colours", [])]:
            faults.append("%s is disabled, its caption drawn in %s as when it is enabled" % (item["name"], colour))
    return faults


# The pixels a mark of the keyboard's focus takes at least: a text field's cursor, as tall as its letters.
LEAST_FOCUS_MARK = 12


def unmarked_focus(texts, least=LEAST_FOCUS_MARK):
    """The controls a person reaches with Tab (enabled, taking the focus from the keyboard) that show no mark of the
    focus once they have it: fewer than least pixels drawn otherwise with the focus than without it, in a colour told
    apart from theirs (as the test library draws them)."""
    return ["%s shows no mark of the keyboard's focus (%d px)%s" % (t["name"] or t["class"], t["focusMark"],
                                                                    ", and has it" if t.get("focus") else "")
            for t in texts if t["kind"] == "widget" and t.get("tabbed") and t.get("focusMark", least) < least]
