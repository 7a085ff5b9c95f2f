#!/usr/bin/env bash
# The XP check reads the import listings of both objdump layouts we build
# with, and fails on a listing it cannot read rather than passing it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
printf 'MZ' >"$tmp/program.exe"

# A fake objdump printing the listing of $tmp/listing, headers first.
cat >"$tmp/objdump" <<'FAKE'
#!/bin/sh
printf 'MajorSubsystemVersion\t5\nMinorSubsystemVersion\t1\n\nThe Import Tables\n'
cat "$(dirname "$0")/listing"
FAKE
chmod +x "$tmp/objdump"

failures=0
verdict() {  # verdict WANTED NAME LISTING
  printf '%b' "$3" >"$tmp/listing"
  local got=pass
  OBJDUMP=$tmp/objdump bash "$here/xp_imports.sh" "$tmp/program.exe" >"$tmp/out" 2>&1 || got=fail
  if [ "$got" != "$1" ]; then
    echo "FAILED: $2: wanted $1, got $got:"
    cat "$tmp/out"
    failures=$((failures + 1))
  fi
}

old_heading='\tDLL Name: KERNEL32.dll\n\tvma:  Hint/Ord Member-Name Bound-To\n'
new_heading='\tDLL Name: KERNEL32.dll\n\tvma:     Ordinal  Hint  Member-Name  Bound-To\n'
verdict pass "binutils 2.40, XP's functions" "$old_heading\t000c5700\t  123  CreateMutexA\n\t000c5704\t  456  Sleep\n\n"
verdict fail "binutils 2.40, a Vista function" "$old_heading\t000c5700\t  123  CreateMutexA\n\t000c5714\t  895  InitializeConditionVariable\n\n"
verdict pass "binutils 2.44, XP's functions" "$new_heading\t000c5700  <none>  007b  CreateMutexA\n\t000c5704  <none>  01c8  Sleep\n\n"
verdict fail "binutils 2.44, a Vista function" "$new_heading\t000c5700  <none>  007b  CreateMutexA\n\t000c5714  <none>  037f  InitializeConditionVariable\n\n"
verdict pass "binutils 2.44, by ordinal" "$new_heading\t000c5700  <none>  007b  CreateMutexA\n\t000c5704     17  <none>  <none>\n\n"
verdict fail "a layout not understood" '\tDLL Name: KERNEL32.dll\n\tcolumns nobody knows\n\t000c5714 | InitializeConditionVariable\n\n'
verdict fail "a DLL XP does not have" "\tDLL Name: api-ms-win-core-synch-l1-2-0.dll\n\tvma:     Ordinal  Hint  Member-Name  Bound-To\n\t000c5700  <none>  0001  WaitOnAddress\n\n"
[ "$failures" -eq 0 ] && echo "the XP check reads both layouts"
exit $((failures > 0))
