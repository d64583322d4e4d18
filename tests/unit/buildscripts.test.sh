#!/usr/bin/env bash
# The project's own checks and build steps: the format check in a tree without git (it finds the files
# itself, says how many it checked, lists each unformatted one and fails on it and on finding none);
# scripts/run without a display; scripts/build's jobs; scripts/bench's build, its output in a log shown only when
# it fails; the mutation table's check of stale rows; scripts/test's help, and its verdict on skipped tests; .ci/run's
# checkout open to its owner alone; config.xml beside the program kept when edited, replaced while it is the shipped
# one; every CTest test with a rule that shows a skip.
set -euo pipefail
: "${SOURCE_DIR:?}" "${BUILD_DIR:?}"
command -v clang-format-14 >/dev/null || { echo "SKIP: clang-format-14 is not installed (scripts/setup installs it)"; exit 77; }
. "$SOURCE_DIR/tests/support/scriptcheck.sh"

# --- the format check, in an exported tree: no .git anywhere above it ---
tree="$work/tree"
mkdir -p "$tree/scripts" "$tree/base" "$tree/out/x_autogen"
cp "$SOURCE_DIR/scripts/format" "$tree/scripts/"
cp "$SOURCE_DIR/.clang-format" "$tree/"
printf 'int one()\n{\n    return 1;\n}\n' >"$tree/base/good.cpp"
printf 'int  two( ){return 2;}\n' >"$tree/out/x_autogen/generated.cpp" # a build folder's, not ours
check() { (cd "$work" && "$tree/scripts/format" --check 2>&1); }
# name, set-up, expected exit status, text the output holds
rows=(
  "formatted file|true|0|1 files checked, none differs"
  "unformatted file|printf 'int  two( ){return 2;}\n' >\"\$tree/base/bad.h\"|1|2 files checked, 1 differ"
  "each listed on a line|cp \"\$tree/base/bad.h\" \"\$tree/base/worse.cpp\"|1|  base/worse.cpp"
  "a style it cannot read|mv \"\$tree/.clang-format\" \"\$work/style\"; echo 'Nonsense: [' >\"\$tree/.clang-format\"|1|failed on the 3 files"
  "no file at all|mv \"\$work/style\" \"\$tree/.clang-format\"; rm -f \"\$tree\"/base/*|1|no C++ file found"
)
for row in "${rows[@]}"; do
  IFS='|' read -r name setup expected text <<<"$row"
  eval "$setup"
  status=0
  out=$(check) || status=$?
  expect "format check" "$name" "$expected" "$text"
done

# --- scripts/run without a display stops before building; with one, or a platform given, it starts ---
cp "$SOURCE_DIR/scripts/run" "$tree/scripts/"
printf '#!/bin/sh\necho built\n' >"$tree/scripts/build"
mkdir -p "$tree/build" && printf '#!/bin/sh\necho "started $*"\n' >"$tree/build/tolmwizard"
chmod +x "$tree/scripts/build" "$tree/build/tolmwizard"
# name, environment, arguments, expected exit status, text the output holds
rows=(
  "no display||x|1|the wizard needs a display"
  "DISPLAY|DISPLAY=:7|x|0|started x"
  "WAYLAND_DISPLAY|WAYLAND_DISPLAY=wayland-0|x|0|started x"
  "QT_QPA_PLATFORM|QT_QPA_PLATFORM=offscreen|x|0|started x"
  "platform option||-platform offscreen|0|started -platform offscreen"
)
for row in "${rows[@]}"; do
  IFS='|' read -r name vars args expected text <<<"$row"
  status=0
  # shellcheck disable=SC2086 # the arguments are words
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $vars "$tree/scripts/run" $args 2>&1) || status=$?
  expect "scripts/run" "$name" "$expected" "$text"
  [ "$expected" = 0 ] || ! grep -q built <<<"$out" || fail "scripts/run, $name: built before it stopped"
done

