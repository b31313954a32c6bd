#!/usr/bin/env bash
# The frame drawn in the style answers WM_NCHITTEST for what it draws, at 96
# and at 144 dpi: HTCLOSE on every point of the close box and nowhere else,
# which the style places at the right of the title bar (closebox.width and
# .height, title.padding) and which the screen shows in the close box's
# colours exactly there; HTSYSMENU on the small icon, HTCAPTION on the rest
# of the title bar, HTCLIENT on the client area, HTBORDER on the border. A
# real click on the close box's left edge ends the program with exit code 0;
# a click just left of it, a press on the box released outside it, or one
# whose capture was taken away before its release, does not.
source "$(dirname "$0")/lib.sh"
e2e_begin frame_hit_test 170

STYLE_SOURCE=$E2E_ROOT/res/SmokeyQuartzKamri.style.txt
style_metric() { sed -n "s/^$1 = \([0-9][0-9]*\)$/\1/p" "$STYLE_SOURCE"; }
# A colour of the style source as RRGGBB; with a gradient, its Nth colour.
style_colour() {
  sed -n "s/^$1 = \(.*\)/\1/p" "$STYLE_SOURCE" | tr ' ' '\n' | sed -n "${2:-1}s/^#\([0-9A-Fa-f]\{6\}\)$/\1/p" |
    tr a-f A-F
}
# A metric of the style at DPI, rounded as MulDiv rounds.
style_at() { echo $((($(style_metric "$1") * DPI + 48) / 96)); }

HT_CLIENT=1 HT_CAPTION=2 HT_SYSMENU=3 HT_BORDER=18 HT_CLOSE=20

# The hit map's row for ANSWER: "count<TAB>left top width height".
answer() { awk -F'\t' -v a="$1" '$1 == a { print $2 "\t" $3 }' <<<"$map"; }

# The distinct colours, sorted, of the rectangle LEFT TOP WIDTH HEIGHT of
# the window's picture.
colours_in() {
  convert "$picture" -crop "${3}x${4}+$1+$2" +repage txt:- |
    sed -n 's/.* #\([0-9A-Fa-f]\{6\}\).*/\1/p' | tr a-f A-F | sort -u | xargs
}

