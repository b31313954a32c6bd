#!/usr/bin/env bash
# The main window's controls: class, parent, text, rectangle in the client
# area (96 dpi), visibility, the styles that make each what it is, initial
# values, the status bar's panels, and the tab order, both as the z-order of
# siblings and as the focus moving under the Tab key.
source "$(dirname "$0")/lib.sh"
e2e_begin layout 150

lumaric_start
# Read as soon as the program answers: before its first clock tick, half a
# second after the window was built, since sent messages come before timers.
status=$(drive statusbar TForm1/115 --timeout 30000)
check_eq "status panels at start: index, right edge, text" $'0\t200\t\n1\t-1\t' "$status"

main=$(lumaric_main_window)
tree=$(drive tree "$main")
printf '%s\n' "$tree" >"$E2E_TEST_DIR/tree.tsv"

# Line heights follow the window font, and the prefix draws "宋体" with a
# substitute: labels are one line high, the drop-down list's edit 8 pixels
# more (12 and 20 with SimSun itself).
line=$(drive text-height "宋体" 12)
check_true "the window font has a line height" test "$line" -ge 12

# The pages fill the tab control's display area: 4 pixels in from its sides
# and bottom, below the tabs, whose height is the tab control's own.
page_row=$(tree_row "$tree" 101)
[[ -n $page_row ]] || fail "no TabSheet1 (id 101)"
IFS=$'\t' read -r _ _ _ _ _ _ _ _ _ page_left page_top page_width page_height _ <<<"$page_row"
check_eq "TabSheet1 left and width" "4 339" "$page_left $page_width"
check_eq "TabSheet1 bottom" 188 $((page_top + page_height))
check_true "TabSheet1 below the tabs" test "$page_top" -ge 20 -a "$page_top" -le 30
client_height=$(window_fact "$main" client | cut -d' ' -f2)

# id, name, class, parent id (0: the window), text, origin (w: the window's
# client area, p: the page's), left, top, width, height; a width of * is the
# text's own.
controls=(
  "100|PageControl1|SysTabControl32|0||w|0|0|347|192"
  "101|TabSheet1|TTabSheet|100|软件设置|p|0|0|339|$page_height"
  "102|GroupBox1|TGroupBox|101||p|0|0|339|$page_height"
  "103|Label6|TLabel|102|每过          分钟进行网络连接修复|p|16|16|204|$line"
  "104|ComboBox|ComboBox|102|5|p|48|13|48|$((line + 8))"
  "105|Button_Start|Button|102|开启|p|16|136|70|25"
  "106|Button_Stop|Button|102|停止|p|96|136|70|25"
  "107|ButtonLumaric|Button|102|现在修复|p|176|136|70|25"
  "108|Memo_Log|Edit|102||p|16|38|313|95"
  "109|TabSheet2|TTabSheet|100|关于我们|p|0|0|339|$page_height"
  "110|GroupBox2|TGroupBox|109||p|0|0|339|$page_height"
  "111|Label2|TLabel|110|*|p|112|74|*|$line"
  "112|EditVer|Edit|110|1.01.20180114|p|101|32|121|20"
  "113|Button2|Button|0|检测更新|w|174|198|75|25"
  "114|Button1|Button|0|最小化|w|258|198|75|25"
  "115|StatusBar1|msctls_statusbar32|0||w|0|$((client_height - 21))|347|21"
)

# Each control's row of the tree, by id; a control that is missing fails once.
declare -A row_of
for entry in "${controls[@]}"; do
  IFS='|' read -r id name class parent text origin left top width height <<<"$entry"
  if [[ $origin == p ]]; then
    left=$((left + page_left))
    top=$((top + page_top))
  fi
  row_of[$id]=$(tree_row "$tree" "$id")
  if [[ -z ${row_of[$id]} ]]; then
    e2e_record no "$name (id $id) exists" "no control with id $id"
    continue
  fi
  IFS=$'\t' read -r _ _ _ r_parent r_class _ _ _ _ r_left r_top r_width r_height r_text <<<"${row_of[$id]}"
  check_eq "$name class" "$class" "$r_class"
  check_eq "$name parent id" "$parent" "$r_parent"
  if [[ $text == '*' ]]; then
    check_match "$name text is a web host name" '[A-Za-z0-9-]+(\.[A-Za-z0-9-]+)+' "$r_text"
  else
    check_eq "$name text" "$text" "$r_text"
  fi
  check_eq "$name left top" "$left $top" "$r_left $r_top"
  if [[ $width == '*' ]]; then
    check_true "$name has the width of a text" test "$r_width" -gt 0 -a "$r_width" -le $((339 - 112))
    check_eq "$name height" "$height" "$r_height"
  else
    check_eq "$name size" "$width $height" "$r_width $r_height"
  fi
done

