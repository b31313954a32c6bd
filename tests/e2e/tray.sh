# Wine's notification area and taskbar as a user meets them: the icon found
# by its tip, its picture, real mouse input on it, its popup menu, balloons,
# taskbar buttons. Sourced after lib.sh.

TRAY_TIP=Lumaric
TRAY_ICON_FILE=$E2E_ROOT/res/Lumaric.ico
# The entries of the icon's menu, "-" for a separator.
TRAY_MENU_ENTRIES=(检测更新 - 显示窗口 隐藏窗口 - 退出程序)

# Wine's explorer traces the balloon titles it is given; nothing else tells
# them, as its tooltips cannot be asked for their title. A test begins with
#   export WINEDEBUG=-all,+tooltips
#   e2e_begin NAME DEADLINE 2> >(tray_trace_apart NAME)
#   tray_keep_trace NAME
# so that only the desktop started by e2e_begin runs with the trace. The
# desktop may be started by the first Wine program that needs it instead of
# by `wine explorer`, and then writes to that program's standard error: the
# trace is kept apart.
tray_trace_apart() {
  tee "$LUMARIC_E2E_WORK/$1-desktop-trace.log" | { grep -v ':trace:' >&2 || true; }
}

tray_keep_trace() {
  export WINEDEBUG=-all
  mv "$LUMARIC_E2E_WORK/$1-desktop-trace.log" "$E2E_TEST_DIR/desktop-trace.log"
}

# How many balloons the shell has shown with the title TITLE, as debugstr_w
# writes it (提示 as \63d0\793a): each one shown sets its title anew.
tray_balloons_titled() {
  cat "$E2E_TEST_DIR"/explorer*.log "$E2E_TEST_DIR/desktop-trace.log" | grep -cF "title = L\"$1\"" || true
}

# Starts Lumaric.exe as a shortcut set to "run minimised" does; as with
# lumaric_start, LUMARIC_PID's exit code is the program's.
lumaric_start_minimised() {
  lumaric_start_by_driver run-minimised
}

# COUNT icons of another program in the notification area for the rest of
# the test; icons added later go to their left, away from the screen's corner.
tray_hold_placeholders() {
  local count=$1 out=$E2E_TEST_DIR/placeholders.out
  drive hold-tray-icons "$count" 600000 >"$out" 2>&1 &
  wait_until 15 "$count placeholder icons" grep -q held "$out"
}

# "left top width height" on the screen of the icon whose tip is TIP; fails
# when the notification area shows no such icon. An icon taken out leaves a
# tool of no size behind in Wine's explorer.
tray_icon_rect() {
  drive tooltips | awk -F'\t' -v tip="${1:-$TRAY_TIP}" \
    '$3 == 0 && $6 > 0 && $8 == tip { print $4, $5, $6, $7; found = 1; exit } END { exit !found }'
}

tray_icon_shown() { tray_icon_rect "$@" >/dev/null; }

# The centre of the icon whose tip is TIP, "x y".
tray_icon_centre() {
  local left top width height
  read -r left top width height < <(tray_icon_rect "$@") || return 1
  echo "$((left + width / 2)) $((top + height / 2))"
}

# Root-mean-square difference, 0 to 1, between the rectangle LEFT TOP WIDTH
# HEIGHT of the screenshot PICTURE and the program's icon of SIZE pixels
# (32 unless given) drawn there at small-icon size on that rectangle's
# background, as the notification area draws it.
tray_icon_difference() {
  local picture=$1 left=$2 top=$3 width=$4 height=$5 size=${6:-32}
  local crop=$E2E_TEST_DIR/icon-crop.png reference=$E2E_TEST_DIR/icon-reference.png frame background
  frame=$(identify -format '%p %w\n' "$TRAY_ICON_FILE" | awk -v size="$size" '$2 == size { print $1; exit }')
  [[ -n $frame ]] || fail "$TRAY_ICON_FILE has no $size-pixel image"
  convert "$picture" -crop "${width}x${height}+${left}+${top}" +repage "$crop"
  background=$(convert "$crop" -format '%[pixel:p{0,0}]' info:)
  convert "$TRAY_ICON_FILE[$frame]" -resize 16x16 -background "$background" -flatten \
    -gravity center -extent "${width}x${height}" "$reference"
  # compare's status tells whether the pictures differ; the figure is what counts.
  { compare -metric RMSE "$crop" "$reference" null: 2>&1 || true; } | sed -n 's/.*(\(.*\))/\1/p'
}

# The icon picture counts as the program's below this difference; an empty
# place or another program's icon lies far above it.
TRAY_ICON_LIMIT=0.2

tray_icon_matches() {
  local difference
  difference=$(tray_icon_difference "$@")
  awk -v d="$difference" -v limit="$TRAY_ICON_LIMIT" 'BEGIN { exit !(d != "" && d < limit) }'
}

# Two clicks of mouse BUTTON (1 left, 2 middle, 3 right) at X Y, 80 ms apart
# as a person double-clicks.
tray_double_click() {
  local button=$1 x=$2 y=$3
  xdotool mousemove --sync "$x" "$y" click --repeat 2 --delay 80 "$button"
}

