#!/usr/bin/env python3
"""Every page and popup in pt_BR, de, nl, da, no, ru (see layoutcheck)."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import layoutcheck  # noqa: E402

LayoutGroup2 = layoutcheck.case_for("LayoutGroup2", ["pt_BR", "de", "nl", "da", "no", "ru"])

if __name__ == "__main__":
    unittest.main(verbosity=2)