# --- scripts/build: one compiler for each core, or as many as CMAKE_BUILD_PARALLEL_LEVEL says ---
cp "$SOURCE_DIR/scripts/build" "$tree/scripts/"
mkdir -p "$work/bin" && printf '#!/bin/sh\necho "cmake $*"\n' >"$work/bin/cmake"
printf '#!/bin/sh\n' >"$tree/scripts/setup" && chmod +x "$tree/scripts/setup" "$work/bin/cmake"
# name, environment, arguments, text the output holds
for row in "every core|||build -j$(nproc)" "fewer jobs|CMAKE_BUILD_PARALLEL_LEVEL=1|tolmwizard|build -j1 --target tolmwizard" \
  "--help||--help|CMAKE_BUILD_PARALLEL_LEVEL=2 scripts/build"; do
  IFS='|' read -r name vars args text <<<"$row"
  status=0
  # shellcheck disable=SC2086 # the arguments are words
  out=$(env -u CMAKE_BUILD_PARALLEL_LEVEL PATH="$work/bin:$PATH" $vars "$tree/scripts/build" $args 2>&1) || status=$?
  expect "scripts/build" "$name" 0 "$text"
done

# --- scripts/bench building its tree: the build's output goes to a log, shown only when the build fails ---
cp "$SOURCE_DIR/scripts/bench" "$tree/scripts/"
ln -s "$SOURCE_DIR/tests" "$SOURCE_DIR/bench" "$tree/"
printf '#!/bin/sh\necho built everything\nexit "${BUILD_STATUS:-0}"\n' >"$tree/scripts/build"
# name, the build's exit status, text the output holds (it ends with status 1 either way: nothing was built)
rows=(
  "build done|0|its output in $tree/build/bench-build.log"
  "build failed|3|built everything"
  "build failed, said so|3|the build failed with status 3"
)
for row in "${rows[@]}"; do
  IFS='|' read -r name build text <<<"$row"
  status=0
  out=$(env -u BUILD_DIR BUILD_STATUS="$build" "$tree/scripts/bench" 2>&1) || status=$?
  expect "scripts/bench" "$name" 1 "$text"
  [ "$build" != 0 ] || ! grep -q "built everything" <<<"$out" || fail "scripts/bench, $name: the build's output shown"
  grep -q "built everything" "$tree/build/bench-build.log" || fail "scripts/bench, $name: the build's output not in its log"
done

# --- scripts/mutate --check: a row applies where its code is found exactly once ---
cp "$SOURCE_DIR/scripts/mutate" "$tree/scripts/"
first=$("$SOURCE_DIR/scripts/mutate" --list | awk 'NR == 1 { sub(":$", "", $2); print $2 }')
# name, change to the file of the table's first row, expected exit status, text the output holds
rows=(
  "every row applies|true|0|rows apply"
  "its code gone|: >\"\$tree/\$first\"|1|(0 matches)"
  "its code twice|cat \"\$SOURCE_DIR/\$first\" >>\"\$tree/\$first\"|1|(2 matches)"
)
for row in "${rows[@]}"; do
  IFS='|' read -r name change expected text <<<"$row"
  mkdir -p "$(dirname "$tree/$first")" && cp "$SOURCE_DIR/$first" "$tree/$first"
  eval "$change"
  status=0
  out=$("$tree/scripts/mutate" --check -k "$first" 2>&1) || status=$?
  expect "scripts/mutate --check" "$name" "$expected" "$text"
done

