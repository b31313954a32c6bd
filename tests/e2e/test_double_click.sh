#!/usr/bin/env bash
# Two quick clicks on a push button are two clicks, as on the system's push
# button: a real double-click on "现在修复" runs two repairs.
source "$(dirname "$0")/lib.sh"
e2e_begin double_click 150

lumaric_start
main=$(lumaric_main_window)
read -r x y < <(drive point "$(drive child "$main" 107)")
xdotool mousemove --sync "$x" "$y" click --repeat 2 --delay 80 1
two_runs() { [[ $(standin_runs | wc -l) -ge 8 ]]; }
wait_until 60 "the stand-ins of two repairs" two_runs
memo=$(drive child "$main" 108)
wait_log_lines "$memo" 4 30
log=$(drive text "$memo")
# Each success line ends with the clock text; only the lines' beginnings are fixed.
check_eq "the log holds two announcements" 2 "$(grep -o '请稍候正在修复网络连接[.]' <<<"$log" | wc -l)"
check_eq "and two success lines" 2 "$(grep -o '网络连接修复成功[.]' <<<"$log" | wc -l)"
sleep 2
check_eq "no third repair comes late" "$(expected_standin_runs)"$'\n'"$(expected_standin_runs)" "$(standin_runs)"

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"
e2e_end
