#!/usr/bin/env bash
# The script's commands are the system's, wherever the program was started
# from. Started from D:\tools, with copies of the recording stand-ins (the
# decoys) at D:\ and in D:\tools, where cmd would look first, the repair
# runs only the stand-ins of the system folder: "cd\" leads to the system
# drive's root. Where the ANSI code page is 65001 the byte-order mark makes
# "cd\" fail, and the commands are still the system's.
source "$(dirname "$0")/lib.sh"
e2e_begin tool_decoys 150

drive_d=$E2E_TEST_DIR/drive-d
mkdir -p "$drive_d/tools"
ln -s "$drive_d" "$WINEPREFIX/dosdevices/d:"
for tool in "${STANDIN_TOOLS[@]}"; do
  cp "$LUMARIC_STANDINS/$tool.exe" "$drive_d/$tool.exe"
  cp "$LUMARIC_STANDINS/$tool.exe" "$drive_d/tools/$tool.exe"
done
system_tools=$(for tool in ipconfig arp nbtstat nbtstat; do echo "c:\\windows\\system32\\$tool.exe"; done)

# One repair of the program started from D:\tools in the environment the
# caller set; CASE names the checks.
check_system_tools_run() {
  local case=$1
  rm -f "$STANDIN_RECORD"
  expected_script >"$E2E_TEST_DIR/expected-$case.bat"
  lumaric_start "$drive_d/tools"
  main=$(lumaric_main_window)
  memo=$(drive child "$main" 108)
  drive click "$(drive child "$main" 107)"
  wait_log_lines "$memo" 2 60
  check_bytes "$case: R.bat as written for code page $(drive acp | tr -d '\r')" \
    "$E2E_TEST_DIR/expected-$case.bat" "$TEMPLATES_DIR/R.bat"
  check_eq "$case: the lines with a blank reached the stand-ins" "$(expected_standin_runs)" "$(standin_runs)"
  check_eq "$case: only the system's tools ran, no decoy" "$system_tools" "$(standin_paths)"
  drive post "$main" WM_CLOSE
  lumaric_wait_exit 15
  check_eq "$case: exit code" 0 "$LUMARIC_EXIT"
}

# The decoys work: cmd started in D:\tools runs them.
(cd "$drive_d/tools" && wine cmd /c 'arp /decoy-check & cd\ & ipconfig /decoy-check') >/dev/null 2>&1 </dev/null
check_eq "cmd in D:\\tools runs the decoys there and at D:\\" $'d:\\tools\\arp.exe\nd:\\ipconfig.exe' "$(standin_paths)"

check_system_tools_run "code page $(drive acp | tr -d '\r')"

# Wine takes its ANSI code page from the locale: Hindi has none but UTF-8.
{ export LC_ALL=hi_IN.UTF-8; } 2>/dev/null
[[ $(drive acp | tr -d '\r') == 65001 ]] || fail "LC_ALL=$LC_ALL does not give the ANSI code page 65001"
check_system_tools_run "code page 65001"

e2e_end
