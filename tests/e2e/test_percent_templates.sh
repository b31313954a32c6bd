#!/usr/bin/env bash
# A Templates folder whose path the command processor would change (a "%"
# that starts a variable's name, a "!" where delayed expansion is on) is
# the user's own registry's choice: R.bat is written there, but not
# started. The announcement is followed by the failure line, never the
# success line, and an error box names the path; nothing runs. Back at its
# usual place the repair runs as ever.
source "$(dirname "$0")/lib.sh"
e2e_begin percent_templates 170

announcement='请稍候正在修复网络连接.'
success='网络连接修复成功.'
failure='网络连接修复失败.'

# Clicks "现在修复" with Templates at FOLDER (a REG_EXPAND_SZ whose
# variable no one defines, so the shell leaves it as it is) and checks the
# refusal.
check_not_started() {
  local case=$1 folder=$2 before runs_before facts added script="$2\\R.bat"
  mkdir -p "$(unix_path "$folder")"
  templates_at "$folder"
  before=$(drive text "$memo")
  runs_before=$(standin_runs | wc -l)
  if ! facts=$(click_for_error_box "$button"); then
    e2e_record no "$case: an error box appears and OK closes it" "log now: $(drive text "$memo")"
    return
  fi
  check_eq "$case: the box names the path and why it was not run" \
    "Cannot run file \"${script//\\/\\\\}\": the command processor would read a percent sign or an exclamation mark in its path as part of a variable, so it was not run." \
    "$(sed -n 's/^text=//p' <<<"$facts")"
  added=$(drive text "$memo")
  added=${added#"$before"}
  check_match "$case: the log tells of a repair that failed" "$announcement"'\\r\\n'"$failure"'[^\\]*\\r\\n' "$added"
  check_true "$case: the log claims no success" test "${added/"$success"/}" == "$added"
  check_eq "$case: nothing run" "$runs_before" "$(standin_runs | wc -l)"
  check_bytes "$case: R.bat is written into the folder" <(expected_script) "$(unix_path "$folder")/R.bat"
}

lumaric_start
main=$(lumaric_main_window)
memo=$(drive child "$main" 108)
button=$(drive child "$main" 107)

check_not_started percent 'C:\t%TPL%'
check_not_started exclamation 'C:\lumaric-e2e\t!TPL!'

templates_at "$TEMPLATES_WINDOWS"
before=$(drive text "$memo")
drive click "$button"
wait_log_lines "$memo" 6 60
added=$(drive text "$memo")
check_match "usual place: the log tells of a repair that was run" \
  "$announcement"'\\r\\n'"$success"'[^\\]*\\r\\n' "${added#"$before"}"
check_eq "usual place: the system's stand-ins ran" "$(expected_standin_runs)" "$(standin_runs)"

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"
e2e_end
