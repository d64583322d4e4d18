#!/usr/bin/env bash
# scripts/fuzz as on a fresh clone: it builds the fuzzer into a folder of this build tree of its own (no
# other build or run shares it) and fuzzes the DCP receive path for a few seconds from the committed corpus.
# Fails when the fuzzer does not build, runs no input, or finds a crash.
set -euo pipefail
: "${SOURCE_DIR:?}" "${BUILD_DIR:?}"
command -v clang++ >/dev/null || { echo "SKIP: clang++ is not installed (scripts/setup installs clang)"; exit 77; }
. "$SOURCE_DIR/tests/support/scriptcheck.sh"

status=0
"$SOURCE_DIR/scripts/fuzz" -B "$BUILD_DIR/fuzz" 5 >"$work/out" 2>&1 || status=$?
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/out")
# libFuzzer ends on a crash with its own code (77, CTest's skip): any but 0 is a failure.
[ "$status" = 0 ] && [ "${runs:-0}" -gt 0 ] || fail "scripts/fuzz: exit $status, ${runs:-no} inputs run: $(tail -40 "$work/out")"
finish
