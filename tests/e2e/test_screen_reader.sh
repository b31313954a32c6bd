#!/usr/bin/env bash
# What a screen reader reads: the status panels answer SB_GETTEXTLENGTHW and
# SB_GETTEXTW with their texts, as Narrator and NVDA ask for them, also where
# the style draws the panels itself: panel 1 the clock, panel 0 the
# schedule's state once "停止" was pressed. The link label, of the program's
# own class, tells oleacc it stands for the system's label class (the index
# 65536 + 3 that the system's labels give for OBJID_QUERYCLASSNAMEIDX), so
# that screen readers read it as static text named by its text; Wine's
# oleacc gives no roles, so the answer itself is checked.
source "$(dirname "$0")/lib.sh"
e2e_begin screen_reader 120

lumaric_start
main=$(lumaric_main_window)
status=$(drive child "$main" 115)
# Panel N's text as SB_GETTEXTW copies it.
read_panel() { drive statusbar --plain "$status" | awk -F'\t' -v n="$1" '$1 == n { print $3 }'; }
clock_read() { [[ -n $(read_panel 1) ]]; }
wait_until 10 "panel 1 read by SB_GETTEXTW" clock_read
check_match "panel 1 reads as the clock" '.*[0-9]{1,2}:[0-9]{2}:[0-9]{2}.*' "$(read_panel 1)"
check_eq "panel 0 reads empty before the schedule was switched" "" "$(read_panel 0)"

drive click "$(drive child "$main" 106)"
state_read() { [[ -n $(read_panel 0) ]]; }
wait_until 10 "panel 0 read by SB_GETTEXTW" state_read
check_eq "panel 0 reads the schedule's state" '状态:关闭' "$(read_panel 0)"

label=$(drive child "$main" 111)
check_eq "the link label stands for the system's label class" 65539 "$(drive send "$label" 0x3D 0 0xFFFFFFF4)"

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"
e2e_end
