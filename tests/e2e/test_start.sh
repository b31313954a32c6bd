#!/usr/bin/env bash
# Start-up and shutdown: the main window with its versioned caption, owned
# by the hidden zero-size application window, centred in the work area; the
# process ends with exit code 0 when the window is closed by WM_CLOSE or by
# a real click on its close box.
source "$(dirname "$0")/lib.sh"
e2e_begin start 150

lumaric_start
main=$(lumaric_main_window)
check_eq "main window class" "TForm1" "$(window_fact "$main" class)"
check_eq "main window caption" "Lumaric1.01.20180114" "$(window_fact "$main" text)"
check_eq "caption read through WM_GETTEXT" "Lumaric1.01.20180114" "$(drive text "$main")"
# The client area is 347 x 250 in whatever frame the system gives the
# window; the outer size limits of 353 x 277 and 355 x 279 give way to a
# frame they do not fit (Wine's caption is lower than Windows').
read -r client_width client_height < <(window_fact "$main" client)
read -r _ _ outer_width outer_height < <(window_fact "$main" rect)
check_eq "client area" "347 250" "$client_width $client_height"
check_true "outer width within 353 and 355" test "$outer_width" -ge 353 -a "$outer_width" -le 355

style=$(window_fact "$main" style)
check_bits "caption and system menu, no minimise, maximise or sizing border" "$style" \
  '0x00C00000 | 0x00080000 | 0x00020000 | 0x00010000 | 0x00040000' '0x00C00000 | 0x00080000'
check_bits "main window has no taskbar button of its own (no WS_EX_APPWINDOW)" \
  "$(window_fact "$main" exstyle)" 0x00040000 0

application=$(window_fact "$main" owner)
check_true "main window has an owner" test "$application" != 0x00000000
check_eq "owner class" "TApplication" "$(window_fact "$application" class)"
check_eq "owner text" "Lumaric" "$(window_fact "$application" text)"
read -r _ _ app_width app_height < <(window_fact "$application" rect)
check_eq "owner size" "0 0" "$app_width $app_height"
check_eq "owner is a top-level window" "$(window_fact "$main" parent)" "$(window_fact "$application" parent)"
check_bits "owner carries the taskbar button (WS_EX_APPWINDOW)" "$(window_fact "$application" exstyle)" \
  0x00040000 0x00040000
check_eq "one application window" 1 "$(drive count-windows --class TApplication)"

application_on_taskbar() { [[ $(taskbar_buttons_for "$application") == 1 ]]; }
check_within 10 "taskbar button of the application window" application_on_taskbar
check_eq "no taskbar button of the main window" 0 "$(taskbar_buttons_for "$main" || echo unreadable)"

read -r area_left area_top area_width area_height < <(drive work-area)
read -r left top width height < <(window_fact "$main" rect)
check_eq "centred in the work area" \
  "$((area_left + (area_width - width) / 2)) $((area_top + (area_height - height) / 2))" "$left $top"

screenshot start-main-window "$main"

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code after WM_CLOSE" 0 "$LUMARIC_EXIT"
check_eq "no main window left" 0 "$(drive count-windows --class TForm1)"
check_eq "no application window left" 0 "$(drive count-windows --class TApplication)"

lumaric_start
main=$(lumaric_main_window)
read -r x y < <(drive close-box "$main")
click_at "$x" "$y"
lumaric_wait_exit 15
check_eq "exit code after a click on the close box" 0 "$LUMARIC_EXIT"
check_eq "no main window left after the close box" 0 "$(drive count-windows --class TForm1)"

e2e_end
