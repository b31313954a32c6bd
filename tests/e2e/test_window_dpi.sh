#!/usr/bin/env bash
# The window at 150 % (144 dpi) and after WM_DPICHANGED, as Windows sends it
# when the window moves to a monitor of another scale (Wine never does; the
# driver sends it with the suggested rectangle in the program's memory):
# - the icons are sized for the monitor's scale, 48 and 24 pixels at 144 dpi
#   (not the system's 48 scaled again), 32 and 16 at 96, and the application
#   window, whose taskbar button shows them, holds the form's new icons, none
#   of them destroyed (read inside the process by the icon_report DLL: icon
#   handles belong to their process under Wine);
# - the client area is 347 x 250 at 96 dpi, Button1 and Button2 lie above
#   the status bar, and back at 144 dpi it is 521 x 375;
# - the frame is the style's (border 3, title 21) at the window's scale,
#   where per-monitor awareness version 1 would keep the system's at the
#   system's scale: the outer size is 531 x 417 at 144 dpi, 353 x 277 at 96.
source "$(dirname "$0")/lib.sh"
e2e_begin window_dpi 150

: "${LUMARIC_ICON_REPORT_DLL:=$LUMARIC_BUILD/e2e/lumaric-icon-report.dll}"
[[ -f $LUMARIC_ICON_REPORT_DLL ]] || fail "$LUMARIC_ICON_REPORT_DLL is missing: build the windows preset first"
export LUMARIC_ICON_REPORT='C:\lumaric-e2e\icons.txt'
ICON_REPORT=$WINEPREFIX/drive_c/lumaric-e2e/icons.txt

# A length laid out at 96 dpi, at DPI, rounded as MulDiv rounds.
at_dpi() { echo $((($1 * $2 + 48) / 96)); }

# Has the icon_report DLL write the icons the windows hold now.
report_icons() {
  rm -f "$ICON_REPORT"
  drive load-library "$(window_fact "$main" pid)" "$(winepath -w "$LUMARIC_ICON_REPORT_DLL")" ||
    fail "could not load the icon report into the program"
  [[ -s $ICON_REPORT ]] || fail "the icon report wrote nothing"
  cp "$ICON_REPORT" "$E2E_TEST_DIR/icons-$1.txt"
}

# One icon of the report: "HANDLE WIDTHxHEIGHT valid|invalid", or "none".
icon() { sed -n "s/^$1=//p" "$ICON_REPORT"; }
handle() { icon "$1" | cut -d' ' -f1; }

check_icons() {
  local when=$1 big=$2 small=$3 window kind
  check_match "$when: form's big icon ${big}x$big" "0x[0-9A-F]+ ${big}x$big valid" "$(icon form.big)"
  check_match "$when: form's small icon ${small}x$small" "0x[0-9A-F]+ ${small}x$small valid" "$(icon form.small)"
  check_eq "$when: the application window holds the form's big icon" "$(handle form.big)" "$(handle app.big)"
  check_eq "$when: the application window holds the form's small icon" "$(handle form.small)" "$(handle app.small)"
  for window in form app; do
    for kind in big small; do
      check_match "$when: $window's $kind icon is a live icon" "0x[0-9A-F]+ [0-9]+x[0-9]+ valid" "$(icon "$window.$kind")"
    done
  done
}

# The client area, and Button1 and Button2 fully above the status bar.
check_layout() {
  local when=$1 dpi=$2 tree status_top id row
  check_eq "$when: client area 347 x 250 at $dpi dpi" "$(at_dpi 347 "$dpi") $(at_dpi 250 "$dpi")" \
    "$(window_fact "$main" client)"
  tree=$(drive tree "$main")
  printf '%s\n' "$tree" >"$E2E_TEST_DIR/tree-$when.tsv"
  row=$(tree_row "$tree" 115)
  status_top=$(row_field "$row" 11)
  check_eq "$when: StatusBar1 docked at the bottom, 21 high scaled" \
    "$(($(at_dpi 250 "$dpi") - $(at_dpi 21 "$dpi"))) $(at_dpi 21 "$dpi")" "$status_top $(row_field "$row" 13)"
  for id in 113 114; do
    row=$(tree_row "$tree" "$id")
    check_true "$when: $(row_field "$row" 14) (bottom $(($(row_field "$row" 11) + $(row_field "$row" 13)))) above the status bar ($status_top)" \
      test $(($(row_field "$row" 11) + $(row_field "$row" 13))) -le "$status_top"
  done
}

outer_size() { window_fact "$main" rect | cut -d' ' -f3,4; }

# WM_DPICHANGED for DPI, suggesting the place LEFT TOP and the present outer
# size scaled from FROM_DPI, as Windows suggests it.
change_dpi() {
  local dpi=$1 from_dpi=$2 left=$3 top=$4 width height
  read -r _ _ width height < <(window_fact "$main" rect)
  drive dpi-changed "$main" "$dpi" "$left" "$top" $((width * dpi / from_dpi)) $((height * dpi / from_dpi))
  check_eq "at $dpi dpi: the window at the suggested place" "$left $top" "$(window_fact "$main" rect | cut -d' ' -f1,2)"
}

set_dpi 144
lumaric_start
main=$(lumaric_main_window)
status_clock_shown() { [[ -n $(status_clock "$(drive child "$main" 115)") ]]; }
wait_until 15 "the status clock" status_clock_shown
report_icons start-144
check_icons "start at 144 dpi" 48 24
check_layout start-144 144
check_eq "at 144 dpi: the outer size, with the style's frame at 144 dpi" "531 417" "$(outer_size)"
sleep 0.5
screenshot dpi-start-144 "$main" >/dev/null
first_big=$(handle form.big)

change_dpi 96 144 40 30
sleep 0.5
screenshot dpi-changed-96 "$main" >/dev/null
check_eq "at 96 dpi: the outer size, with the style's frame at 96 dpi" "353 277" "$(outer_size)"
check_layout changed-96 96
report_icons changed-96
check_icons "at 96 dpi" 32 16
check_true "at 96 dpi: new icons, not the first ones" test "$(handle form.big)" != "$first_big"

change_dpi 144 96 60 50
sleep 0.5
screenshot dpi-back-144 "$main" >/dev/null
check_layout back-144 144
check_eq "back at 144 dpi: the outer size" "531 417" "$(outer_size)"
report_icons back-144
check_icons "back at 144 dpi" 48 24

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"
e2e_end
