#!/usr/bin/env bash
# scripts/fuzz as on a fresh clone: its help, and a time that is no count of seconds refused, both before it
# builds anything; then it builds the fuzzers into a folder of this build tree of its own (no other build or
# run shares it) and fuzzes the DCP receive path, the reader of the decoder's answers, the camera's CGI answers
# and the catalogue's reader for a few seconds each from their committed corpora. Fails when a fuzzer does not
# build, runs no input, or finds a crash.
set -euo pipefail
: "${SOURCE_DIR:?}" "${BUILD_DIR:?}"
. "$SOURCE_DIR/tests/support/scriptcheck.sh"

# name, arguments, expected exit status, text on the standard output (help) or standard error (refusal); a
# folder named by -B is never made
rows=(
  "--help|--help|0|usage: scripts/fuzz"
  "-h after -B|-B $work/never -h|0|usage: scripts/fuzz"
  "seconds not a number|-B $work/never --help-me|2|not '--help-me'"
  "seconds with a unit|-B $work/never 5s|2|usage: scripts/fuzz"
  "zero seconds, no limit to libFuzzer|-B $work/never 0|2|a whole number above 0"
  "a target of no fuzzer|-B $work/never -t decoder 5|2|not 'decoder'"
)
for row in "${rows[@]}"; do
  IFS='|' read -r name args expected text <<<"$row"
  status=0
  # shellcheck disable=SC2086 # the arguments are words
  if [ "$expected" = 0 ]; then
    out=$("$SOURCE_DIR/scripts/fuzz" $args 2>/dev/null) || status=$?
  else
    out=$("$SOURCE_DIR/scripts/fuzz" $args 2>&1 >/dev/null) || status=$?
  fi
  expect "scripts/fuzz" "$name" "$expected" "$text"
  [ ! -e "$work/never" ] || fail "scripts/fuzz, $name: built before it answered"
done

if ! command -v clang++ >/dev/null; then
  [ "$failures" -eq 0 ] || exit 1
  echo "SKIP: clang++ is not installed (scripts/setup installs clang)"
  exit 77
fi
status=0
"$SOURCE_DIR/scripts/fuzz" -B "$BUILD_DIR/fuzz" 3 >"$work/out" 2>&1 || status=$?
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/out" | tr '\n' ' ')
# libFuzzer ends on a crash with its own code (77, CTest's skip): any but 0 is a failure. Each target runs inputs.
[ "$status" = 0 ] && [[ "$runs" =~ ^([1-9][0-9]*\ ){4}$ ]] ||
  fail "scripts/fuzz: exit $status, inputs run: ${runs:-none}: $(tail -40 "$work/out")"
finish
