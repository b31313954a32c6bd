#!/usr/bin/env bash
# The notification-area icon under real mouse input: there with the
# program's picture and the tip "Lumaric" while the main window has not yet
# been shown (started minimised); a double-click with each button shows the
# window (the right one as the shell reports it), centred the first time; a
# single left click does nothing; a right click opens the six-entry
# menu at the cursor; "最小化" and "隐藏窗口" hide the window and its taskbar
# button, "显示窗口" brings the window back where it was and no button with
# it; the icon comes back after the shell lost it and broadcast
# "TaskbarCreated"; "开启" shows its balloon; "退出程序" on the hidden window
# ends the program with exit code 0 and takes the icon away.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/tray.sh"

export WINEDEBUG=-all,+tooltips
e2e_begin tray 240 2> >(tray_trace_apart tray)
tray_keep_trace tray

# Five icons of another program come first, so that ours is far enough from
# the screen's corner for the menu to open at the cursor itself.
tray_hold_placeholders 5

not() { ! "$@"; }

# The shell calls of the program, NIM_ADD counted below.
WINEDEBUG=-all,+systray lumaric_start_minimised
wait_until 30 "the icon with tip $TRAY_TIP" tray_icon_shown
main=$(drive wait-window --class TForm1)
check_eq "main window not shown yet while the icon is there" 0 "$(window_fact "$main" visible)"
read -r icon_left icon_top icon_width icon_height < <(tray_icon_rect)
read -r icon_x icon_y < <(tray_icon_centre)
picture=$(screenshot tray-desktop)
check_true "the icon shows the program's icon (difference $(tray_icon_difference "$picture" \
  "$icon_left" "$icon_top" "$icon_width" "$icon_height"))" \
  tray_icon_matches "$picture" "$icon_left" "$icon_top" "$icon_width" "$icon_height"
# The shell is given the icon's own small image, not a larger one it would
# have to shrink.
from_small=$(tray_icon_difference "$picture" "$icon_left" "$icon_top" "$icon_width" "$icon_height" 16 || true)
from_large=$(tray_icon_difference "$picture" "$icon_left" "$icon_top" "$icon_width" "$icon_height" 32 || true)
check_true "the icon is the 16-pixel image (difference $from_small), not the 32-pixel one shrunk ($from_large)" \
  awk -v small="$from_small" -v large="$from_large" 'BEGIN { exit !(small != "" && small < large / 2) }'
read -r other_left other_top other_width other_height < <(tray_icon_rect "placeholder 1")
check_true "another program's icon does not pass for it" \
  not tray_icon_matches "$picture" "$other_left" "$other_top" "$other_width" "$other_height"
convert "$picture" -crop "$((icon_width + 160))x$((icon_height + 40))+$((icon_left - 40))+$((icon_top - 20))" \
  +repage "$E2E_TEST_DIR/tray-icon.png"

# Pointing at the icon shows its tip.
xdotool mousemove --sync "$icon_x" "$icon_y"
check_within 10 "the tip \"$TRAY_TIP\" shows while the mouse is on the icon" tray_tip_shown
screenshot tray-tip >/dev/null

is_visible() { [[ $(window_fact "$main" visible) == 1 ]]; }
is_hidden() { [[ $(window_fact "$main" visible) == 0 ]]; }

xdotool click 1
# Longer than the double-click time, so the click stays single.
sleep 1
check_true "a single left click leaves the window hidden" is_hidden
check_true "a single left click opens no menu" tray_no_menu

tray_double_click 1 "$icon_x" "$icon_y"
wait_until 10 "a left double-click to show the window" is_visible
read -r area_left area_top area_width area_height < <(drive work-area)
read -r left top width height < <(window_fact "$main" rect)
check_eq "shown for the first time, the window is centred in the work area" \
  "$((area_left + (area_width - width) / 2)) $((area_top + (area_height - height) / 2))" "$left $top"
place=$(window_fact "$main" rect)
application=$(window_fact "$main" owner)
# The button is there while the window is shown: the taskbar is read, and
# its buttons are found, before their absence is taken for an outcome.
application_button() { [[ $(taskbar_buttons_for "$application") == 1 ]]; }
check_within 10 "the shown window's taskbar button is the application window's" application_button

