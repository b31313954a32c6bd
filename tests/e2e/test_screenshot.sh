#!/usr/bin/env bash
# A picture of the main window as a user sees it, kept under build/ for
# looking at; it must be the window's size and show more than a flat area.
source "$(dirname "$0")/lib.sh"
e2e_begin screenshot 120

lumaric_start
main=$(lumaric_main_window)
status=$(drive child "$main" 115)
clock_shown() { [[ -n $(status_clock "$status") ]]; }
# The clock has ticked and every control has painted.
wait_until 10 "the status clock" clock_shown
picture=$(screenshot main-window "$main")
read -r _ _ width height < <(window_fact "$main" rect)
check_eq "picture has the window's size" "$width $height" "$(identify -format '%w %h' "$picture")"
check_true "picture shows more than a few colours" test "$(identify -format '%k' "$picture")" -gt 8
echo "screenshot of the main window: $picture"
echo "screenshot of the desktop: $(screenshot desktop)"

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
e2e_end
