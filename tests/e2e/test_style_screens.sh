#!/usr/bin/env bash
# The window drawn in the style Smokey Quartz Kamri at 96 and at 144 pixels
# per inch: both pages, the open drop-down list, the notification icon's
# popup menu and an error box, each saved as a picture; the client area and
# the controls' rectangles follow the layout scaled by the monitor's pixels
# per inch divided by 96, and the surfaces show the style's colours, not the
# system's.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/tray.sh"
e2e_begin style_screens 300

STYLE_SOURCE=$E2E_ROOT/res/SmokeyQuartzKamri.style.txt
# A colour of the style source as RRGGBB (the first one of a gradient).
style_colour() {
  sed -n "s/^$1 = #\([0-9A-Fa-f]\{6\}\).*/\1/p" "$STYLE_SOURCE" | tr a-f A-F
}

# Lengths laid out at 96 dpi, at DPI, rounded as MulDiv rounds.
scaled() { echo $((($1 * DPI + 48) / 96)); }

clock_shown() { [[ -n $(status_clock "$status") ]]; }
list_shown() { [[ $(drive count-windows --class ComboLBox --visible) -ge 1 ]]; }
second_page_shown() { [[ $(window_fact "$(drive child "$main" 109)" visible) == 1 ]]; }

# id, name, parent-relative left top width height at 96 dpi (the page's
# controls relative to GroupBox1/2, which fill their pages).
LAYOUT=(
  "105 Button_Start 16 136 70 25"
  "106 Button_Stop 96 136 70 25"
  "107 ButtonLumaric 176 136 70 25"
  "108 Memo_Log 16 38 313 95"
  "113 Button2 174 198 75 25"
  "114 Button1 258 198 75 25"
)

check_layout_at() {
  local suffix=$1 tree client row entry
  # The client area is 347 x 250 scaled, in whatever frame the window has.
  local client_width client_height
  read -r client_width client_height < <(window_fact "$main" client)
  check_eq "$suffix: client area 347 x 250 scaled" "$(scaled 347) $(scaled 250)" "$client_width $client_height"
  tree=$(drive tree "$main")
  printf '%s\n' "$tree" >"$E2E_TEST_DIR/tree-$suffix.tsv"
  local page_left page_top
  row=$(tree_row "$tree" 101)
  page_left=$(row_field "$row" 10)
  page_top=$(row_field "$row" 11)
  row=$(tree_row "$tree" 100)
  check_eq "$suffix: PageControl1 at the top, full width, 192 high scaled" "0 0 $client_width $(scaled 192)" \
    "$(row_field "$row" 10) $(row_field "$row" 11) $(row_field "$row" 12) $(row_field "$row" 13)"
  row=$(tree_row "$tree" 115)
  check_eq "$suffix: StatusBar1 docked at the bottom, 21 high scaled" \
    "0 $((client_height - $(scaled 21))) $client_width $(scaled 21)" \
    "$(row_field "$row" 10) $(row_field "$row" 11) $(row_field "$row" 12) $(row_field "$row" 13)"
  for entry in "${LAYOUT[@]}"; do
    read -r id name left top width height <<<"$entry"
    local origin_left=0 origin_top=0
    if ((id < 113)); then origin_left=$page_left origin_top=$page_top; fi
    row=$(tree_row "$tree" "$id")
    check_eq "$suffix: $name rectangle scaled" \
      "$((origin_left + $(scaled "$left"))) $((origin_top + $(scaled "$top"))) $(scaled "$width") $(scaled "$height")" \
      "$(row_field "$row" 10) $(row_field "$row" 11) $(row_field "$row" 12) $(row_field "$row" 13)"
  done
  row=$(tree_row "$tree" 104)
  check_eq "$suffix: ComboBox left, top and width scaled" \
    "$((page_left + $(scaled 48))) $((page_top + $(scaled 13))) $(scaled 48)" \
    "$(row_field "$row" 10) $(row_field "$row" 11) $(row_field "$row" 12)"
}

check_colours_at() {
  local suffix=$1 button
  check_eq "$suffix: window background in the style" "$(style_colour window.background)" \
    "$(drive pixels "$main" "$(scaled 6)" "$(scaled 212)")"
  button=$(drive child "$main" 114)
  check_eq "$suffix: Button1's border in the style" "$(style_colour button.normal.border)" \
    "$(drive pixels "$button" "$(scaled 30)" 0)"
  check_eq "$suffix: status bar's top line in the style" "$(style_colour statusbar.top-line)" \
    "$(drive pixels "$status" "$(scaled 30)" 0)"
}

