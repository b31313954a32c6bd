#!/usr/bin/env bash
# The script that runs is the script that was written: while R.bat runs,
# another program can read it but can neither open it for writing, delete
# it nor rename it; the script runs to its end, and once it has ended the
# file is free again.
source "$(dirname "$0")/lib.sh"
e2e_begin script_held 150

script=$TEMPLATES_DIR/R.bat
script_windows="$TEMPLATES_WINDOWS\\R.bat"
# Four stand-ins of 3 s each: the attempts below fall well inside the run.
standin_delay_ms 3000
lumaric_start
main=$(lumaric_main_window)
memo=$(drive child "$main" 108)

drive click "$(drive child "$main" 107)"
script_running() { [[ $(standin_runs | wc -l) -ge 1 ]]; }
wait_until 60 "the first stand-in of the script" script_running
attempts=$(drive tamper "$script_windows")
runs_during=$(standin_runs | wc -l)
printf '%s\n' "$attempts" >"$E2E_TEST_DIR/attempts-during.txt"
check_true "the attempts fell inside the script's run ($runs_during of 4 stand-ins done)" test "$runs_during" -lt 4
check_match "no one may open R.bat for writing while it runs" 'denied:[0-9]+' "$(sed -n 's/^write=//p' <<<"$attempts")"
check_match "no one may delete R.bat while it runs" 'denied:[0-9]+' "$(sed -n 's/^delete=//p' <<<"$attempts")"
check_match "no one may rename R.bat while it runs" 'denied:[0-9]+' "$(sed -n 's/^rename=//p' <<<"$attempts")"
check_eq "others may still read R.bat while it runs" allowed "$(sed -n 's/^read=//p' <<<"$attempts")"

wait_log_lines "$memo" 2 90
check_eq "the script ran to its end" "$(expected_standin_runs)" "$(standin_runs)"
check_match "the log says the repair succeeded" '请稍候正在修复网络连接[.]\\r\\n网络连接修复成功[.][^\\]*\\r\\n' \
  "$(drive text "$memo")"
check_bytes "R.bat still holds what was written" <(expected_script) "$script"

after=$(drive tamper "$script_windows")
printf '%s\n' "$after" >"$E2E_TEST_DIR/attempts-after.txt"
check_eq "once the script has ended R.bat may be opened for writing again" allowed "$(sed -n 's/^write=//p' <<<"$after")"
check_eq "once the script has ended R.bat may be deleted again" allowed "$(sed -n 's/^delete=//p' <<<"$after")"

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"
e2e_end
