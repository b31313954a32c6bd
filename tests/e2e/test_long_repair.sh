#!/usr/bin/env bash
# A repair whose script runs for several seconds: the program waits for the
# script's end without answering, the success line comes only afterwards,
# and its clock text is that of the last tick before the script started.
source "$(dirname "$0")/lib.sh"
e2e_begin long_repair 150

delay_ms=1500
standin_delay_ms "$delay_ms"
lumaric_start
main=$(lumaric_main_window)
memo=$(drive child "$main" 108)
status=$(drive child "$main" 115)
clock_shown() { [[ -n $(status_clock "$status") ]]; }
wait_until 10 "the status clock" clock_shown

drive click "$(drive child "$main" 107)"
first_run_recorded() { [[ $(standin_runs | wc -l) -ge 1 ]]; }
wait_until 30 "the first stand-in to finish" first_run_recorded
# Busy is the driver's timeout waiting for an answer, not any failure.
if drive text "$memo" >/dev/null 2>"$E2E_TEST_DIR/busy-text.err"; then
  busy=no
elif grep -q 'did not answer WM_GETTEXTLENGTH within' "$E2E_TEST_DIR/busy-text.err"; then
  busy=yes
else
  busy="other failure: $(tr -d '\r' <"$E2E_TEST_DIR/busy-text.err")"
fi
check_eq "the program does not answer while its script still runs" yes "$busy"

wait_log_lines "$memo" 2 60
after=$(status_clock "$status")
check_eq "all four stand-ins ran before the success line" 4 "$(standin_runs | wc -l)"

log=$(drive text "$memo")
suffix=${log#'请稍候正在修复网络连接.\r\n网络连接修复成功.'}
suffix=${suffix%'\r\n'}
if stamped=$(clock_seconds "$suffix") && now=$(clock_seconds "$after"); then
  behind=$(((now - stamped + 43200) % 43200))
  check_true "success line's clock text ($suffix) is from before the script: $behind s behind $after" \
    test "$behind" -ge $((4 * delay_ms / 1000 - 1))
else
  e2e_record no "success line carries a clock text" "log '$log', panel 1 '$after'"
fi

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"
e2e_end
