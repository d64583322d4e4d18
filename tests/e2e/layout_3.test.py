#!/usr/bin/env python3
"""Every page and popup in sv, fi, cs, pl, hu, ro (see layoutcheck)."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import layoutcheck  # noqa: E402

LayoutGroup3 = layoutcheck.case_for("LayoutGroup3", ["sv", "fi", "cs", "pl", "hu", "ro"])

if __name__ == "__main__":
    unittest.main(verbosity=2)
