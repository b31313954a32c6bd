#!/usr/bin/env bash
# The user's own PATH (HKCU\Environment) never reaches the script. Where the
# system folder has no nbtstat.exe (as SysWOW64, the system folder a 32-bit
# command processor sees on 64-bit Windows, has none), an nbtstat.exe
# planted in a folder of the user's PATH does not run in its place: the
# system's ipconfig and arp run, nothing else.
source "$(dirname "$0")/lib.sh"
e2e_begin user_path_plant 150

plant_folder='C:\lumaric-e2e\user-tools'
mkdir -p "$(unix_path "$plant_folder")"
cp "$LUMARIC_STANDINS/nbtstat.exe" "$(unix_path "$plant_folder")/nbtstat.exe"
# The prefix's files are hard links to the template's: the link is removed.
rm -f "$WINEPREFIX/drive_c/windows/system32/nbtstat.exe"
wine reg add 'HKCU\Environment' /v PATH /t REG_EXPAND_SZ /d "$plant_folder" /f >/dev/null 2>&1 ||
  fail "cannot set the user's PATH"

# The plant works: the session's command processor finds it on the PATH.
wine cmd /c 'nbtstat /plant-check' >/dev/null 2>&1 </dev/null || true
check_eq "cmd with the user's environment runs the planted nbtstat" \
  'c:\lumaric-e2e\user-tools\nbtstat.exe' "$(standin_paths)"
rm -f "$STANDIN_RECORD"

repair_once
check_eq "only the system's ipconfig and arp ran, not the planted nbtstat" \
  $'c:\\windows\\system32\\ipconfig.exe\nc:\\windows\\system32\\arp.exe' "$(standin_paths)"
check_eq "exit code" 0 "$LUMARIC_EXIT"
e2e_end
