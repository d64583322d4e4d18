#!/usr/bin/env python3
"""Every page and popup in hr, sl, ja, ko, zh_CN, zh_TW (see layoutcheck)."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import layoutcheck  # noqa: E402

LayoutGroup4 = layoutcheck.case_for("LayoutGroup4", ["hr", "sl", "ja", "ko", "zh_CN", "zh_TW"])

if __name__ == "__main__":
    unittest.main(verbosity=2)
