#!/usr/bin/env bash
# A short date picture whose quoted text holds the date separator, as the
# Bulgarian one does: d.M.yyyy 'г.' with the separator ".". The clock shows
# the quoted text as it stands (9.12.2026 г.), the separator between the
# numbers.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/clock.sh"
e2e_begin clock_quoted_separator 120

picture="d.M.yyyy 'г.'"
international='HKCU\Control Panel\International'
wine reg add "$international" /v sShortDate /t REG_SZ /d "$picture" /f >/dev/null 2>&1 &&
  wine reg add "$international" /v sDate /t REG_SZ /d . /f >/dev/null 2>&1 ||
  fail "cannot write the regional date settings"
clock_read_locale
check_eq "a process reads the short date picture" "$picture" "$CLOCK_DATE_PICTURE"
check_eq "a process reads the date separator" . "$CLOCK_DATE_SEPARATOR"

lumaric_start
main=$(lumaric_main_window)
status=$(drive child "$main" 115)
clock_filled() { [[ -n $(status_clock "$status") ]]; }
wait_until 10 "a clock text in panel 1" clock_filled
before=$(date +%s)
text=$(status_clock "$status")
after=$(date +%s)
check_match "the date ends with the quoted text as it stands" '[0-9]{1,2}[.][0-9]{1,2}[.][0-9]{4} г[.] .*' "$text"
check_true "'$text' is the time in the format $CLOCK_DATE_PICTURE $CLOCK_TIME_PICTURE" \
  clock_text_between "$text" $((before - 2)) "$after"
screenshot clock-quoted-separator "$main" >/dev/null

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"
e2e_end