# The visible popup menu window, waited for up to 5 s.
tray_visible_menu() {
  drive wait-window --class '#32768' --visible --timeout 5000
}

tray_no_menu() { [[ $(drive count-windows --class '#32768' --visible) == 0 ]]; }

# A right click at X Y; prints the popup menu window it opens.
tray_open_menu() {
  xdotool mousemove --sync "$1" "$2" click 3
  tray_visible_menu
}

# The program draws its menu in its style: each entry as high as the style
# source says, the rows stacked inside an equal border above and below.
TRAY_STYLE_SOURCE=$E2E_ROOT/res/SmokeyQuartzKamri.style.txt
tray_style_length() {
  sed -n "s/^$1 = \([0-9][0-9]*\)$/\1/p" "$TRAY_STYLE_SOURCE"
}

# The height of entry ENTRY of TRAY_MENU_ENTRIES in the style.
tray_entry_height() {
  [[ $1 == - ]] && tray_style_length menu.separator-height || tray_style_length menu.item-height
}

# The height of the rows of all TRAY_MENU_ENTRIES.
tray_rows_height() {
  local entry rows=0
  for entry in "${TRAY_MENU_ENTRIES[@]}"; do rows=$((rows + $(tray_entry_height "$entry"))); done
  echo "$rows"
}

# Sets TRAY_ENTRY_RECTS, the screen rectangle "left top width height" of
# each entry of the open menu MENU inside its border.
tray_entry_rects() {
  local left top width height entry border row
  read -r left top width height < <(window_fact "$1" rect)
  border=$(((height - $(tray_rows_height)) / 2))
  row=$((top + border))
  TRAY_ENTRY_RECTS=()
  for entry in "${TRAY_MENU_ENTRIES[@]}"; do
    TRAY_ENTRY_RECTS+=("$((left + border)) $row $((width - 2 * border)) $(tray_entry_height "$entry")")
    row=$((row + $(tray_entry_height "$entry")))
  done
}

# The number of pixels of the screenshot PICTURE inside the rectangle
# "left top width height" that differ from the style's menu background.
tray_drawn_pixels() {
  local picture=$1 left top width height background
  read -r left top width height <<<"$2"
  background=$(sed -n 's/^menu.background = \(#[0-9A-Fa-f]\{6\}\).*/\1/p' "$TRAY_STYLE_SOURCE")
  convert "$picture" -crop "${width}x${height}+${left}+${top}" +repage -fill black -opaque "$background" \
    -fill white +opaque black -format '%[fx:int(mean*w*h+0.5)]' info:
}

# The icons' tips shown now, one tooltip window a line.
tray_shown_tips() {
  drive tooltips | awk -F'\t' '$2 == 1 && $3 == 0 { print $1 }' | sort -u
}

tray_no_tips() { [[ -z $(tray_shown_tips) ]]; }

# Takes every icon's tip off the screen (TTM_POP), as a tip that pops up
# over a menu would spoil its picture.
tray_pop_tips() {
  local tooltip
  for tooltip in $(tray_shown_tips); do drive post "$tooltip" 0x41C; done
  wait_until 5 "no icon's tip on the screen" tray_no_tips
}

# The tip of the icon whose tip is TIP is on the screen.
tray_tip_shown() {
  drive tooltips | awk -F'\t' -v tip="${1:-$TRAY_TIP}" '$2 == 1 && $3 == 0 && $8 == tip' | grep -q .
}

# Rests the mouse on the icon at X Y until its tip has come up, then takes
# the tip away, so that it does not come up over a menu opened there.
tray_rest_on_icon() {
  xdotool mousemove --sync "$1" "$2"
  wait_until 10 "the icon's tip on the screen" tray_tip_shown
  tray_pop_tips
}

# Clicks entry INDEX of TRAY_MENU_ENTRIES in the open menu MENU, pointing at
# it first as a person does, and waits for the menu to close.
tray_choose() {
  local menu=$1 index=$2 left top width height
  tray_entry_rects "$menu"
  read -r left top width height <<<"${TRAY_ENTRY_RECTS[$index]}"
  xdotool mousemove --sync $((left + width / 2)) $((top + height / 2))
  sleep 0.2
  xdotool click 1
  drive wait-gone "$menu" --timeout 5000
}

# Opens the icon's menu with a right click and chooses entry INDEX.
tray_menu_command() {
  local index=$1 x y menu
  read -r x y < <(tray_icon_centre) || fail "no icon with tip $TRAY_TIP to click"
  menu=$(tray_open_menu "$x" "$y") || fail "a right click on the icon opened no menu"
  tray_choose "$menu" "$index"
}

# "hwnd<TAB>text" of the balloon on the screen.
tray_balloon() {
  drive tooltips | awk -F'\t' '$2 == 1 && $3 == 1 { print $1 "\t" $8; found = 1; exit } END { exit !found }'
}
