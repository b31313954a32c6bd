#!/usr/bin/env bash
# The style's scroll bars, of the log and of the drop-down list's open list,
# stay the style's while the mouse drags their thumbs, and scroll what they
# belong to; the arrows, the track and the wheel scroll too, and the open
# list shows eight of its thirteen items. Once with the common controls 6
# (the English manifest) and once with the Chinese manifest alone, which
# has no common-controls dependency: the system's older controls.
source "$(dirname "$0")/lib.sh"
e2e_begin scroll_bars 240

: "${LUMARIC_ZH_EXE:=$(dirname "$LUMARIC_EXE")/Lumaric_zh.exe}"
[[ -f $LUMARIC_ZH_EXE ]] || fail "$LUMARIC_ZH_EXE is missing: build the target Lumaric_zh"
STYLE_SOURCE=$E2E_ROOT/res/SmokeyQuartzKamri.style.txt
EM_GETFIRSTVISIBLELINE=0x00CE
LB_GETTOPINDEX=0x018E
LB_GETITEMHEIGHT=0x01A1
BAR_WIDTH=$(sed -n 's/^scrollbar.width = \([0-9]*\)/\1/p' "$STYLE_SOURCE")

# A gradient of the style source as "R G B R G B" (its two colours).
style_gradient() {
  sed -n "s/^$1 = #\([0-9A-Fa-f]\{6\}\) #\([0-9A-Fa-f]\{6\}\).*/\1 \2/p" "$STYLE_SOURCE" |
    while read -r a b; do printf '%d %d %d %d %d %d\n' "0x${a:0:2}" "0x${a:2:2}" "0x${a:4:2}" "0x${b:0:2}" "0x${b:2:2}" "0x${b:4:2}"; done
}
style_colour() { sed -n "s/^$1 = #\([0-9A-Fa-f]\{6\}\).*/\1/p" "$STYLE_SOURCE" | tr a-f A-F; }

# RRGGBB of the screen at X Y.
screen_pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- | sed -n '2s/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | tr a-f A-F
}