# The keyboard focus shows on a button reached by Tab, and a button under
# the mouse is lit.
check_states_at() {
  local suffix=$1 start hot x y
  start=$(drive child "$main" 105)
  click_window "$(drive child "$main" 104)"
  xdotool key --clearmodifiers Tab
  check_eq_within 5 "$suffix: Button_Start shows the keyboard focus in the style" "$(style_colour focus.rectangle)" \
    drive pixels "$start" "$(scaled 3)" "$(scaled 3)"
  hot=$(drive child "$main" 114)
  read -r x y < <(drive point "$hot")
  xdotool mousemove --sync "$x" "$y"
  check_eq_within 5 "$suffix: Button1 under the mouse lit in the style" "$(style_colour button.hot.border)" \
    drive pixels "$hot" "$(scaled 30)" 0
  xdotool mousemove --sync 0 0
}

shoot_at() {
  DPI=$1
  local suffix=$DPI combo button
  set_dpi "$DPI"
  lumaric_start
  main=$(lumaric_main_window)
  status=$(drive child "$main" 115)
  wait_until 15 "the status clock" clock_shown
  check_layout_at "$suffix"
  check_colours_at "$suffix"
  check_states_at "$suffix"
  # The pictures are for looking at: a moment for the last paint.
  sleep 0.5
  screenshot "style-main-$suffix" "$main" >/dev/null

  # The open list, with the window behind it.
  combo=$(drive child "$main" 104)
  local combo_x combo_y
  read -r combo_x combo_y < <(drive point "$combo")
  click_at $((combo_x + $(scaled 48) / 2 - $(scaled 6))) "$combo_y"
  wait_until 10 "the open list" list_shown
  sleep 0.5
  local left top width height
  read -r left top width height < <(window_fact "$main" rect)
  import -window root -crop "${width}x${height}+${left}+${top}" +repage "$E2E_TEST_DIR/style-list-$suffix.png"
  xdotool key Escape

  # The second page, by a click on its tab.
  local tabs_x tabs_y
  read -r tabs_x tabs_y < <(drive point "$(drive child "$main" 100)")
  click_at $((tabs_x - $(scaled 347) / 2 + $(scaled 95))) $((tabs_y - $(scaled 192) / 2 + $(scaled 10)))
  wait_until 10 "the second page" second_page_shown
  sleep 0.5
  screenshot "style-about-$suffix" "$main" >/dev/null

  # The notification icon's popup menu.
  local icon_x icon_y menu
  wait_until 15 "the icon" tray_icon_shown
  read -r icon_x icon_y < <(tray_icon_centre)
  # The icon's tip comes up once the mouse rests there: it is let come and
  # taken away first, so that it does not come up over the menu.
  tray_rest_on_icon "$icon_x" "$icon_y"
  menu=$(tray_open_menu "$icon_x" "$icon_y") || fail "$suffix: no popup menu"
  tray_pop_tips
  check_eq_within 5 "$suffix: menu background in the style" "$(style_colour menu.background)" \
    drive pixels "$menu" "$(scaled 4)" "$(($(window_fact "$menu" client | cut -d' ' -f2) - $(scaled 4)))"
  screenshot "style-menu-$suffix" "$menu" >/dev/null
  xdotool key Escape
  drive wait-gone "$menu" --timeout 5000 || true

  # An error box: R.bat cannot be made where a folder stands.
  mkdir -p "$TEMPLATES_DIR/R.bat"
  drive click "$(drive child "$main" 107)"
  local box
  box=$(drive wait-window --class '#32770' --title Lumaric --visible --timeout 20000) || fail "$suffix: no error box"
  check_eq_within 5 "$suffix: error box background in the style" "$(style_colour msgbox.background)" \
    drive pixels "$box" 2 2
  # Its OK button is the style's, as the focused (or, without the keyboard
  # cues, default) button: drawn by the program, not by the system.
  ok_border() { drive pixels "$(drive child "$box" 1)" "$(scaled 20)" 0; }
  ok_border_styled() { [[ $(ok_border) =~ ^($(style_colour button.focused.border)|$(style_colour button.default.border))$ ]]; }
  check_within 5 "$suffix: error box's OK button drawn in the style" ok_border_styled
  echo "$suffix: the OK button's border is $(ok_border)"
  screenshot "style-error-$suffix" "$box" >/dev/null
  drive press "$box" 1
  drive wait-gone "$box" --timeout 10000 || e2e_record no "$suffix: OK closes the error box"
  rmdir "$TEMPLATES_DIR/R.bat"

  drive post "$main" WM_CLOSE
  lumaric_wait_exit 15
}

shoot_at 96
shoot_at 144
shoot_at 192
e2e_end
