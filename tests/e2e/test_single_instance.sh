#!/usr/bin/env bash
# Only one copy runs: a second start while the first runs ends by itself
# with exit code 0 and shows no window; the first copy goes on unaffected;
# once the first has ended, a new start runs normally.
source "$(dirname "$0")/lib.sh"
e2e_begin single_instance 150

lumaric_start
first_pid=$LUMARIC_PID
main=$(lumaric_main_window)

lumaric_start
lumaric_wait_exit 10
check_eq "second copy's exit code" 0 "$LUMARIC_EXIT"
check_eq "still one main window" 1 "$(drive count-windows --class TForm1)"
check_eq "still one application window" 1 "$(drive count-windows --class TApplication)"
check_eq "no message box" 0 "$(drive count-windows --class '#32770')"
check_eq "the first copy's window is the one left" "$main" "$(drive wait-window --class TForm1)"
check_eq "the first copy still answers" "Lumaric1.01.20180114" "$(drive text "$main")"

LUMARIC_PID=$first_pid
drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "first copy's exit code" 0 "$LUMARIC_EXIT"

lumaric_start
main=$(lumaric_main_window)
check_eq "a new start after the first copy ended shows its window" "Lumaric1.01.20180114" "$(drive text "$main")"
drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "new copy's exit code" 0 "$LUMARIC_EXIT"

e2e_end