# --- scripts/test: its help without a build; a skipped test fails the run unless --partial ---
cp "$SOURCE_DIR/scripts/test" "$tree/scripts/"
mkdir -p "$work/bin"
cat >"$work/bin/ctest" <<'CTEST'
#!/bin/sh
mkdir -p Testing/Temporary
echo "SKIP: the lab needs root" >Testing/Temporary/LastTest.log
case "$CTEST_RESULT" in
skip) printf '100%% tests passed, 0 tests failed out of 1\n\nThe following tests did not run:\n\t  1 - lab_x (Skipped)\n' ;;
fail) echo "0% tests passed, 1 tests failed out of 1" && exit 8 ;;
esac
CTEST
chmod +x "$work/bin/ctest"
# name, ctest's result, arguments, expected exit status, text the output holds
rows=(
  "--help|-|--help|0|usage: scripts/test"
  "-h|-|-h|0|usage: scripts/test"
  "a test failed|fail|-L unit|8|1 tests failed"
  "a test skipped|skip|-L lab|1|the lab needs root (1 test)"
  "a test skipped, --partial|skip|--partial -L lab|0|1 test(s) skipped"
)
for row in "${rows[@]}"; do
  IFS='|' read -r name result args expected text <<<"$row"
  status=0
  # shellcheck disable=SC2086 # the arguments are words
  out=$(PATH="$work/bin:$PATH" CTEST_RESULT=$result "$tree/scripts/test" $args 2>&1) || status=$?
  expect "scripts/test" "$name" "$expected" "$text"
  [[ "$name" != -* ]] || ! grep -q built <<<"$out" || fail "scripts/test, $name: built before it answered"
done

# --- .ci/run: scripts/test with the checkout open to its owner alone, its mode given back, its failure CI's ---
mkdir -p "$tree/.ci" && cp "$SOURCE_DIR/.ci/run" "$tree/.ci/"
printf '#!/bin/sh\necho "mode $(stat -c %%a .)"\nexit "${TEST_STATUS:-0}"\n' >"$tree/scripts/test"
chmod 0755 "$tree" "$tree/scripts/test"
# name, scripts/test's exit status
for row in "passed|0" "failed|3"; do
  IFS='|' read -r name result <<<"$row"
  status=0
  out=$(TEST_STATUS=$result "$tree/.ci/run" 2>&1) || status=$?
  expect ".ci/run" "$name" "$result" "mode 700"
  [ "$(stat -c %a "$tree")" = 755 ] || fail ".ci/run, $name: the checkout left at mode $(stat -c %a "$tree")"
done

# --- config.xml beside the program ---
ship="$work/ship"
mkdir -p "$ship"
put() { cmake -DSHIPPED="$ship/shipped.xml" -DTARGET="$ship/config.xml" -P "$SOURCE_DIR/cmake/shippedfile.cmake" >/dev/null; }
# name, shipped file's text, the text config.xml has before (- none; = the last shipped one), after
rows=(
  "none there|v1|-|v1"
  "unchanged, the shipped one unchanged|v1|=|v1"
  "unchanged, a newer one shipped|v2|=|v2"
  "edited|v2|mine|mine"
  "edited, a newer one shipped|v3|mine|mine"
  "removed|v3|-|v3"
)
for row in "${rows[@]}"; do
  IFS='|' read -r name shipped before after <<<"$row"
  case "$before" in
  -) rm -f "$ship/config.xml" ;;
  =) ;;
  *) echo "$before" >"$ship/config.xml" ;;
  esac
  echo "$shipped" >"$ship/shipped.xml"
  put
  [ "$(cat "$ship/config.xml")" = "$after" ] || fail "config.xml, $name: holds $(cat "$ship/config.xml"), not $after"
done
# A build tree from before: config.xml and no note of what was shipped.
rm -f "$ship/config.xml.shipped"
echo "old" >"$ship/config.xml"
put
[ "$(cat "$ship/config.xml")" = "old" ] || fail "config.xml of an earlier build tree not kept"

# --- every test shows a skip as a skip ---
missing=$(cd "$BUILD_DIR" && ctest --show-only=json-v1 | python3 -c '
import json, sys
for test in json.load(sys.stdin)["tests"]:
    names = {p["name"] for p in test.get("properties", [])}
    if not names & {"SKIP_RETURN_CODE", "SKIP_REGULAR_EXPRESSION"}:
        print(test["name"])')
[ -z "$missing" ] || fail "tests without a skip rule: $missing"

finish