# Whether RRGGBB lies channel by channel between the gradient's two colours.
in_gradient() {
  local pixel=$1 r g b r1 g1 b1 r2 g2 b2
  r=$((16#${pixel:0:2})) g=$((16#${pixel:2:2})) b=$((16#${pixel:4:2}))
  read -r r1 g1 b1 r2 g2 b2 < <(style_gradient "$2")
  within() { (($1 >= ($2 < $3 ? $2 : $3) && $1 <= ($2 > $3 ? $2 : $3))); }
  within "$r" "$r1" "$r2" && within "$g" "$g1" "$g2" && within "$b" "$b1" "$b2"
}

# The thumb's top and bottom rows on the screen, found down the column X
# between Y1 and Y2 as the rows that are not the track's colour.
thumb_rows() {
  local x=$1 y1=$2 y2=$3 track first="" last=""
  track=$(style_colour scrollbar.track)
  import -window root -crop "1x$((y2 - y1))+$x+$y1" -depth 8 txt:- |
    awk -v y1="$y1" -v track="$track" 'NR > 1 {
      split($1, at, /[,:]/); colour = toupper(substr($3, 2, 6))
      if (colour != track) { if (first == "") first = at[2] + y1; last = at[2] + y1 }
    } END { print first, last }'
}

# The bar of WINDOW, inside a frame of FRAME pixels: X of its middle, and
# the top and bottom of its track (between the arrow buttons).
bar_geometry() {
  local window=$1 frame=$2 left top width height
  read -r left top width height < <(window_fact "$window" rect)
  local x=$((left + width - frame - BAR_WIDTH / 2 - 1))
  echo "$x $((top + frame + BAR_WIDTH)) $((top + height - frame - BAR_WIDTH))"
}

# Whether the middle of the thumb of the bar (X, TRACK_TOP, TRACK_BOTTOM)
# is drawn in the style's gradient GRADIENT.
thumb_in() {
  local x=$1 track_top=$2 track_bottom=$3 gradient=$4 top bottom
  read -r top bottom < <(thumb_rows "$x" "$track_top" "$track_bottom")
  [[ -n $top ]] && in_gradient "$(screen_pixel "$x" $(((top + bottom) / 2)))" "$gradient"
}

# Drags the thumb of the bar (X, TRACK_TOP, TRACK_BOTTOM) down by DY with the
# button held, then checks the picture and, with POSITION_COMMAND, the
# scrolling while it is held; the button is let go afterwards.
drag_thumb() {
  local what=$1 x=$2 track_top=$3 track_bottom=$4 dy=$5 position_command=$6 top bottom moved_top
  # Painted once some of the track shows beside the thumb.
  thumb_drawn() {
    read -r top bottom < <(thumb_rows "$x" "$track_top" "$track_bottom")
    [[ -n $top ]] && ((bottom - top < track_bottom - track_top - 1))
  }
  wait_until 5 "$what: a thumb in the scroll bar" thumb_drawn
  local grab=$(((top + bottom) / 2))
  xdotool mousemove --sync "$x" "$grab" mousedown 1
  local step
  # Several moves a little apart, as a hand drags.
  for step in 1 2 3 4 5; do
    xdotool mousemove --sync "$x" $((grab + dy * step / 5))
    sleep 0.1
  done
  thumb_moved() {
    read -r moved_top _ < <(thumb_rows "$x" "$track_top" "$track_bottom")
    [[ -n $moved_top ]] && ((moved_top > top))
  }
  check_within 5 "$what: the thumb follows the drag down from row $top" thumb_moved
  check_within 5 "$what: the thumb held by the mouse is the style's pressed thumb" \
    thumb_in "$x" "$track_top" "$track_bottom" scrollbar.thumb.pressed.background
  screenshot "drag-$what" >/dev/null
  eval "$position_command"
  xdotool mouseup 1
  not_pressed() { ! thumb_in "$x" "$track_top" "$track_bottom" scrollbar.thumb.pressed.background; }
  wait_until 5 "$what: the thumb let go" not_pressed
}

run_with() {
  local exe=$1 name=$2
  LUMARIC_EXE=$exe lumaric_start
  main=$(lumaric_main_window)
  local memo
  memo=$(drive child "$main" 108)
  local lines="" i
  for i in $(seq 1 60); do lines+="line $i"$'\r\n'; done
  drive set-text "$memo" "$lines"
  # The caret to the start, and the log with it (EM_SETSEL, EM_SCROLLCARET).
  drive send "$memo" 0x00B1 0 0 >/dev/null
  drive send "$memo" 0x00B7 >/dev/null
  check_eq "$name: the log starts at its first line" 0 "$(drive send "$memo" $EM_GETFIRSTVISIBLELINE)"

  local x track_top track_bottom
  read -r x track_top track_bottom < <(bar_geometry "$memo" 2)
  # The bar is painted a moment after the text is set.
  check_eq_within 5 "$name: the log's track is the style's" "$(style_colour scrollbar.track)" \
    screen_pixel "$x" $(((track_top + track_bottom) / 2 + 10))
  log_scrolled() { (($(drive send "$memo" $EM_GETFIRSTVISIBLELINE) > 0)); }
  drag_thumb "$name-log" "$x" "$track_top" "$track_bottom" 30 \
    'check_within 5 "$name: the log scrolls while the thumb is dragged" log_scrolled'
  local after_drag
  after_drag=$(drive send "$memo" $EM_GETFIRSTVISIBLELINE)
  check_true "$name: the log stays where the drag left it ($after_drag)" test "$after_drag" -gt 0

  # The down arrow, one line; the wheel, three lines towards the top.
  xdotool mousemove --sync "$x" $((track_bottom + BAR_WIDTH / 2)) click 1
  check_eq_within 5 "$name: the down arrow scrolls one line" $((after_drag + 1)) \
    drive send "$memo" $EM_GETFIRSTVISIBLELINE
  read -r cx cy < <(drive point "$memo")
  xdotool mousemove --sync "$cx" "$cy" click 4
  check_eq_within 5 "$name: the wheel scrolls three lines" $((after_drag + 1 - 3)) \
    drive send "$memo" $EM_GETFIRSTVISIBLELINE

  # The down arrow held scrolls on; once the press is taken away (WM_CANCELMODE,
  # which the system sends as another window takes the mouse, releases the
  # capture) the log stands still, the button still down.
  local held_from=$((after_drag + 1 - 3)) stopped_at
  scrolled_on() { (($(drive send "$memo" $EM_GETFIRSTVISIBLELINE) >= held_from + 2)); }
  xdotool mousemove --sync "$x" $((track_bottom + BAR_WIDTH / 2)) mousedown 1
  check_within 5 "$name: the down arrow held scrolls on" scrolled_on
  drive send "$memo" 0x001F >/dev/null
  stopped_at=$(drive send "$memo" $EM_GETFIRSTVISIBLELINE)
  sleep 1
  check_eq "$name: the press taken away, the log stands still at line $stopped_at" "$stopped_at" \
    "$(drive send "$memo" $EM_GETFIRSTVISIBLELINE)"
  xdotool mouseup 1

  # The open list: eight items, and its own bar.
  local combo list cx cy
  combo=$(drive child "$main" 104)
  read -r cx cy < <(drive point "$combo")
  read -r _ _ combo_width _ < <(window_fact "$combo" rect)
  click_at $((cx + combo_width / 2 - 6)) "$cy"
  list=$(drive wait-window --class ComboLBox --visible --timeout 10000) || fail "$name: the list did not open"
  local item_height client_height
  item_height=$(drive send "$list" $LB_GETITEMHEIGHT)
  read -r _ client_height < <(window_fact "$list" client)
  check_eq "$name: the open list shows eight items" 8 $((client_height / item_height))
  read -r x track_top track_bottom < <(bar_geometry "$list" 1)
  drag_thumb "$name-list" "$x" "$track_top" "$track_bottom" 60 \
    'check_eq_within 5 "$name: the list scrolls to its end while the thumb is dragged" 5 drive send "$list" $LB_GETTOPINDEX'
  check_eq "$name: the list stays open after the drag" 1 "$(drive count-windows --class ComboLBox --visible)"
  xdotool key Escape
  list_closed() { [[ $(drive count-windows --class ComboLBox --visible) == 0 ]]; }
  wait_until 5 "$name: Escape to close the list" list_closed

  drive post "$main" WM_CLOSE
  lumaric_wait_exit 15
}

run_with "$LUMARIC_EXE" common-controls-6
run_with "$LUMARIC_ZH_EXE" common-controls-5
e2e_end
