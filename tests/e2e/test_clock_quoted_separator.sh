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
check_eq "a process reads the short date picture and the date separator" "$picture ." \
  "$(locale_value sShortDate) $(locale_value sDate)"

lumaric_start
main=$(lumaric_main_window)
status=$(drive child "$main" 115)
clock_filled() { [[ -n $(status_clock "$status") ]]; }
wait_until 10 "a clock text in panel 1" clock_filled
check_clock "the date shows the quoted text as it stands" "$status" "%-d.%-m.%Y г. $CLOCK_TIME_FORMAT"
screenshot clock-quoted-separator "$main" >/dev/null

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"
e2e_end
