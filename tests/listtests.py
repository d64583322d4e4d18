#!/usr/bin/env python3
"""Prints the tests of one unittest script, one "Class.method" a line, so that CTest can run each
test alone and side by side with the others. Importing the script runs no test."""

import importlib.util
import os
import sys
import unittest


def test_ids(suite):
    for item in suite:
        if isinstance(item, unittest.TestSuite):
            yield from test_ids(item)
        else:
            yield item.id().split(".", 1)[1]


def main(path):
    sys.path.insert(0, os.path.dirname(os.path.abspath(path)))
    spec = importlib.util.spec_from_file_location("listed_script", path)
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    for test_id in test_ids(unittest.defaultTestLoader.loadTestsFromModule(module)):
        print(test_id)


if __name__ == "__main__":
    main(sys.argv[1])
