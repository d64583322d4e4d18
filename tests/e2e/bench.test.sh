#!/usr/bin/env bash
# scripts/bench --quick measures every figure and prints each beside its target (never judged on time); it
# fails, naming why, when a program is not built, the wizard shows no window or a benchmark prints no figure.
set -euo pipefail
: "${SOURCE_DIR:?}" "${BUILD_DIR:?}"
. "$SOURCE_DIR/tests/support/scriptcheck.sh"

status=0
out=$(BUILD_DIR="$BUILD_DIR" "$SOURCE_DIR/scripts/bench" --quick 2>&1) || status=$?
echo "$out"
if [ "$status" = 77 ]; then
  echo "SKIP: $(grep -m1 'not measured' <<<"$out")"
  exit 77
fi
[ "$status" = 0 ] || fail "scripts/bench --quick: exit $status"
# Each figure's line: its name, a number, its target.
figures=(
  "minimal Qt window" "tolmwizard (main window)" "ratio wizard / minimal"
  "dcp encode, 130-byte request" "dcp encode, 1146-byte survey page" "dcp decode, 130-byte request"
  "dcp decode, 1146-byte survey page" "dcp receive path, ping reply"
  "bare UDP receiver" "DCP core (DCPUtils)" "discovery page (rows listed)" "page / core" "longest event-loop stall"
  "rows listed in the last run" "dcp scan to 1024 cameras" "udp echo round trip" "answer check, worst 2 MB answer"
  "picture decoder, start to its first answer" "picture decoder, a page's 2048x2048 JPEG"
)
for figure in "${figures[@]}"; do
  grep -F -- "$figure" <<<"$out" | grep -qE '[0-9].*(target|at most|none: the floor)' ||
    fail "no figure beside its target for \"$figure\""
done

# A build tree whose wizard ends before it shows a window and whose bench_discovery prints no figure.
stub="$work/build"
make_stub() {
  rm -rf "$stub"
  mkdir -p "$stub/bench" "$stub/tests"
  ln -s "$BUILD_DIR/lang" "$stub/lang"
  ln -s "$BUILD_DIR/tolmdecoder" "$stub/tolmdecoder"
  ln -s "$BUILD_DIR/tests/camsim" "$stub/tests/camsim"
  ln -s "$BUILD_DIR/bench/bench_minimalqt" "$BUILD_DIR/bench/bench_dcp" "$BUILD_DIR/bench/bench_answercheck" \
    "$BUILD_DIR/bench/bench_decoder" "$stub/bench/"
  printf '#!/bin/sh\nexit 3\n' >"$stub/tolmwizard"
  printf '#!/bin/sh\necho measured nothing\n' >"$stub/bench/bench_discovery"
  chmod +x "$stub/tolmwizard" "$stub/bench/bench_discovery"
}
# name; change to the stub; texts the output holds ("|" between them)
rows=(
  "a benchmark not built;rm \"\$stub/bench/bench_dcp\";not built: $stub/bench/bench_dcp"
  "no window, no figure;true;tolmwizard showed no window (it ended with status 3)|bench_discovery printed no figure"
)
for row in "${rows[@]}"; do
  IFS=';' read -r name change texts <<<"$row"
  make_stub
  eval "$change"
  status=0
  out=$(BUILD_DIR="$stub" "$SOURCE_DIR/scripts/bench" --quick 2>&1) || status=$?
  [ "$status" = 1 ] || fail "$name: exit $status, not 1: $out"
  IFS='|' read -r -a wanted <<<"$texts"
  for text in "${wanted[@]}"; do
    grep -qF -- "$text" <<<"$out" || fail "$name: no \"$text\" in: $out"
  done
done

finish
