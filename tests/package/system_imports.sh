#!/usr/bin/env bash
# Fails when a program imports a library that Windows could take from the
# program's folder: people unpack Hopvox into their Downloads folder, next to
# whatever a web page saved there, and a planted library of such a name would
# run inside Hopvox. Allowed: the known system libraries of Windows XP, 7 and
# 10 (the system always takes those from its own folder) and the C runtime
# every one of them loads first. Not the common controls and dialogs: loaded
# with the program, before its first line, they load the theme library by
# bare name, from the program's folder first.
#   system_imports.sh PROGRAM.exe ...
set -euo pipefail
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}

allowed=" kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll ole32.dll "
allowed+="oleaut32.dll msvcrt.dll "

status=0
for exe in "$@"; do
  dlls=$("$objdump" -p "$exe" | awk '/^\tDLL Name:/ {print tolower($3)}' | sort -u)
  if [ -z "$dlls" ]; then
    echo "$exe: no import table found"
    status=1
    continue
  fi
  outside=""
  for dll in $dlls; do
    [[ $allowed == *" $dll "* ]] || outside+=" $dll"
  done
  if [ -n "$outside" ]; then
    echo "$exe: imports libraries Windows may take from the program's folder:$outside"
    status=1
  else
    echo "$exe: imports only known system libraries:" $dlls
  fi
done
exit $status
