#!/usr/bin/env bash
# The end of the session, told as Windows tells it, to every top-level
# window of the program: each answers WM_QUERYENDSESSION with 1 (the
# session may end); WM_ENDSESSION with 0 (it does not end after all) keeps
# the notification-area icon, with 1 (it ends) takes the icon away.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/tray.sh"
e2e_begin end_session 120

not() { ! "$@"; }

lumaric_start
main=$(lumaric_main_window)
pid=$(window_fact "$main" pid)
wait_until 30 "the icon with tip $TRAY_TIP" tray_icon_shown

answers=$(drive end-session "$pid" query)
printf '%s\n' "$answers" >"$E2E_TEST_DIR/query-answers.txt"
check_eq "the main window and the application window are among those asked" "TApplication TForm1" \
  "$(cut -f2 <<<"$answers" | grep -x -E 'TApplication|TForm1' | sort | tr '\n' ' ' | sed 's/ $//')"
check_eq "every window answers WM_QUERYENDSESSION with 1" "" "$(awk -F'\t' '$3 != "1\r" && $3 != 1' <<<"$answers")"

drive end-session "$pid" end 0 >"$E2E_TEST_DIR/end-0-answers.txt"
# Time for an icon taken away to leave the notification area.
sleep 1
check_true "after WM_ENDSESSION with 0 the icon is still there" tray_icon_shown
check_eq "after WM_ENDSESSION with 0 the window is still shown" 1 "$(window_fact "$main" visible)"

drive end-session "$pid" end 1 >"$E2E_TEST_DIR/end-1-answers.txt"
check_within 10 "after WM_ENDSESSION with 1 the icon is gone" not tray_icon_shown

e2e_end
