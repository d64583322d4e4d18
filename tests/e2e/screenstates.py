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
