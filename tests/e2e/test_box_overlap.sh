#!/usr/bin/env bash
# A repair while the error box of an earlier one is open: the schedule is
# started while R.bat cannot be created, so its first repair opens the
# error box; the obstacle goes, and the tick a minute later runs a whole
# repair from inside the open box. Both are told in full, no line is lost,
# and the box still closes with OK.
source "$(dirname "$0")/lib.sh"
e2e_begin box_overlap 170

script=$TEMPLATES_DIR/R.bat
lumaric_start
main=$(lumaric_main_window)
memo=$(drive child "$main" 108)
status=$(drive child "$main" 115)

mkdir "$script"
drive set-text "$(drive child "$main" 104)" 1
drive click "$(drive child "$main" 105)"
started=$SECONDS
box=$(drive wait-window --class '#32770' --title Lumaric --timeout 20000) || fail "no error box for the first repair"
check_match "the first repair's box tells why" 'Cannot create file ".*R[.]bat"[.] .+' \
  "$(drive msgbox "$box" | sed -n 's/^text=//p')"
check_eq "the first repair logged nothing" "" "$(drive text "$memo")"
check_eq "the schedule is on" "状态:开启" "$(drive statusbar "$status" | awk -F'\t' '$1 == 0 { print $3 }')"
rmdir "$script"

wait_log_lines "$memo" 2 90
check_true "the tick's repair came a minute after the start ($((SECONDS - started)) s)" test $((SECONDS - started)) -ge 55
check_eq "the first box is still open" yes "$(drive exists "$box")"
check_eq "no second box" 1 "$(drive count-windows --class '#32770' --title Lumaric)"
check_match "the tick's repair is logged in full" '请稍候正在修复网络连接[.]\\r\\n网络连接修复成功[.][^\\]*\\r\\n' \
  "$(drive text "$memo")"
check_eq "the tick's repair ran the script" "$(expected_standin_runs)" "$(standin_runs)"
check_bytes "the tick's repair wrote R.bat" <(expected_script) "$script"

drive press "$box" 1
drive wait-gone "$box" --timeout 10000 || e2e_record no "OK closes the first box"
check_eq "no box left" 0 "$(drive count-windows --class '#32770')"

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"
e2e_end
