#!/usr/bin/env bash
# The user's own ComSpec (HKCU\Environment) never chooses the command
# processor: with it naming a program planted in a folder of the user's, the
# repair still runs the script with the system's command processor, the
# system's tools run, the planted program does not, and the log tells of
# the repair that ran.
source "$(dirname "$0")/lib.sh"
e2e_begin comspec_plant 150

plant_windows='C:\lumaric-e2e\plant\cmd.exe'
mkdir -p "$(dirname "$(unix_path "$plant_windows")")"
cp "$LUMARIC_STANDINS/ipconfig.exe" "$(unix_path "$plant_windows")"
wine reg add 'HKCU\Environment' /v ComSpec /t REG_SZ /d "$plant_windows" /f >/dev/null 2>&1 ||
  fail "cannot set the user's ComSpec"

# The plant works: a program started with the user's environment finds it.
wine cmd /c 'echo %ComSpec%' </dev/null 2>/dev/null | tr -d '\r' | grep -qixF "$plant_windows" ||
  fail "the user's ComSpec does not reach the programs of the session"

repair_once
check_match "the log tells of the repair that ran" \
  '请稍候正在修复网络连接[.]\\r\\n网络连接修复成功[.][^\\]*\\r\\n' "$REPAIR_LOG"
check_eq "the lines with a blank reached the system's stand-ins" "$(expected_standin_runs)" "$(standin_runs)"
system_tools=$(for tool in ipconfig arp nbtstat nbtstat; do echo "c:\\windows\\system32\\$tool.exe"; done)
check_eq "only the system's tools ran, not the planted command processor" "$system_tools" "$(standin_paths)"
check_eq "exit code" 0 "$LUMARIC_EXIT"
e2e_end
