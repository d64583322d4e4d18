#!/usr/bin/env python3
"""The tests of one unittest script, for CTest: each test method is a CTest test of its own, so that they
run side by side.

    scripttests.py list SCRIPT      prints the script's tests, one "Class.method" a line (importing the script
                                    runs no test)
    scripttests.py run SCRIPT ID    runs that test; exits 0 when it passed, 77 when it (or part of it) was
                                    skipped, printing "SKIP: <why>" for each reason, and 1 when it failed
"""

import importlib.util
import os
import sys
import unittest

SKIPPED = 77  # SKIP_RETURN_CODE of these tests in tests/CMakeLists.txt


def load(path):
    sys.path.insert(0, os.path.dirname(os.path.abspath(path)))
    name = os.path.basename(path).split(".", 1)[0] + "_test"
    spec = importlib.util.spec_from_file_location(name, path)
    module = importlib.util.module_from_spec(spec)
    sys.modules[name] = module  # unittest finds setUpModule through it
    spec.loader.exec_module(module)
    return module


def test_ids(suite):
    for item in suite:
        if isinstance(item, unittest.TestSuite):
            yield from test_ids(item)
        else:
            yield item.id().split(".", 1)[1]


def run(path, test_id):
    module = load(path)
    result = unittest.TextTestRunner(verbosity=2).run(unittest.defaultTestLoader.loadTestsFromName(test_id, module))
    if not result.wasSuccessful():
        return 1
    if result.skipped:
        for reason in sorted({reason for _, reason in result.skipped}):
            print("SKIP: " + reason, flush=True)
        return SKIPPED
    if result.testsRun == 0:
        print("no test named %s in %s" % (test_id, path), file=sys.stderr)
        return 1
    return 0


def main(argv):
    if len(argv) == 2 and argv[0] == "list":
        for test_id in test_ids(unittest.defaultTestLoader.loadTestsFromModule(load(argv[1]))):
            print(test_id)
        return 0
    if len(argv) == 3 and argv[0] == "run":
        return run(argv[1], argv[2])
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
