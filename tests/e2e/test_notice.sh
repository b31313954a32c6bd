#!/usr/bin/env bash
# One notice, one modification: "停止" and then "开启" while the first
# balloon is still up each send the shell a single NIM_MODIFY, carrying the
# balloon's title and text together, as Windows 10 shows every modification
# that carries a balloon as a notification of its own (Wine's shell shows
# only what changed, so the program's calls are counted, from Wine's trace
# of them); the shell shows one balloon, titled 提示, for each.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/tray.sh"

export WINEDEBUG=-all,+tooltips
e2e_begin notice 150 2> >(tray_trace_apart notice)
tray_keep_trace notice

tray_hold_placeholders 5
WINEDEBUG=-all,+systray lumaric_start
main=$(lumaric_main_window)
nim_modifies() { grep -c 'Shell_NotifyIconW dwMessage = 1,' "$LUMARIC_LOG" || true; }
balloons_shown() { tray_balloons_titled '\63d0\793a'; }
balloon_reads() { [[ $(tray_balloon | cut -f2) == "$1" ]]; }

drive click "$(drive child "$main" 106)"
wait_until 15 "the notice of 停止" balloon_reads "网络连接自动修复已经关闭."
sleep 1
check_eq "停止: one NIM_MODIFY" 1 "$(nim_modifies)"
check_eq "停止: one balloon" 1 "$(balloons_shown)"

drive click "$(drive child "$main" 105)"
wait_until 15 "the notice of 开启" balloon_reads "网络连接自动修复已经开启."
repaired() { [[ $(standin_runs | wc -l) -ge 4 ]]; }
wait_until 60 "the repair that 开启 starts" repaired
check_eq "开启 while the balloon of 停止 is up: one NIM_MODIFY more" 2 "$(nim_modifies)"
check_eq "and one balloon more" 2 "$(balloons_shown)"

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"
e2e_end
