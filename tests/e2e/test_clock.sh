#!/usr/bin/env bash
# The status clock: panel 1 is filled within moments of the window showing,
# with the date and time in the prefix's regional format, and keeps time; a
# repair's success line ends with the clock text. A changed short date
# picture in the registry is followed after the settings-change broadcast at
# the next tick, not before, and at the next start, as is a time format of
# 24 hours with a leading zero and no seconds, whose clock still shows them.
# Every expected text is a date(1) format written out by hand.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/clock.sh"
: "${LUMARIC_LOCALE_RELOAD:=$LUMARIC_BUILD/e2e/lumaric-locale-reload.dll}"
e2e_begin clock 150

drive locale-info >"$E2E_TEST_DIR/locale-info-start.txt"
lumaric_start
main=$(lumaric_main_window)
shown=$(date +%s%N)
status=$(drive child "$main" 115)
clock_filled() { [[ -n $(status_clock "$status") ]]; }
wait_until 10 "a clock text in panel 1" clock_filled
filled_ms=$((($(date +%s%N) - shown) / 1000000))
check_true "panel 1 is filled within 3 s of the window showing ($filled_ms ms)" test "$filled_ms" -le 3000

prefix_format="$CLOCK_DATE_FORMAT $CLOCK_TIME_FORMAT"
check_clock "panel 1 at start" "$status" "$prefix_format"
first=$(status_clock "$status")
clock_moved() { [[ $(status_clock "$status") != "$first" ]]; }
check_within 5 "the clock moves on from '$first'" clock_moved
check_clock "panel 1 once it moved on" "$status" "$prefix_format"
screenshot clock-start "$main" >/dev/null

memo=$(drive child "$main" 108)
before=$(date +%s)
drive click "$(drive child "$main" 107)"
wait_log_lines "$memo" 2 60
after=$(date +%s)
success=$(drive text "$memo" | sed 's/.*\\r\\n\(.*\)\\r\\n$/\1/')
stamp=${success#网络连接修复成功.}
check_true "the success line is 网络连接修复成功. and a clock text ('$success')" test "$stamp" != "$success"
check_true "the success line's clock text '$stamp' is a time from the click to the end of the repair" \
  clock_text_between "$stamp" "$prefix_format" $((before - 2)) "$after"

# The date with quoted text and without the date separator.
new_picture="yyyy'年'M'月'd'日'"
new_date_format='%Y年%-m月%-d日'
follows=$(drive locale-follows-registry | tr -d '\r')
wine reg add 'HKCU\Control Panel\International' /v sShortDate /t REG_SZ /d "$new_picture" /f >/dev/null 2>&1 ||
  fail "cannot write the short date picture"
if [[ $follows != yes ]]; then
  # Wine keeps the regional values a process has read once: the program's
  # process is made to read the new picture, as it would on Windows.
  drive reload-locale "$(window_fact "$main" pid)" "$(winepath -w "$LUMARIC_LOCALE_RELOAD")" ||
    fail "cannot make the program's process read the new short date picture"
fi
# The program reads the settings at start and when told of a change only:
# a tick that changes the text still shows the format read at start.
before_tick=$(status_clock "$status")
ticked() { [[ $(status_clock "$status") != "$before_tick" ]]; }
wait_until 5 "a tick that changes panel 1" ticked
check_clock "before the broadcast panel 1 keeps the format read at start" "$status" "$prefix_format"
check_eq "a process started now reads the new short date picture" "$new_picture" "$(locale_value sShortDate)"
drive broadcast-setting-change intl
broadcast=$(date +%s)
new_format() {
  clock_text_between "$(status_clock "$status")" "$new_date_format $CLOCK_TIME_FORMAT" $((broadcast - 2)) \
    $(($(date +%s) + 1))
}
check_within 5 "after the broadcast panel 1 shows the new date at the next tick" new_format
echo "panel 1 after the broadcast: $(status_clock "$status")"
screenshot clock-after-broadcast "$main" >/dev/null

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"

# A 24-hour clock with a leading zero and another time separator, set as
# the regional settings set them: through the time format, from which the
# system takes the separator, the 12- or 24-hour clock and the leading zero.
# The format itself has no seconds; the clock shows them all the same.
wine reg add 'HKCU\Control Panel\International' /v sTimeFormat /t REG_SZ /d 'HH.mm' /f >/dev/null 2>&1 ||
  fail "cannot write the time format"
drive locale-info >"$E2E_TEST_DIR/locale-info-24-hours.txt"
check_eq "the new settings give a 24-hour clock with a leading zero and the separator ." "1 1 ." \
  "$(locale_value iTime) $(locale_value iTLZero) $(locale_value sTime)"
lumaric_start
main=$(lumaric_main_window)
status=$(drive child "$main" 115)
wait_until 10 "a clock text in panel 1" clock_filled
check_clock "panel 1 after a start with the new regional settings" "$status" "$new_date_format %H.%M.%S"
screenshot clock-new-settings "$main" >/dev/null
drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code after the second start" 0 "$LUMARIC_EXIT"

echo "screenshots: $E2E_TEST_DIR/clock-start.png $E2E_TEST_DIR/clock-new-settings.png"
e2e_end
