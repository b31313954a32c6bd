#!/usr/bin/env bash
# The log takes typing, and a repair's lines join what was typed by the
# log's line rule: after text without a final line break the announcement
# starts on a new line (and the success line after it, with no break after
# it); after a typed line break it follows directly, with no empty line.
source "$(dirname "$0")/lib.sh"
e2e_begin log_typed 120

announcement='请稍候正在修复网络连接.'
success='网络连接修复成功.'

lumaric_start
main=$(lumaric_main_window)
memo=$(drive child "$main" 108)
button=$(drive child "$main" 107)

# Typed keys reach the log after xdotool returns.
click_window "$memo"
xdotool type --delay 30 'typed by hand'
check_eq_within 5 "the typed text is in the log, with no line break" 'typed by hand' drive text "$memo"

drive click "$button"
wait_log_lines "$memo" 2 60
check_match "after text without a line break the announcement starts on a new line" \
  'typed by hand\\r\\n'"$announcement"'\\r\\n'"$success"'[^\\]*' "$(drive text "$memo")"

before=$(drive text "$memo")
click_window "$memo"
xdotool key --delay 30 ctrl+End Return
check_eq_within 5 "a typed line break ends the log" "$before"'\r\n' drive text "$memo"
drive click "$button"
wait_log_lines "$memo" 4 60
check_match "after a line break the announcement follows directly" \
  'typed by hand\\r\\n'"$announcement"'\\r\\n'"$success"'[^\\]*\\r\\n'"$announcement"'\\r\\n'"$success"'[^\\]*\\r\\n' \
  "$(drive text "$memo")"

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"
e2e_end
