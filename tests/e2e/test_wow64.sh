#!/usr/bin/env bash
# The 32-bit program on 64-bit Windows runs every line of the script with
# the native tools of System32. In a 64-bit prefix the 64-bit stand-ins are
# in system32 only (SysWOW64, which a 32-bit command processor would take
# for its system folder, has none of them, as it has no nbtstat.exe on
# Windows), and an nbtstat.exe is planted in a folder of the user's PATH:
# the four lines with a blank reach the system32 stand-ins and the plant
# never runs. Needs the 32-bit build (LUMARIC_EXE32, by default the windows
# preset's) and a machine that runs 32-bit code; skipped (77) otherwise.
source "$(dirname "$0")/lib.sh"
: "${LUMARIC_EXE32:=$E2E_ROOT/build/windows/bin/Lumaric.exe}"
[[ $WINEARCH == win64 ]] || { echo "skip: WoW64 needs the 64-bit prefix of the windows64 preset"; exit 77; }
[[ -f $LUMARIC_EXE32 ]] || { echo "skip: no 32-bit build at $LUMARIC_EXE32 (build the windows preset)"; exit 77; }
e2e_begin wow64 150

# Wine's own 32-bit command processor answers only where 32-bit code runs.
answer=0
wine 'C:\windows\syswow64\cmd.exe' /c exit 7 >/dev/null 2>&1 </dev/null || answer=$?
[[ $answer == 7 ]] || { echo "skip: this machine runs no 32-bit code"; e2e_cleanup 77; }

plant_folder='C:\lumaric-e2e\user-tools'
mkdir -p "$(unix_path "$plant_folder")"
cp "$LUMARIC_STANDINS/nbtstat.exe" "$(unix_path "$plant_folder")/nbtstat.exe"
wine reg add 'HKCU\Environment' /v PATH /t REG_EXPAND_SZ /d "$plant_folder" /f >/dev/null 2>&1 ||
  fail "cannot set the user's PATH"
for tool in "${STANDIN_TOOLS[@]}"; do
  ! cmp -s "$LUMARIC_STANDINS/$tool.exe" "$WINEPREFIX/drive_c/windows/syswow64/$tool.exe" ||
    fail "syswow64 holds the stand-in $tool.exe: the 32-bit tools would record runs too"
done

LUMARIC_EXE=$LUMARIC_EXE32
repair_once
check_match "the log tells of the repair that ran" \
  '请稍候正在修复网络连接[.]\\r\\n网络连接修复成功[.][^\\]*\\r\\n' "$REPAIR_LOG"
check_eq "the four lines with a blank reached the native stand-ins" "$(expected_standin_runs)" "$(standin_runs)"
system_tools=$(for tool in ipconfig arp nbtstat nbtstat; do echo "c:\\windows\\system32\\$tool.exe"; done)
check_eq "only the native system32 tools ran, not the planted nbtstat" "$system_tools" "$(standin_paths)"
check_eq "exit code" 0 "$LUMARIC_EXIT"
e2e_end
