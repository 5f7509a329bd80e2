#!/usr/bin/env bash
# Static checks of a built setup executable:
#  - it imports only DLLs that every Windows has;
#  - it never holds the 8 payload marker bytes in a row (the scan would take
#    its own image for a member record).
# usage: check_exe.sh EXE OBJDUMP
set -u
exe=$1
objdump=$2
allowed='^(kernel32|user32|gdi32|advapi32|shell32|lz32|comdlg32|ole32|msvcrt)\.dll$'

dlls=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name:[[:space:]]*//p' | tr 'A-Z' 'a-z' | tr -d '\r')
if [ -z "$dlls" ]; then
  echo "FAIL: no import table read from $exe"
  exit 1
fi
status=0
for dll in $dlls; do
  if [[ "$dll" =~ $allowed ]]; then
    echo "import ok: $dll"
  else
    echo "FAIL: $exe imports $dll, which is not a system DLL"
    status=1
  fi
done

if LC_ALL=C grep -q -a -P '\x67\x15\x52\x34\xFF\x4D\x36\x42' "$exe"; then
  echo "FAIL: $exe contains the payload marker"
  status=1
else
  echo "marker ok: not in $exe"
fi
exit $status
