#!/usr/bin/env bash
# Checks Quorvel.exe as a file: a GUI program that imports exactly kernel32,
# user32, gdi32 and comctl32 (no C runtime) and fits in 12 KiB.
# Usage: check_program_file.sh PROGRAM OBJDUMP
set -uo pipefail
exe=$1 objdump=$2
limit=12288
failed=0

headers=$("$objdump" -p "$exe") || { echo "FAIL: $objdump cannot read $exe"; exit 1; }

imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z' | sort | tr '\n' ' ')
expected="comctl32.dll gdi32.dll kernel32.dll user32.dll "
if [ "$imports" = "$expected" ]; then
  echo "ok: imports $imports"
else
  echo "FAIL: imports '$imports', expected '$expected'"
  failed=1
fi

if grep -Eq '^Subsystem[[:space:]]+00000002' <<<"$headers"; then
  echo "ok: Windows GUI subsystem"
else
  echo "FAIL: not the Windows GUI subsystem: $(grep '^Subsystem' <<<"$headers")"
  failed=1
fi

size=$(stat -c %s "$exe")
if [ "$size" -le "$limit" ]; then
  echo "ok: $size bytes (at most $limit)"
else
  echo "FAIL: $size bytes, more than $limit"
  failed=1
fi
exit $failed
