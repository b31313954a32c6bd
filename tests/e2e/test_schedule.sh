#!/usr/bin/env bash
# The repair schedule: "停止" before any start shows its notice and sets
# status panel 0 to "状态:关闭" and nothing else; minutes texts that are not
# a whole number ("abc", "7 ") and those whose interval does not fit ("-5",
# "99999") give the error box "'TEXT' is not a valid integer value." and
# change nothing: the window stays, panel 0 keeps its text, nothing runs.
# "开启" with "5" hides the window, shows its notice, sets "状态:开启" and
# runs one repair at once; with "1" one more at once and the next about a
# minute after the click, which a failed start in between does not move.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/tray.sh"
e2e_begin schedule 220

lumaric_start
main=$(lumaric_main_window)
pid=$(window_fact "$main" pid)
combo=$(drive child "$main" 104)
start=$(drive child "$main" 105)
stop=$(drive child "$main" 106)
memo=$(drive child "$main" 108)
status=$(drive child "$main" 115)

state() { drive statusbar "$status" | awk -F'\t' '$1 == 0 { print $3 }'; }
visibility() { window_fact "$main" visible; }
repairs_run() { echo $(($(standin_runs | wc -l) / $(expected_standin_runs | wc -l))); }
has_state() { [[ $(state) == "$1" ]]; }
balloon_reads() { [[ $(tray_balloon | cut -f2) == "$1" ]]; }
no_box() { [[ $(drive count-windows --class '#32770' --pid "$pid" --visible) == 0 ]]; }

check_eq "panel 0 is empty at start" "" "$(state)"
check_eq "the minutes text is 5 at start" 5 "$(drive text "$combo")"

click_window "$stop"
wait_until 10 "停止 before any start to set panel 0 to 状态:关闭" has_state "状态:关闭"
check_within 15 "停止 shows the notice 网络连接自动修复已经关闭." balloon_reads "网络连接自动修复已经关闭."
check_eq "停止 leaves the window shown" 1 "$(visibility)"
check_eq "停止 runs no repair" 0 "$(repairs_run)"

# Starts with the minutes text TEXT and checks the error box and that
# nothing changed: window visibility VISIBLE, panel 0 STATE, REPAIRS
# repairs so far, log LOG.
check_refused() {
  local text=$1 visible=$2 state=$3 repairs=$4 log=$5 case="开启 with '$1'"
  drive set-text "$combo" "$text"
  check_eq "$case: the minutes text as typed" "$text" "$(drive text "$combo")"
  if [[ $visible == 1 ]]; then click_window "$start"; else drive click "$start"; fi
  local box facts
  box=$(drive wait-window --class '#32770' --title Lumaric --pid "$pid" --visible --timeout 20000) ||
    { e2e_record no "$case: an error box appears"; return; }
  facts=$(drive msgbox "$box")
  screenshot "schedule-box-$box" >/dev/null
  check_eq "$case: the box's text" "'$text' is not a valid integer value." "$(sed -n 's/^text=//p' <<<"$facts")"
  check_eq "$case: the box's caption" Lumaric "$(sed -n 's/^caption=//p' <<<"$facts")"
  check_eq "$case: the box's icon" stop "$(sed -n 's/^icon=//p' <<<"$facts")"
  check_eq "$case: the box's one button" "1"$'\t'"$(ok_button_text)" "$(sed -n 's/^button=//p' <<<"$facts")"
  drive press "$box" 1
  drive wait-gone "$box" --timeout 10000 || e2e_record no "$case: OK closes the box"
  check_eq "$case: the window's visibility is unchanged" "$visible" "$(visibility)"
  check_eq "$case: panel 0 is unchanged" "$state" "$(state)"
  check_eq "$case: no repair runs" "$repairs" "$(repairs_run)"
  check_eq "$case: nothing is logged" "$log" "$(drive text "$memo")"
}

screenshot schedule-before-errors "$main" >/dev/null
for text in abc '7 ' -5 99999; do
  check_refused "$text" 1 "状态:关闭" 0 ""
done

drive set-text "$combo" 5
click_window "$start"
wait_until 10 "开启 with 5 to set panel 0 to 状态:开启" has_state "状态:开启"
check_eq "开启 with 5: the window is hidden" 0 "$(visibility)"
check_within 15 "开启 shows the notice 网络连接自动修复已经开启." balloon_reads "网络连接自动修复已经开启."
wait_log_lines "$memo" 2 60
check_eq "开启 with 5 runs one repair at once" "$(expected_standin_runs)" "$(standin_runs)"
check_true "开启 with 5 shows no box" no_box

# A schedule of one minute, started on the hidden window.
drive set-text "$combo" 1
drive click "$start"
clicked=$(date +%s)
wait_log_lines "$memo" 4 60
check_eq "开启 with 1 runs one more repair at once" 2 "$(repairs_run)"
check_eq "开启 with 1: the window stays hidden" 0 "$(visibility)"

# A failed start half a minute in: were the countdown restarted, the next
# repair would come a minute after this click instead of after the first.
pause=$((clicked + 35 - $(date +%s)))
((pause <= 0)) || sleep "$pause"
log=$(drive text "$memo")
check_refused abc 0 "状态:开启" 2 "$log"

second_repair() { [[ $(repairs_run) -ge 3 ]]; }
wait_until $((clicked + 100 - $(date +%s))) "the schedule's repair" second_repair
after=$(($(date +%s) - clicked))
check_true "the schedule's repair runs about a minute after the click of 开启 with 1 ($after s)" \
  test "$after" -ge 50 -a "$after" -le 85
wait_log_lines "$memo" 6 30
check_match "the schedule's repair is logged in full" \
  '(请稍候正在修复网络连接[.]\\r\\n网络连接修复成功[.][^\\]*\\r\\n){3}' "$(drive text "$memo")"

drive click "$stop"
wait_until 10 "停止 on the hidden window to set panel 0 to 状态:关闭" has_state "状态:关闭"
check_eq "停止 leaves the window hidden" 0 "$(visibility)"
check_eq "停止 runs no repair" 3 "$(repairs_run)"

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"
echo "screenshot: $E2E_TEST_DIR/schedule-before-errors.png"
e2e_end
