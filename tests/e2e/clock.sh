# The clock text that status panel 1 must show, as date(1) formats written
# out by hand for the regional settings a test sets, or that the session's
# locale gives by itself. Sourced after lib.sh.

# The prefix's own regional settings: in English (United States) the short
# date M/d/yyyy and a 12-hour clock without leading zero, AM or PM after the
# time; in Chinese (PRC) yyyy/M/d and a 24-hour clock with a leading zero
# (LOCALE_ITLZERO 1: 00:05:07 five minutes after midnight).
case ${LC_ALL%%.*} in
  C | en_US) CLOCK_DATE_FORMAT='%-m/%-d/%Y' CLOCK_TIME_FORMAT='%-I:%M:%S %p' ;;
  zh_CN) CLOCK_DATE_FORMAT='%Y/%-m/%-d' CLOCK_TIME_FORMAT='%H:%M:%S' ;;
  *) fail "no clock text is written out for the locale $LC_ALL" ;;
esac

# Whether TEXT is the clock text, in the date(1) FORMAT, of a second from
# FROM to TO (epoch seconds). AM and PM as the C locale writes them.
clock_text_between() {
  local text=$1 format=$2 from=$3 to=$4 at
  for ((at = from; at <= to; at++)); do
    [[ $(LC_ALL=C.UTF-8 date -d "@$at" "+$format") == "$text" ]] && return 0
  done
  return 1
}

# Checks that panel 1 of the status bar STATUS reads as the date(1) FORMAT
# for a second from a little before the reading (the clock is set twice a
# second) to just after it.
check_clock() {
  local what=$1 status=$2 format=$3 before text after
  before=$(date +%s)
  text=$(status_clock "$status")
  after=$(date +%s)
  check_true "$what: '$text' is the time as $format" clock_text_between "$text" "$format" $((before - 2)) "$after"
}

# One regional value as a process started now reads it.
locale_value() {
  drive locale-info | tr -d '\r' | sed -n "s/^$1=//p"
}
