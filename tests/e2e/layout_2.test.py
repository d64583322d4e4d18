#!/usr/bin/env python3
"""Every page and popup in pt_BR, de, nl, da, no, ru (see layoutcheck)."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import layoutcheck  # noqa: E402

if __name__ == "__main__":
    layoutcheck.main(["pt_BR", "de", "nl", "da", "no", "ru"])
