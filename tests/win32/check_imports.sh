#!/usr/bin/env bash
# The Windows program must run on a bare Windows: every DLL it imports is one of the
# system's own.
# Usage: check_imports.sh PROGRAM.exe
set -euo pipefail
program=$1
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
dlls=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]' | sort -u)
if [ -z "$dlls" ]; then
  echo "no imports found in $program"; exit 1
fi
status=0
for dll in $dlls; do
  case $dll in
    kernel32.dll | user32.dll | gdi32.dll | msvcrt.dll) ;;
    *) echo "$program imports $dll, which Windows does not bring"; status=1 ;;
  esac
done
echo "imports:" "$dlls"
exit $status
