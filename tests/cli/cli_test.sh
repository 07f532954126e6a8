#!/usr/bin/env bash
# quorvel-cli as a script meets it: results and exit statuses, one refusal of
# each kind, and --json against the MPFR model's golden rows.
# Usage: cli_test.sh CLI VERSION SOURCE_DIR [EMULATOR...]
set -uo pipefail
cli=$1 version=$2 source=$3
shift 3
emulator=("$@")
failed=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
error_text=$(sed -n 's/^#define QUORVEL_INPUT_ERROR_TEXT "\(.*\)"$/\1/p' "$source/res/texts.h")

# expect STATUS STDOUT ARGUMENT...: what the command prints and its status.
expect() {
  local status=$1 out=$2
  shift 2
  "${emulator[@]}" "$cli" "$@" >"$work/out" 2>"$work/err"
  local got=$?
  if [ "$got" -ne "$status" ] || { [ -n "$out" ] && [ "$(cat "$work/out")" != "$out" ]; }; then
    echo "FAILED: quorvel-cli $*: status $got, stdout: $(cat "$work/out") stderr: $(cat "$work/err")"
    failed=1
  fi
}
# refused ARGUMENT...: wrong use, status 2, nothing on stdout, a reason on stderr.
refused() {
  expect 2 "" "$@"
  if [ -s "$work/out" ] || [ ! -s "$work/err" ]; then echo "FAILED: refusal of $*"; failed=1; fi
}

expect 0 102 1920 1080 21.5
expect 0 62 800 600 16
expect 0 5 -- -5 0 1
expect 1 "$error_text" 1920 1080 21,5
expect 1 "$error_text" 1920 1080 ''
expect 1 "{\"error\": \"$error_text\"}" --json 1 1 0
expect 1 "$error_text" --details 1 1 -1
expect 0 "quorvel-cli $version" --version
expect 1 "$error_text" 1 2 "２１.５５５５"  # seven characters: read, not refused
expect 0 "" --help
grep -q '^usage: quorvel-cli' "$work/out" || { echo "FAILED: --help gives no usage"; failed=1; }

refused 1920 1080                       # a value missing
refused 1 2 3 4                         # one too many
refused --xml 1 2 3                     # an unknown option
refused -j 1 2 3                        # an unknown short option
refused --json --details 1 2 3          # two outputs
refused 1920 1080 1234567890            # a diagonal longer than the calculation reads
refused "$(printf '1%.0s' {1..33})" 1 1  # a width longer than it reads

# The examples' rows of the golden table, whose text is plain ASCII.
head -n 100 "$source/tests/golden/details.tsv" | grep -v '^#' | head -n 3 >"$work/rows"
while IFS=$'\t' read -r width height diagonal json; do
  expect 0 "$json" --json "$width" "$height" "$diagonal"
done <"$work/rows"
lines=$("${emulator[@]}" "$cli" --details 1920 1080 21.5 | grep -c '')
[ "$lines" -eq 21 ] || { echo "FAILED: --details gives $lines rows, not 13 and 8 scales"; failed=1; }

[ $failed -eq 0 ] && echo "quorvel-cli: every case holds"
exit $failed
