#!/usr/bin/env bash
# The executable built without its style: start-up shows the modal error
# dialog with its exact texts before any window, and after "Close" the main
# window comes up in the system's look.
source "$(dirname "$0")/lib.sh"
: "${LUMARIC_NOSTYLE_EXE:=$(dirname "$LUMARIC_EXE")/Lumaric_nostyle.exe}"
[[ -f $LUMARIC_NOSTYLE_EXE ]] || fail "$LUMARIC_NOSTYLE_EXE is missing: build the target Lumaric_nostyle"
e2e_begin style_not_found 150

LUMARIC_EXE=$LUMARIC_NOSTYLE_EXE lumaric_start
box=$(drive wait-window --class '#32770' --title Error --visible --timeout 30000) ||
  fail "no error dialog came up"
facts=$(drive msgbox "$box")
printf '%s\n' "$facts" >"$E2E_TEST_DIR/dialog.txt"
screenshot style-not-found-dialog "$box" >/dev/null
check_eq "dialog title" "Error" "$(sed -n 's/^caption=//p' <<<"$facts")"
check_eq "dialog text" "Style 'Smokey Quartz Kamri' not found" "$(sed -n 's/^text=//p' <<<"$facts")"
check_eq "dialog icon" "stop" "$(sed -n 's/^icon=//p' <<<"$facts")"
buttons=$(sed -n 's/^button=//p' <<<"$facts")
check_eq "one button, Close with C as its access key" "&Close" "$(cut -f2 <<<"$buttons")"

# Start-up waits for the dialog: no main window yet.
check_eq "no main window while the dialog is open" 0 "$(drive count-windows --class TForm1 --visible)"

# Centred in the work area, as the halves fall.
read -r work_left work_top work_width work_height < <(drive work-area)
read -r left top width height < <(window_fact "$box" rect)
check_true "dialog centred across the work area" \
  test $((2 * (left - work_left) + width - work_width)) -ge -2 -a $((2 * (left - work_left) + width - work_width)) -le 2
check_true "dialog centred down the work area" \
  test $((2 * (top - work_top) + height - work_height)) -ge -2 -a $((2 * (top - work_top) + height - work_height)) -le 2

drive press "$box" "$(cut -f1 <<<"$buttons")"
drive wait-gone "$box" --timeout 10000 || e2e_record no "Close closes the dialog"

main=$(lumaric_main_window)
status=$(drive child "$main" 115)
clock_shown() { [[ -n $(status_clock "$status") ]]; }
wait_until 10 "the status clock" clock_shown
screenshot style-not-found-main-window "$main" >/dev/null
# A spot of the window's own background, left of the buttons below the pages.
check_eq "window background is the system's button face" "$(drive sys-colour 15)" "$(drive pixels "$main" 6 212)"
check_eq "status bar in the system's button face" "$(drive sys-colour 15)" "$(drive pixels "$status" 100 10)"
check_eq "log in the system's window colour" "$(drive sys-colour 5)" "$(drive pixels "$(drive child "$main" 108)" 20 20)"

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"
e2e_end
