#!/usr/bin/env bash
# The window gives the keyboard focus back to the control that had it: after
# "隐藏窗口" and a double-click on the notification icon, and after the user
# went to another window and clicked the title bar, the focus is on
# Button_Stop ("停止") again, reached by Tab before, and Space presses it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/tray.sh"
e2e_begin focus_return 150

tray_hold_placeholders 5
lumaric_start
main=$(lumaric_main_window)
stop=$(drive child "$main" 106)
status=$(drive child "$main" 115)
focused() { drive focus "$main" | sed -n 's/^focus=//p'; }

click_window "$(drive child "$main" 104)"
focus_in_combo() { [[ $(window_fact "$(focused)" parent) == "$(drive child "$main" 104)" ]]; }
wait_until 5 "the focus in ComboBox's edit" focus_in_combo
# ComboBox, Button_Start, ButtonLumaric, Memo_Log, Button_Stop.
for _ in 1 2 3 4; do
  xdotool key --clearmodifiers Tab
  sleep 0.3
done
check_eq "Tab brought the focus to Button_Stop" "$stop" "$(focused)"

is_hidden() { [[ $(window_fact "$main" visible) == 0 ]]; }
is_visible() { [[ $(window_fact "$main" visible) == 1 ]]; }
tray_menu_command 3
wait_until 10 "the window hidden by 隐藏窗口" is_hidden
read -r icon_x icon_y < <(tray_icon_centre) || fail "no icon with tip $TRAY_TIP"
tray_double_click 1 "$icon_x" "$icon_y"
wait_until 10 "the window shown by a double-click on the icon" is_visible
active() { [[ $(drive focus "$main" | sed -n 's/^active=//p') == "$main" ]]; }
wait_until 5 "the window active again" active
check_eq "after hiding and showing, the focus is on Button_Stop again" "$stop" "$(focused)"

other=$(other_window_start)
inactive() { ! active; }
wait_until 5 "the window no longer active" inactive
read -r left top width _ < <(window_fact "$main" rect)
click_at $((left + width / 2)) $((top + 8))
wait_until 5 "the window active after a click on its title bar" active
check_eq "after another window had the activation, the focus is on Button_Stop again" "$stop" "$(focused)"

xdotool key --clearmodifiers space
stopped() { [[ $(drive statusbar "$status" | awk -F'\t' '$1 == 0 { print $3 }') == '状态:关闭' ]]; }
wait_until 10 "status panel 0 after Space" stopped

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"
e2e_end
