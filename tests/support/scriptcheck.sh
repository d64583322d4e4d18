# Sourced by the script tests (tests/*/*.test.sh): a scratch folder removed at exit, fail for a fault,
# expect for a table row's exit status and output, and finish for the verdict.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
# A row's exit status ($status) and the text its output ($out) holds: what, row name, expected status, text.
expect() {
  [ "$status" = "$3" ] || fail "$1, $2: exit $status, not $3: $out"
  grep -qF -- "$4" <<<"$out" || fail "$1, $2: no \"$4\" in: $out"
}
finish() {
  [ "$failures" -eq 0 ] || exit 1
  echo "all checks passed"
}