# The ids of those among IDS that exist.
present() {
  local id
  for id in "$@"; do [[ -n ${row_of[$id]} ]] && printf '%s ' "$id"; done
}
field() { row_field "${row_of[$1]}" "$2"; }
style() { field "$1" 8; }
WS_VISIBLE=0x10000000
WS_TABSTOP=0x00010000

for id in $(present 100 101 102 103 104 105 106 107 108 113 114 115); do
  check_eq "control $id visible on the first page" 1 "$(field "$id" 6)"
done
for id in $(present 109 110 111 112); do
  check_eq "control $id on the hidden second page not visible" 0 "$(field "$id" 6)"
done
if [[ -n $(present 112) ]]; then
  check_bits "EditVer never visible (no WS_VISIBLE)" "$(style 112)" $WS_VISIBLE 0
  check_bits "EditVer is single-line" "$(style 112)" 0x4 0
fi
for id in $(present $(seq 100 115)); do
  check_eq "control $id enabled" 1 "$(field "$id" 7)"
done

for id in $(present 100 104 105 106 107 108 113 114); do
  check_bits "control $id takes the focus by Tab (WS_TABSTOP)" "$(style "$id")" $WS_TABSTOP $WS_TABSTOP
done
# In the style the buttons are the program's to draw (BS_OWNERDRAW), and the
# log's scroll bar is the style's own, beside the text in the log's frame.
for id in $(present 105 106 107 113 114); do
  check_match "control $id is a push button drawn in the style" '0xB' "$(printf '0x%X' $(($(style "$id") & 0xF)))"
done
[[ -n $(present 104) ]] &&
  check_bits "ComboBox is an editable drop-down list (CBS_DROPDOWN)" "$(style 104)" 0x3 0x2
if [[ -n $(present 108) ]]; then
  check_bits "Memo_Log: multi-line, no horizontal scroll bar, wraps, writable" "$(style 108)" \
    '0x4 | 0x00100000 | 0x80 | 0x800' '0x4'
  memo=$(drive child "$main" 108)
  read -r _ _ memo_width memo_height < <(window_fact "$memo" rect)
  check_eq "Memo_Log has a vertical scroll bar at its right edge (HTVSCROLL)" 7 \
    "$(drive hit-test "$memo" $((memo_width - 8)) $((memo_height / 2)))"
  check_eq "Memo_Log's text area is no scroll bar (HTCLIENT)" 1 \
    "$(drive hit-test "$memo" $((memo_width / 2)) $((memo_height / 2)))"
fi
[[ -n $(present 115) ]] && check_bits "StatusBar1 has no size grip" "$(style 115)" 0x100 0

[[ $(present 104 100) == "104 100 " ]] || fail "cannot check the combobox, the tabs and the focus without ComboBox and PageControl1"
expected_combo=$'count=13\nselected=4\ntext=5'
n=0
for item in 1 2 3 4 5 6 7 8 9 10 15 20 30; do
  expected_combo+=$'\n'"item=$n"$'\t'"$item"
  n=$((n + 1))
done
check_eq "ComboBox items, selection and text" "$expected_combo" "$(drive combo "$(field 104 2)")"
check_eq "PageControl1 tabs: index, selected, text" $'0\t1\t软件设置\n1\t0\t关于我们' "$(drive tabs "$(field 100 2)")"

# Siblings in z-order are the Tab order.
order_of() {
  local parent=$1
  shift
  local wanted=" $* " id
  awk -F'\t' -v p="$parent" '$4 == p { print $3 }' <<<"$tree" | while read -r id; do
    [[ $wanted == *" $id "* ]] && printf '%s ' "$id"
  done
}
check_eq "tab order inside GroupBox1" "104 105 107 108 106 " "$(order_of 102 104 105 106 107 108)"
check_eq "tab order of the window's own controls" "100 114 113 " "$(order_of 0 100 113 114)"

# The focus under the Tab key, starting from a real click into ComboBox.
focus_id() {
  local focused
  focused=$(drive focus "$main" | sed -n 's/^focus=//p')
  local row
  row=$(awk -F'\t' -v h="$focused" '$2 == h' <<<"$tree")
  # The edit field inside the combobox stands for the combobox.
  if [[ $(row_field "$row" 5) == Edit && $(row_field "$row" 4) == 104 ]]; then echo 104; else row_field "$row" 3; fi
}
click_window "$(field 104 2)"
focus_in_combo() { [[ $(focus_id) == 104 ]]; }
wait_until 5 "the focus in ComboBox" focus_in_combo
# Each Tab is read once the focus has left the control it was on.
focus_left() {
  local now
  now=$(focus_id)
  [[ -n $now && $now != "$1" ]]
}
visited=""
current=104
for _ in 1 2 3 4 5 6 7 8; do
  xdotool key --clearmodifiers Tab
  wait_until 5 "the focus to move on from $current under Tab" focus_left "$current"
  current=$(focus_id)
  visited+="$current "
done
check_eq "focus under Tab from ComboBox" "105 107 108 106 114 113 100 104 " "$visited"

e2e_end
