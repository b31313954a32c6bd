#!/usr/bin/env bash
# A repair that fails after its announcement logs the failure line with the
# clock text before its error box: when the Templates folder cannot be found
# any more, when R.bat there is another file, and when there is no R.bat to
# hold. The change comes while the repair waits in its pending messages: a
# second click queued behind the first runs a whole repair there, and the
# Templates folder is moved while that one's script runs.
source "$(dirname "$0")/lib.sh"
e2e_begin failure_after_announcement 170

announcement='请稍候正在修复网络连接.'
success='网络连接修复成功.'
failure='网络连接修复失败.'
# Each stand-in takes 1.5 s: time to queue clicks and to move the folder.
standin_delay_ms 1500

runs() { standin_runs | wc -l; }
at_least_runs() { [[ $(runs) -ge $1 ]]; }

# With the Templates folder moved to FOLDER during the inner repair, the
# outer one shows the box with the text matching PATTERN.
check_failure_after_announcement() {
  local case=$1 folder=$2 pattern=$3 before first box facts added
  templates_at "$TEMPLATES_WINDOWS"
  before=$(drive text "$memo")
  first=$(runs)
  # A repair whose script holds the program while the next two clicks queue.
  drive click "$button"
  wait_until 30 "$case: the first repair's script" at_least_runs $((first + 1))
  drive click "$button"
  drive click "$button"
  # The second click's repair runs inside the third one's pending messages.
  wait_until 60 "$case: the inner repair's script" at_least_runs $((first + 5))
  templates_at "$folder"
  if ! box=$(drive wait-window --class '#32770' --title Lumaric --timeout 30000); then
    e2e_record no "$case: an error box appears" "log: $(drive text "$memo")"
    return
  fi
  facts=$(drive msgbox "$box")
  added=$(drive text "$memo")
  added=${added#"$before"}
  check_match "$case: box text" "$pattern" "$(sed -n 's/^text=//p' <<<"$facts")"
  check_match "$case: the failed repair's announcement has its outcome before the box" \
    "$announcement"'\\r\\n'"$success"'[^\\]*\\r\\n'"$announcement"'\\r\\n'"$announcement"'\\r\\n'"$success"'[^\\]*\\r\\n'"$failure"'[^\\]*[0-9]:[0-9]{2}:[0-9]{2}[^\\]*\\r\\n' \
    "$added"
  check_eq "$case: the failed repair ran nothing" $((first + 8)) "$(runs)"
  drive press "$box" 1
  drive wait-gone "$box" --timeout 10000 || e2e_record no "$case: OK closes the box"
}

lumaric_start
main=$(lumaric_main_window)
memo=$(drive child "$main" 108)
button=$(drive child "$main" 107)
status=$(drive child "$main" 115)
clock_shown() { [[ -n $(status_clock "$status") ]]; }
wait_until 10 "the status clock" clock_shown

check_failure_after_announcement lookup 'C:\lumaric-e2e\no such folder' 'Cannot find the Templates folder[.]'

other='C:\lumaric-e2e\other'
mkdir -p "$(unix_path "$other")"
printf 'ipconfig /other\r\n' >"$(unix_path "$other")/R.bat"
check_failure_after_announcement changed "$other" \
  "File \"C:\\\\\\\\lumaric-e2e\\\\\\\\other\\\\\\\\R[.]bat\" was changed by another program before it could run, so it was not run[.]"

empty='C:\lumaric-e2e\empty'
mkdir -p "$(unix_path "$empty")"
check_failure_after_announcement hold "$empty" "Cannot open file \"C:\\\\\\\\lumaric-e2e\\\\\\\\empty\\\\\\\\R[.]bat\" for running[.] .+"

# The program goes on: back at its place, the repair runs as ever.
templates_at "$TEMPLATES_WINDOWS"
before=$(drive text "$memo")
drive click "$button"
wait_log_lines "$memo" $(($(grep -o '\\r\\n' <<<"$before" | wc -l) + 2)) 60
added=$(drive text "$memo")
check_match "a repair afterwards succeeds" "$announcement"'\\r\\n'"$success"'[^\\]*\\r\\n' "${added#"$before"}"

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"
e2e_end
