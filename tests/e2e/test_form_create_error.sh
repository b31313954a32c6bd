#!/usr/bin/env bash
# An error while the main window is built is reported and start-up goes on:
# with every SetTimer of the program refused (the driver points the
# executable's import at a stub that returns 0), the clock timer's start
# raises "Not enough timers available". The error box says so; after OK the
# main window shows and stays, without what the later steps would have done
# (no clock), but FormCreate has run: the version is in the caption and the
# icon in the notification area, so that "最小化" still has a way back, a
# double-click on the icon. Closing the window ends the program with exit
# code 0.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/tray.sh"
e2e_begin form_create_error 120

# An icon of another program shows that the notification area is read.
tray_hold_placeholders 1

LUMARIC_RUNS=$((LUMARIC_RUNS + 1))
LUMARIC_LOG=$E2E_TEST_DIR/lumaric-$LUMARIC_RUNS.log
(cd "$WINEPREFIX/drive_c" && exec wine "$LUMARIC_DRIVER" run-refusing-timers "$(winepath -w "$LUMARIC_EXE")" 'C:\') \
  >"$LUMARIC_LOG" 2>&1 </dev/null &
LUMARIC_PID=$!

# The box, or the end of the program that shows none.
error_box_or_end() {
  box=$(drive wait-window --class '#32770' --title Lumaric --visible --timeout 500 2>/dev/null) && return 0
  ! kill -0 "$LUMARIC_PID" 2>/dev/null
}
box=
wait_until 40 "an error box or the program's end" error_box_or_end
if [[ -z $box ]]; then
  lumaric_wait_exit 5
  cat "$LUMARIC_LOG" >&2
  fail "the program ended with exit code $LUMARIC_EXIT and showed no error box"
fi
grep -q '^SetTimer import at .* replaced by ' "$LUMARIC_LOG" || fail "the driver did not replace SetTimer"
sleep 0.5
screenshot form-create-error-box >/dev/null

facts=$(drive msgbox "$box")
check_eq "box caption" "Lumaric" "$(sed -n 's/^caption=//p' <<<"$facts")"
check_eq "box text" "Not enough timers available." "$(sed -n 's/^text=//p' <<<"$facts")"
check_eq "box icon" "stop" "$(sed -n 's/^icon=//p' <<<"$facts")"
# One OK button (IDOK), whose text is the system's: "确定" in a Chinese locale.
check_eq "box buttons" 1 "$(sed -n 's/^button=//p' <<<"$facts" | cut -f1 | xargs)"
main=$(drive wait-window --class TForm1 --timeout 5000)
check_eq "main window not yet shown while the box is open" 0 "$(window_fact "$main" visible)"

drive press "$box" 1
drive wait-gone "$box" --timeout 10000 || e2e_record no "OK closes the error box"
main=$(lumaric_main_window)
# Long enough for the clock's first tick and for the icon to be added.
sleep 3
check_true "the program still runs" kill -0 "$LUMARIC_PID"
check_eq "main window shown and staying" 1 "$(window_fact "$main" visible)"
check_eq "no further error box" 0 "$(drive count-windows --class '#32770' --visible)"
check_eq "caption with the version: FormCreate ran" "Lumaric1.01.20180114" "$(window_fact "$main" text)"
check_true "the program's icon in the notification area: FormCreate ran" tray_icon_shown
check_eq "no clock: the clock timer did not start" "" "$(status_clock "$(drive child "$main" 115)")"
check_eq "the controls built before the error are there" "现在修复" "$(drive text "$(drive child "$main" 107)")"
screenshot form-create-error-main "$main" >/dev/null

is_hidden() { [[ $(window_fact "$main" visible) == 0 ]]; }
is_visible() { [[ $(window_fact "$main" visible) == 1 ]]; }
click_window "$(drive child "$main" 114)"
wait_until 10 "the window hidden by 最小化" is_hidden
read -r icon_x icon_y < <(tray_icon_centre) || fail "no icon with tip $TRAY_TIP"
tray_double_click 1 "$icon_x" "$icon_y"
wait_until 10 "the window shown by a double-click on the icon" is_visible

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code after closing the window" 0 "$LUMARIC_EXIT"
check_eq "no main window left" 0 "$(drive count-windows --class TForm1)"

e2e_end