# Hides the window with a real click on "最小化" and checks it is gone with
# its taskbar button.
hide_by_button() {
  click_window "$(drive child "$main" 114)"
  wait_until 10 "the window hidden by 最小化" is_hidden
}
no_taskbar_button() { [[ $(taskbar_buttons_for "$application") == 0 && $(taskbar_buttons_for "$main") == 0 ]]; }

hide_by_button
check_within 10 "最小化 takes the taskbar button away" no_taskbar_button

tray_double_click 2 "$icon_x" "$icon_y"
wait_until 10 "a middle double-click to show the window" is_visible
check_eq "the window comes back where it was" "$place" "$(window_fact "$main" rect)"
check_eq "the application window stays hidden" 0 "$(window_fact "$application" visible)"
# A button would come back asynchronously, after the taskbar heard of it.
sleep 1
check_true "no taskbar button comes back with the window" no_taskbar_button

# A right double-click made with the mouse never reaches the program: the
# first release opens the menu, whose own loop takes the second press. So
# the application window, which receives the icon's messages, gets the
# shell's message for it directly.
hide_by_button
notification=$(drive wait-window --class TApplication --pid "$(window_fact "$main" pid)")
drive post "$notification" 0x401 "$notification" 0x206
wait_until 10 "a right double-click to show the window" is_visible
check_true "a right double-click opens no menu" tray_no_menu

# The menu at the cursor: its left edge there as far as the screen has room,
# its top too unless the screen has no room below, and then above the cursor. It is as high as its
# six entries in the program's style within a thin border; each entry shows
# text, each separator a line across. What each entry does is checked below
# by choosing it. The tip comes up once the mouse rests on the icon; it is
# taken away first, so that it does not come up over the menu.
tray_rest_on_icon "$icon_x" "$icon_y"
menu=$(tray_open_menu "$icon_x" "$icon_y") || fail "a right click on the icon opened no menu"
tray_pop_tips
read -r menu_left menu_top menu_width menu_height < <(window_fact "$menu" rect)
# A menu too wide for the room right of the cursor ends at the screen's edge
# (the Chinese menu font is wider).
screen_width=${E2E_SCREEN%x*}
expected_left=$icon_x
((icon_x + menu_width > screen_width)) && expected_left=$((screen_width - menu_width))
check_eq "the menu opens with its left edge at the cursor, or as near as the screen allows" \
  "$expected_left" "$menu_left"
