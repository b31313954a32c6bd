#!/usr/bin/env bash
# A schedule tick while a repair blocks: the schedule of one minute starts
# with a repair whose script runs longer than that. The tick that fell due
# meanwhile waits, and its repair starts as soon as the first has ended,
# not a period later; both are logged in full.
source "$(dirname "$0")/lib.sh"
e2e_begin tick_during_repair 235

# Four stand-ins of 15.5 s: a script of more than a minute.
standin_delay_ms 15500
lumaric_start
main=$(lumaric_main_window)
memo=$(drive child "$main" 108)
status=$(drive child "$main" 115)

drive set-text "$(drive child "$main" 104)" 1
drive click "$(drive child "$main" 105)"
second_repair_started() { [[ $(standin_runs | wc -l) -ge 5 ]]; }
wait_until 130 "the first stand-in of the second repair" second_repair_started
# Posted while the second repair blocks: handled right after it, before
# the tick that falls due during it.
drive click "$(drive child "$main" 106)"

seconds_of() { clock_seconds "$(sed -n "$1p" "$STANDIN_RECORD" | sed 's/.*time=[0-9-]*T//')"; }
gap=$((($(seconds_of 5) - $(seconds_of 4) + 43200) % 43200))
check_true "the waiting tick's repair began when the first ended ($gap s from its last stand-in to the next one's record)" \
  test "$gap" -le 21

wait_log_lines "$memo" 4 100
log=$(drive text "$memo")
check_match "both repairs are logged in full, in order" \
  '(请稍候正在修复网络连接[.]\\r\\n网络连接修复成功[.][^\\]*\\r\\n){2}' "$log"
check_eq "the stop came before another tick" "状态:关闭" "$(drive statusbar "$status" | awk -F'\t' '$1 == 0 { print $3 }')"
check_eq "each repair ran the script once" "$(expected_standin_runs)"$'\n'"$(expected_standin_runs)" "$(standin_runs)"

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"
e2e_end
