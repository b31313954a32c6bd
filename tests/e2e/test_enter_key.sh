#!/usr/bin/env bash
# Enter presses the push button that has the keyboard focus, as a click
# would, wherever the button stands: on ButtonLumaric ("现在修复") and
# Button_Stop ("停止") on the first page it repairs and switches the schedule
# off, on Button1 ("最小化"), reached by Tab, it hides the window to the
# notification area. With the focus in the drop-down list's edit, Enter
# presses no button: the window stays, nothing is logged or written, the
# schedule stays off.
source "$(dirname "$0")/lib.sh"
e2e_begin enter_key 180

# The focused window of the program's thread.
focused() { drive focus "$main" | sed -n 's/^focus=//p'; }
# The edit inside ComboBox has the focus.
focus_in_combo() { [[ $(window_fact "$(focused)" parent) == "$combo" ]]; }

start_with_focus_in_combo() {
  lumaric_start
  main=$(lumaric_main_window)
  combo=$(drive child "$main" 104)
  click_window "$combo"
  wait_until 5 "the focus in ComboBox's edit" focus_in_combo
}

# Tab N times, a moment between the keys as a person types.
press_tab() {
  for ((i = 0; i < $1; i++)); do
    xdotool key --clearmodifiers Tab
    sleep 0.3
  done
}
panel0() { drive statusbar "$status" | awk -F'\t' '$1 == 0 { print $3 }'; }

start_with_focus_in_combo
memo=$(drive child "$main" 108)
status=$(drive child "$main" 115)
# ComboBox, Button_Start, ButtonLumaric.
press_tab 2
check_eq "Tab brought the focus to ButtonLumaric on the first page" "$(drive child "$main" 107)" "$(focused)"
xdotool key --clearmodifiers Return
one_run() { [[ $(standin_runs | wc -l) -ge 4 ]]; }
wait_until 60 "the stand-ins of the repair Enter started" one_run
wait_log_lines "$memo" 2 30
check_match "Enter on ButtonLumaric repairs: announcement and success in the log" \
  '请稍候正在修复网络连接\.\\r\\n网络连接修复成功\..*\\r\\n' "$(drive text "$memo")"
# Memo_Log, Button_Stop.
press_tab 2
check_eq "Tab brought the focus to Button_Stop" "$(drive child "$main" 106)" "$(focused)"
xdotool key --clearmodifiers Return
stopped() { [[ $(panel0) == '状态:关闭' ]]; }
wait_until 10 "status panel 0 after Enter on Button_Stop" stopped
check_eq "Enter on Button_Stop leaves the window shown" 1 "$(window_fact "$main" visible)"
check_eq "one repair only" "$(expected_standin_runs)" "$(standin_runs)"
drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"
rm -f "$STANDIN_RECORD" "$TEMPLATES_DIR/R.bat"

start_with_focus_in_combo
button1=$(drive child "$main" 114)
# ComboBox, Button_Start, ButtonLumaric, Memo_Log, Button_Stop, Button1;
# each Tab is taken once the focus has left the control it was on.
focus_left() {
  local now
  now=$(focused)
  [[ -n $now && $now != "$1" ]]
}
current=$(focused)
for _ in 1 2 3 4 5; do
  xdotool key --clearmodifiers Tab
  wait_until 5 "the focus to move on from $current under Tab" focus_left "$current"
  current=$(focused)
done
check_eq "Tab brought the focus to Button1" "$button1" "$current"
# The focus rectangle is drawn after the focus moved; the picture is for
# looking at only.
sleep 0.3
screenshot enter-focus-button1 "$main" >/dev/null
xdotool key --clearmodifiers Return
window_hidden() { [[ $(window_fact "$main" visible) == 0 ]]; }
wait_until 5 "Enter on Button1 to hide the window" window_hidden
check_eq "and the taskbar button's window, as a click on Button1 does" 0 \
  "$(window_fact "$(window_fact "$main" owner)" visible)"
drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"

start_with_focus_in_combo
memo=$(drive child "$main" 108)
status=$(drive child "$main" 115)
xdotool key --clearmodifiers Return
# Time for a button press, a repair or an error box that must not come.
sleep 1.5
screenshot enter-focus-combo "$main" >/dev/null
check_eq "Enter in ComboBox's edit leaves the window shown" 1 "$(window_fact "$main" visible)"
check_eq "the focus stays in ComboBox's edit" yes "$(focus_in_combo && echo yes || echo no)"
check_eq "no error box" 0 "$(drive count-windows --class '#32770' --visible)"
check_eq "nothing logged: ButtonLumaric not pressed" "" "$(drive text "$memo")"
check_true "no R.bat written" test ! -e "$TEMPLATES_DIR/R.bat"
check_eq "schedule state not set: neither Button_Start nor Button_Stop pressed" "" \
  "$(drive statusbar "$status" | awk -F'\t' '$1 == 0 { print $3 }')"
check_eq "ComboBox still reads 5" "5" "$(drive text "$combo")"
drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"

e2e_end
