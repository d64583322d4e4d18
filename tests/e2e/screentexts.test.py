#!/usr/bin/env python3
"""The layout test's line rules on texts laid out by hand: where a CJK last line and a forced break
fail, and where a break splits a web address."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from screentexts import broken_addresses, broken_lines  # noqa: E402


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


if __name__ == "__main__":
    unittest.main(verbosity=2)
