#!/usr/bin/env bash
# Without administrator rights most of the script's commands fail, so the
# log never claims a success then. Started as usual (Wine gives every
# process an elevated token) the repair logs its success; started with a
# limited token, as User Account Control starts it where Windows takes the
# manifest that asks for no elevation, the script runs just the same, but
# the log shows the failure line with the clock text.
source "$(dirname "$0")/lib.sh"
e2e_begin not_elevated 150

success='网络连接修复成功.'
failure='网络连接修复失败.'

# One repair of the program started by START; the token's facts must be
# ELEVATED and TYPE (1 default, 2 full, 3 limited), the outcome OUTCOME.
check_repair_outcome() {
  local case=$1 start=$2 elevated=$3 type=$4 outcome=$5 facts
  rm -f "$STANDIN_RECORD"
  "$start"
  main=$(lumaric_main_window)
  memo=$(drive child "$main" 108)
  status=$(drive child "$main" 115)
  clock_shown() { [[ -n $(status_clock "$status") ]]; }
  wait_until 10 "$case: the status clock" clock_shown
  facts=$(drive token-elevation "$(window_fact "$main" pid)")
  check_eq "$case: the program's token" "elevated=$elevated type=$type" "$(tr -d '\r' <<<"$facts" | paste -sd' ')"
  drive click "$(drive child "$main" 107)"
  wait_log_lines "$memo" 2 60
  log=$(drive text "$memo")
  check_match "$case: the log announces the repair, then its outcome with the clock text" \
    '请稍候正在修复网络连接[.]\\r\\n'"$outcome"'[^\\]*[0-9]:[0-9]{2}:[0-9]{2}[^\\]*\\r\\n' "$log"
  check_eq "$case: the script ran" "$(expected_standin_runs)" "$(standin_runs)"
  drive post "$main" WM_CLOSE
  lumaric_wait_exit 15
  check_eq "$case: exit code" 0 "$LUMARIC_EXIT"
}

check_repair_outcome elevated lumaric_start 1 2 "$success"
check_repair_outcome limited lumaric_start_limited 0 3 "$failure"
check_true "limited: the log claims no success" test "${log/"$success"/}" == "$log"

e2e_end
