#!/usr/bin/env python3
"""Every page and popup in hr, sl, ja, ko, zh_CN, zh_TW (see layoutcheck)."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import layoutcheck  # noqa: E402

if __name__ == "__main__":
    layoutcheck.main(["hr", "sl", "ja", "ko", "zh_CN", "zh_TW"])
