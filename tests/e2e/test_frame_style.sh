#!/usr/bin/env bash
# The frame is the style's own: a border of 3 and a title of 21 pixels
# (frame.border-width, title.height), so that the outer size is the
# layout's 353 x 277 at 96 dpi. The system never paints its caption over
# the style's title bar: the title keeps the style's colours when the window
# loses and regains the activation, while the title is pressed, with the
# system menu open from the icon or from Alt+Space, and with the mouse over
# the border; the icon keeps its picture while the system menu is open.
source "$(dirname "$0")/lib.sh"
e2e_begin frame_style 150

STYLE_SOURCE=$E2E_ROOT/res/SmokeyQuartzKamri.style.txt
style_metric() { sed -n "s/^$1 = \([0-9][0-9]*\)$/\1/p" "$STYLE_SOURCE"; }

lumaric_start
main=$(lumaric_main_window)
xdotool mousemove --sync 5 5
read -r left top width height < <(window_fact "$main" rect)
read -r client_width client_height < <(window_fact "$main" client)
check_eq "the outer size is the layout's" "353 277" "$width $height"
check_eq "the frame: border and title from the style" \
  "$((2 * $(style_metric frame.border-width))) $(($(style_metric title.height) + 2 * $(style_metric frame.border-width)))" \
  "$((width - client_width)) $((height - client_height))"

border=$(style_metric frame.border-width)
title=$(style_metric title.height)
padding=$(style_metric title.padding)
icon=$(style_metric sysmenu.icon-size)
# A column of the title bar between the caption's text and the close box,
# and the icon, from the window's top-left corner.
column_x=$((width - border - padding - $(style_metric closebox.width) - padding - 2))
middle=$((border + title / 2))
title_column() { convert "$1" -crop "1x${title}+${column_x}+${border}" +repage txt:- | sed -n 's/.*\(#[0-9A-F]\{6\}\).*/\1/p' | xargs; }
icon_pixels() { convert "$1" -crop "${icon}x${icon}+$((border + padding))+$((middle - icon / 2))" +repage txt:- | sed -n 's/.*\(#[0-9A-F]\{6\}\).*/\1/p' | md5sum; }

active() { [[ $(drive focus "$main" | sed -n 's/^active=//p') == "$main" ]]; }
inactive() { ! active; }
menu_open() { [[ $(drive count-windows --class '#32768' --visible) -ge 1 ]]; }
menu_closed() { ! menu_open; }

sleep 0.5
picture=$(screenshot frame-active "$main")
active_title=$(title_column "$picture")
active_icon=$(icon_pixels "$picture")

other=$(other_window_start)
wait_until 5 "the window inactive" inactive
sleep 0.5
inactive_title=$(title_column "$(screenshot frame-inactive "$main")")
check_true "inactive, the title bar is drawn in other colours" test "$inactive_title" != "$active_title"

xdotool mousemove --sync $((left + width / 2)) $((top + middle)) mousedown 1
wait_until 5 "the window active after a press on its title" active
sleep 0.5
check_eq "the title pressed: the style's title bar, active" "$active_title" \
  "$(title_column "$(screenshot frame-title-pressed "$main")")"
xdotool mouseup 1
sleep 0.5
check_eq "the title released: the style's title bar" "$active_title" \
  "$(title_column "$(screenshot frame-title-released "$main")")"
check_eq "a click on the title leaves the window where it was" "$left $top" "$(window_fact "$main" rect | cut -d' ' -f1,2)"

xdotool mousemove --sync $((left + border + padding + icon / 2)) $((top + middle)) click 1
wait_until 5 "the system menu open from the icon" menu_open
sleep 0.5
picture=$(screenshot frame-system-menu "$main")
check_eq "the system menu open from the icon: the style's title bar" "$active_title" "$(title_column "$picture")"
check_eq "and the icon's own picture" "$active_icon" "$(icon_pixels "$picture")"
xdotool key Escape
wait_until 5 "the system menu closed" menu_closed

xdotool mousemove --sync $((left + width / 2)) $((top + height / 2))
xdotool key --clearmodifiers alt+space
wait_until 5 "the system menu open from Alt+Space" menu_open
sleep 0.5
check_eq "the system menu open from Alt+Space: the style's title bar" "$active_title" \
  "$(title_column "$(screenshot frame-alt-space "$main")")"
xdotool key Escape
wait_until 5 "the system menu closed" menu_closed

xdotool mousemove --sync $((left + 1)) $((top + height / 2))
sleep 0.5
check_eq "the mouse over the border: the style's title bar" "$active_title" \
  "$(title_column "$(screenshot frame-border-hover "$main")")"

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"
e2e_end
