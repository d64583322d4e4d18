#!/usr/bin/env python3
"""Every page and popup in en, fr, es, it, pt, el (see layoutcheck)."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import layoutcheck  # noqa: E402

LayoutGroup1 = layoutcheck.case_for("LayoutGroup1", ["en", "fr", "es", "it", "pt", "el"])

if __name__ == "__main__":
    unittest.main(verbosity=2)
