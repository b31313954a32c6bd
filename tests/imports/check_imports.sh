#!/usr/bin/env bash
# Fails when the executable imports a DLL that is not one of Windows Vista's
# KnownDLLs, or a function that is not on the list of functions known in
# Vista. A KnownDLL is always loaded from the system folder; any other DLL
# that the executable imports would be looked for beside it first, where a
# copy of the same name would be loaded in its place.
set -euo pipefail

exe=$1
allowed_functions=$(dirname "$0")/vista_functions.txt
# Vista's KnownDLLs that a program like this one may need (comctl32.dll and
# uxtheme.dll are not among them).
allowed_dlls="advapi32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll oleaut32.dll psapi.dll shell32.dll shlwapi.dll user32.dll"
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}

imports=$("$objdump" -p "$exe" | awk -F'\t' '
  /DLL Name:/ { split($2, name, ": "); dll = tolower(name[2]); next }
  dll && NF >= 3 && $3 ~ /^ +[0-9]+ +[A-Za-z_]/ { split($3, entry, " "); print dll " " entry[2] }')

[ -n "$imports" ] || { echo "FAIL: no imports read from $exe"; exit 1; }

failures=0
for dll in $(echo "$imports" | cut -d' ' -f1 | sort -u); do
  if ! grep -qw -- "$dll" <<<"$allowed_dlls"; then
    echo "FAIL: imports $dll, which is not a KnownDLL of Windows Vista (load it at run time from the system folder)"
    failures=$((failures + 1))
  fi
done
while read -r dll function; do
  if ! grep -qx -- "$dll $function" "$allowed_functions"; then
    echo "FAIL: imports $dll!$function, not known to be in Windows Vista (look it up at run time)"
    failures=$((failures + 1))
  fi
done <<<"$imports"

count=$(wc -l <<<"$imports")
if [ "$failures" -gt 0 ]; then
  echo "$failures of $count imports refused"
  exit 1
fi
echo "all $count imports are in Windows Vista, all from its KnownDLLs"