# Each channel of every colour of the rectangle between those of the two
# gradient colours FROM and TO.
between() {
  local from=$1 to=$2 colour channel low high value
  shift 2
  for colour in $(colours_in "$@"); do
    for channel in 0 2 4; do
      low=$((16#${from:channel:2})) high=$((16#${to:channel:2})) value=$((16#${colour:channel:2}))
      ((low <= high)) || { local swap=$low; low=$high high=$swap; }
      ((value >= low && value <= high)) || return 1
    done
  done
}

# The close box's border in STATE on all four sides, its corners' curves
# left out, and none of it on the pixels just outside.
check_box_edges() {
  local what=$1 state=$2 border inner_width inner_height
  border=$(style_colour "closebox.$state.border")
  inner_width=$((box_width - 2 * radius)) inner_height=$((box_height - 2 * radius))
  check_eq "$what: left edge in closebox.$state.border" "$border" \
    "$(colours_in "$box_left" $((box_top + radius)) 1 "$inner_height")"
  check_eq "$what: right edge in closebox.$state.border" "$border" \
    "$(colours_in $((box_left + box_width - 1)) $((box_top + radius)) 1 "$inner_height")"
  check_eq "$what: top edge in closebox.$state.border" "$border" \
    "$(colours_in $((box_left + radius)) "$box_top" "$inner_width" 1)"
  check_eq "$what: bottom edge in closebox.$state.border" "$border" \
    "$(colours_in $((box_left + radius)) $((box_top + box_height - 1)) "$inner_width" 1)"
  local outside
  outside="$(colours_in $((box_left - 1)) $((box_top + radius)) 1 "$inner_height") \
$(colours_in $((box_left + box_width)) $((box_top + radius)) 1 "$inner_height") \
$(colours_in $((box_left + radius)) $((box_top - 1)) "$inner_width" 1) \
$(colours_in $((box_left + radius)) $((box_top + box_height)) "$inner_width" 1)"
  check_true "$what: the pixels just outside the box are not its border ($outside)" \
    test "${outside/$border/}" == "$outside"
}

shoot() {
  picture=$(screenshot "$1" "$main")
}

# Shoots the picture NAME and tells whether its close box's left edge is
# in the border colour of STATE: the box has been drawn in that state.
box_shows() {
  shoot "$1"
  [[ $(colours_in "$box_left" $((box_top + radius)) 1 $((box_height - 2 * radius))) == \
    "$(style_colour "closebox.$2.border")" ]]
}

check_frame_at() {
  DPI=$1
  local suffix=$DPI width height client_width client_height border client_top padding middle icon
  set_dpi "$DPI"
  lumaric_start
  main=$(lumaric_main_window)
  xdotool mousemove --sync 5 5
  read -r window_left window_top width height < <(window_fact "$main" rect)
  read -r client_width client_height < <(window_fact "$main" client)
  border=$(((width - client_width) / 2))
  client_top=$((height - client_height - border))
  padding=$(style_at title.padding)
  box_width=$(style_at closebox.width) box_height=$(style_at closebox.height)
  radius=$(style_at title.button-radius)
  icon=$(style_at sysmenu.icon-size)
  middle=$(((border + client_top) / 2))
  box_left=$((width - border - padding - box_width)) box_top=$((middle - box_height / 2))
  local title_width=$((width - 2 * border)) title_height=$((client_top - border))

  map=$(drive hit-map "$main")
  printf '%s\n' "$map" >"$E2E_TEST_DIR/hit-map-$suffix.tsv"
  check_eq "$suffix: HTCLOSE on every point of the close box and nowhere else" \
    "$((box_width * box_height))"$'\t'"$box_left $box_top $box_width $box_height" "$(answer $HT_CLOSE)"
  check_eq "$suffix: HTSYSMENU on the small icon" \
    "$((icon * icon))"$'\t'"$((border + padding)) $((middle - icon / 2)) $icon $icon" "$(answer $HT_SYSMENU)"
  check_eq "$suffix: HTCAPTION on the rest of the title bar" \
    "$((title_width * title_height - box_width * box_height - icon * icon))"$'\t'"$border $border $title_width $title_height" \
    "$(answer $HT_CAPTION)"
  check_eq "$suffix: HTCLIENT on the client area's edge" \
    "$((2 * (client_width + client_height) - 4))"$'\t'"$border $client_top $client_width $client_height" \
    "$(answer $HT_CLIENT)"
  check_eq "$suffix: HTBORDER on the border" \
    "$((width * height - client_width * client_height - title_width * title_height))"$'\t'"0 0 $width $height" \
    "$(answer $HT_BORDER)"
  check_eq "$suffix: no other answer" "$HT_CLIENT $HT_CAPTION $HT_SYSMENU $HT_BORDER $HT_CLOSE" \
    "$(cut -f1 <<<"$map" | sort -n | xargs)"

  wait_until 5 "$suffix: the close box drawn" box_shows "frame-$suffix" normal
  check_box_edges "$suffix" normal
  check_true "$suffix: the close box's inside in closebox.normal.background" \
    between "$(style_colour closebox.normal.background 1)" "$(style_colour closebox.normal.background 2)" \
    $((box_left + radius + 1)) $((box_top + 1)) 1 $((box_height - 2))
  check_eq "$suffix: the cross in closebox.normal.glyph at the box's centre" "$(style_colour closebox.normal.glyph)" \
    "$(colours_in $((box_left + box_width / 2)) $((box_top + box_height / 2)) 1 1)"

  # A click just left of the box is one on the title bar.
  xdotool mousemove --sync $((window_left + box_left - 1)) $((window_top + middle)) click 1
  # Time for a close that must not come.
  sleep 1
  check_eq "$suffix: a click just left of the close box leaves the window" 1 "$(window_fact "$main" visible)"

  # Pressed on the box, the button moves out of it and comes up there.
  xdotool mousemove --sync $((window_left + box_left + box_width / 2)) $((window_top + middle)) mousedown 1
  wait_until 5 "$suffix: the close box drawn pressed" box_shows "frame-pressed-$suffix" pressed
  check_box_edges "$suffix: held down" pressed
  xdotool mousemove --sync $((window_left + width / 2)) $((window_top + middle))
  wait_until 5 "$suffix: the close box drawn up again" box_shows "frame-pressed-outside-$suffix" normal
  check_box_edges "$suffix: held down outside the box" normal
  xdotool mouseup 1
  # Time for a close that must not come.
  sleep 1
  check_true "$suffix: released outside the box, the program still runs" kill -0 "$LUMARIC_PID"
  check_eq "$suffix: released outside the box, the window stays" 1 "$(window_fact "$main" visible)"

  # Pressed on the box, the press is taken away (WM_CANCELMODE, which the
  # system sends as another window takes the mouse, releases the capture):
  # the box comes up, lit under the mouse, and the release over it closes
  # nothing.
  xdotool mousemove --sync $((window_left + box_left + box_width / 2)) $((window_top + middle)) mousedown 1
  wait_until 5 "$suffix: the close box drawn pressed again" box_shows "frame-pressed-again-$suffix" pressed
  drive send "$main" 0x001F >/dev/null
  check_within 5 "$suffix: the press taken away, the close box drawn up and lit" \
    box_shows "frame-capture-lost-$suffix" hot
  xdotool mouseup 1
  # Time for a close that must not come.
  sleep 1
  check_true "$suffix: released over the box after the press was taken away, the program still runs" \
    kill -0 "$LUMARIC_PID"

  # The close box's leftmost pixels.
  xdotool mousemove --sync $((window_left + box_left)) $((window_top + middle)) click 1
  lumaric_wait_exit 15
  check_eq "$suffix: a click on the close box's left edge ends the program with exit code 0" 0 "$LUMARIC_EXIT"
}

check_frame_at 96
check_frame_at 144
e2e_end
