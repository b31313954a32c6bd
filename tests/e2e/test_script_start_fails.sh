#!/usr/bin/env bash
# When the command processor cannot start the script (here: the system's
# cmd.exe is damaged, a file that is no program), the repair writes R.bat,
# announces itself and then logs the failure line with the clock text, never
# the success line; no box, nothing run; the program goes on.
source "$(dirname "$0")/lib.sh"
e2e_begin script_start_fails 150

# The prefix's files are hard links to the template's: the link is removed,
# not written through.
command_processor=$WINEPREFIX/drive_c/windows/system32/cmd.exe
rm -f "$command_processor"
printf 'not a program\r\n' >"$command_processor"
lumaric_start
main=$(lumaric_main_window)
memo=$(drive child "$main" 108)
status=$(drive child "$main" 115)
clock_shown() { [[ -n $(status_clock "$status") ]]; }
wait_until 10 "the status clock" clock_shown

before=$(status_clock "$status")
drive click "$(drive child "$main" 107)"
wait_log_lines "$memo" 2 60
after=$(status_clock "$status")
log=$(drive text "$memo")
check_match "the log announces the repair, then tells of its failure with the clock text" \
  '请稍候正在修复网络连接[.]\\r\\n网络连接修复失败[.][^\\]*[0-9]:[0-9]{2}:[0-9]{2}[^\\]*\\r\\n' "$log"
check_true "the log claims no success" test "${log/网络连接修复成功/}" == "$log"
stamp=${log#*修复失败.}
stamp=${stamp%'\r\n'}
if at=$(clock_seconds "$stamp") && from=$(clock_seconds "$before") && to=$(clock_seconds "$after"); then
  check_true "the failure line's clock text ($stamp) is one panel 1 showed ($before .. $after)" \
    test $(((at - from + 43200) % 43200)) -le $(((to - from + 43200) % 43200))
else
  e2e_record no "the failure line carries the clock text" "'$stamp', panel 1 '$before' .. '$after'"
fi
check_eq "nothing was run" "" "$(standin_runs)"
check_bytes "R.bat was written all the same" <(expected_script) "$TEMPLATES_DIR/R.bat"
check_eq "no error box" 0 "$(drive count-windows --class '#32770')"

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"
e2e_end
