#!/usr/bin/env bash
# "现在修复" writes R.bat into the Templates folder, byte for byte, replacing
# an older and longer one completely, runs it hidden (the stand-ins record
# what reached them), and logs the announcement and the success line, the
# latter followed by the clock text of status panel 1 as it was before the
# script ran. Clicked once by BM_CLICK and once by a real mouse click.
source "$(dirname "$0")/lib.sh"
e2e_begin repair 150

script=$TEMPLATES_DIR/R.bat
expected_script >"$E2E_TEST_DIR/expected-R.bat"
announcement='请稍候正在修复网络连接.'
success='网络连接修复成功.'

# The success line's clock text SUFFIX must be a text panel 1 held between
# the click (BEFORE) and the end of the repair (AFTER).
check_clock_suffix() {
  local what=$1 suffix=$2 before=$3 after=$4
  if [[ -z $suffix ]]; then
    check_eq "$what: no clock text only while panel 1 was empty" "" "$before"
    return
  fi
  local shape=${suffix//[0-9]/9}
  check_eq "$what: clock text has the form of panel 1's" "${after//[0-9]/9}" "$shape"
  local at from to
  if at=$(clock_seconds "$suffix") && to=$(clock_seconds "$after"); then
    from=$(clock_seconds "$before") || from=$((to - 60))
    check_true "$what: clock text '$suffix' lies between '$before' and '$after'" \
      test $(((at - from + 43200) % 43200)) -le $(((to - from + 43200) % 43200))
  else
    e2e_record no "$what: clock text has a time" "no h:mm:ss in '$suffix' or '$after'"
  fi
}

# Checks log line pairs from the log text LOG, starting at pair FIRST.
check_log() {
  local what=$1 log=$2 before=$3 after=$4 expected_pairs=$5
  local rest=$log pair suffix
  for ((pair = 1; pair <= expected_pairs; pair++)); do
    if [[ $rest =~ ^"$announcement"'\r\n'"$success"(([^\\]|\\[^r])*)'\r\n'(.*)$ ]]; then
      suffix=${BASH_REMATCH[1]}
      rest=${BASH_REMATCH[3]}
      ((pair == expected_pairs)) && check_clock_suffix "$what" "$suffix" "$before" "$after"
    else
      e2e_record no "$what" "pair $pair is not announcement and success line in '$log'"
      return
    fi
  done
  check_eq "$what: nothing after the last success line" "" "$rest"
}

lumaric_start
main=$(lumaric_main_window)
memo=$(drive child "$main" 108)
button=$(drive child "$main" 107)
status=$(drive child "$main" 115)
check_true "no R.bat before the first repair" test ! -e "$script"
check_eq "Memo_Log empty before the first repair" "" "$(drive text "$memo")"

before=$(status_clock "$status")
drive click "$button"
wait_log_lines "$memo" 2 60
after=$(status_clock "$status")
check_bytes "R.bat holds the eight lines with CR LF" "$E2E_TEST_DIR/expected-R.bat" "$script"
check_log "log after the first repair" "$(drive text "$memo")" "$before" "$after" 1
check_eq "the stand-ins ran hidden, in order" "$(expected_standin_runs)" "$(standin_runs)"
check_true "the stand-ins' time stamps ascend" sort -c -t$'\t' -k4 "$STANDIN_RECORD"

for ((i = 0; i < 40; i++)); do printf 'rem an older and longer script, line %02d\r\n' "$i"; done >"$script"
before=$(status_clock "$status")
click_window "$button"
wait_log_lines "$memo" 4 60
after=$(status_clock "$status")
check_bytes "an older, longer R.bat is replaced completely" "$E2E_TEST_DIR/expected-R.bat" "$script"
check_log "log after the second repair" "$(drive text "$memo")" "$before" "$after" 2
check_eq "the stand-ins ran hidden, in order, twice" \
  "$(expected_standin_runs)"$'\n'"$(expected_standin_runs)" "$(standin_runs)"

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"
check_bytes "R.bat stays after the program ends" "$E2E_TEST_DIR/expected-R.bat" "$script"

e2e_end