if ((icon_y + menu_height <= ${E2E_SCREEN#*x})); then
  check_eq "the menu opens with its top edge at the cursor" "$icon_y" "$menu_top"
else
  check_true "the menu opens above the cursor, as there is no room below it" \
    test $((menu_top + menu_height)) -le "$icon_y"
fi
border=$((menu_height - $(tray_rows_height)))
check_true "the menu is as high as four entries and two separators in the style, within a thin border" \
  test "$border" -ge 0 -a "$border" -le 8 -a $((border % 2)) -eq 0
screenshot tray-menu "$menu" >/dev/null
desktop=$(screenshot tray-menu-desktop)
tray_entry_rects "$menu"
for index in "${!TRAY_MENU_ENTRIES[@]}"; do
  entry=${TRAY_MENU_ENTRIES[$index]}
  read -r _ _ entry_width _ <<<"${TRAY_ENTRY_RECTS[$index]}"
  drawn=$(tray_drawn_pixels "$desktop" "${TRAY_ENTRY_RECTS[$index]}")
  if [[ $entry == - ]]; then
    check_true "menu entry $index is a separator: a line across ($drawn pixels drawn)" \
      test "$drawn" -ge $((entry_width / 2)) -a "$drawn" -le "$entry_width"
  else
    check_true "menu entry $index, $entry, shows text ($drawn pixels drawn)" test "$drawn" -gt "$entry_width"
  fi
done
convert "$desktop" \
  -crop "$((menu_width + 160))x$((menu_height + 60))+$((menu_left - 80))+$((menu_top - 20))" +repage \
  "$E2E_TEST_DIR/tray-menu-open.png"

tray_choose "$menu" 3
wait_until 10 "隐藏窗口 to hide the window" is_hidden
check_true "no taskbar button after 隐藏窗口" no_taskbar_button

tray_menu_command 2
wait_until 10 "显示窗口 to show the window" is_visible
check_eq "显示窗口 brings the window back where it was" "$place" "$(window_fact "$main" rect)"
check_eq "显示窗口 leaves the application window hidden" 0 "$(window_fact "$application" visible)"
sleep 1
check_true "no taskbar button after 显示窗口" no_taskbar_button

# The shell loses the icon, as when it restarts, and announces itself.
nim_adds() { grep -c 'Shell_NotifyIconW dwMessage = 0,' "$LUMARIC_LOG" || true; }
check_eq "one NIM_ADD so far" 1 "$(nim_adds)"
drive forget-tray-icons "$(window_fact "$main" pid)" >/dev/null
icon_gone() { ! tray_icon_shown; }
wait_until 5 "the icon taken out" icon_gone
drive broadcast-taskbar-created >/dev/null
check_within 10 "TaskbarCreated brings the icon back" tray_icon_shown
check_eq "TaskbarCreated adds the icon once more (NIM_ADD)" 2 "$(nim_adds)"
check_eq "the icon is back in its place" "$icon_left $icon_top $icon_width $icon_height" "$(tray_icon_rect)"

# "开启" hides the window and shows its balloon.
before_balloon=$(screenshot tray-before-balloon)
click_window "$(drive child "$main" 105)"
wait_until 10 "the window hidden by 开启" is_hidden
wait_until 15 "a balloon" tray_balloon
IFS=$'\t' read -r balloon balloon_text < <(tray_balloon)
check_eq "the balloon's text" "网络连接自动修复已经开启." "$balloon_text"
read -r balloon_left balloon_top balloon_width balloon_height < <(window_fact "$balloon" rect)
check_true "the balloon stands above the icon" \
  test "$balloon_left" -le "$icon_x" -a $((balloon_left + balloon_width)) -ge "$icon_x" \
  -a $((balloon_top + balloon_height)) -le "$icon_top"
convert "$before_balloon" -crop "${balloon_width}x${balloon_height}+${balloon_left}+${balloon_top}" +repage \
  "$E2E_TEST_DIR/balloon-place-before.png"
# The tooltip paints a moment after it is shown.
balloon_changed() {
  screenshot tray-balloon "$balloon" >/dev/null
  compare -metric AE "$E2E_TEST_DIR/tray-balloon.png" "$E2E_TEST_DIR/balloon-place-before.png" null: 2>&1 || true
}
balloon_painted() {
  local changed
  changed=$(balloon_changed)
  [[ ${changed%%.*} =~ ^[0-9]+$ ]] && ((${changed%%.*} > balloon_width * balloon_height / 2))
}
check_within 5 "the balloon is painted on the screen: more than half of its pixels changed" balloon_painted
echo "balloon: $(balloon_changed) of $((balloon_width * balloon_height)) pixels changed"
# debugstr_w writes 提示 as its code points.
check_true "the balloon's title is 提示" test "$(tray_balloons_titled '\63d0\793a')" -ge 1
convert "$(screenshot tray-balloon-desktop)" \
  -crop "$((balloon_width + 80))x$((balloon_height + 60))+$((balloon_left - 40))+$((balloon_top - 20))" +repage \
  "$E2E_TEST_DIR/tray-balloon-context.png"
# The count is read anew at every try.
repaired() { [[ $(standin_runs | wc -l) -ge 4 ]]; }
wait_until 60 "the repair that 开启 starts" repaired

tray_menu_command 5
lumaric_wait_exit 15
check_eq "退出程序 on the hidden window: exit code" 0 "$LUMARIC_EXIT"
check_true "the icon leaves the notification area" icon_gone
picture=$(screenshot tray-after-exit)
check_true "the icon's place no longer shows the program's icon" \
  not tray_icon_matches "$picture" "$icon_left" "$icon_top" "$icon_width" "$icon_height"

echo "screenshots: $E2E_TEST_DIR/tray-icon.png $E2E_TEST_DIR/tray-tip.png $E2E_TEST_DIR/tray-menu-open.png" \
  "$E2E_TEST_DIR/tray-balloon-context.png"
e2e_end
