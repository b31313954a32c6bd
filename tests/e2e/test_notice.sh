#!/usr/bin/env bash
# One notice, one balloon: "停止" and then "开启" while the first balloon is
# still up each have the shell show a single balloon, titled 提示, with its
# own text, as Windows 10 shows every modification that carries a balloon
# as a notification of its own.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/tray.sh"

export WINEDEBUG=-all,+tooltips
e2e_begin notice 150 2> >(tray_trace_apart notice)
tray_keep_trace notice

tray_hold_placeholders 5
lumaric_start
main=$(lumaric_main_window)
balloons_shown() { tray_balloons_titled '\63d0\793a'; }
balloon_reads() { [[ $(tray_balloon | cut -f2) == "$1" ]]; }

drive click "$(drive child "$main" 106)"
wait_until 15 "the notice of 停止" balloon_reads "网络连接自动修复已经关闭."
sleep 1
check_eq "停止: one balloon" 1 "$(balloons_shown)"

drive click "$(drive child "$main" 105)"
wait_until 15 "the notice of 开启" balloon_reads "网络连接自动修复已经开启."
wait_until 60 "the repair that 开启 starts" test "$(standin_runs | wc -l)" -ge 4
check_eq "开启 while the balloon of 停止 is up: one balloon more" 2 "$(balloons_shown)"

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"
e2e_end
