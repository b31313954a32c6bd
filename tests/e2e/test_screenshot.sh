#!/usr/bin/env bash
# The main window as a user sees it on the screen: every visible control
# has painted its place, which shows more than one colour, as no control
# is a flat hole in the window. The pictures are kept under build/ for
# looking at.
source "$(dirname "$0")/lib.sh"
e2e_begin screenshot 120

lumaric_start
main=$(lumaric_main_window)
status=$(drive child "$main" 115)
clock_shown() { [[ -n $(status_clock "$status") ]]; }
wait_until 10 "the status clock" clock_shown
tree=$(drive tree "$main")
printf '%s\n' "$tree" >"$E2E_TEST_DIR/tree.tsv"
# The tree's rectangles are relative to the client area, whose top left
# corner PageControl1 fills.
read -r origin_x origin_y _ < <(window_fact "$(drive child "$main" 100)" rect)

# The number of colours in the rectangle LEFT TOP WIDTH HEIGHT of the client
# area on the screen now.
colours_at() {
  local left=$1 top=$2 width=$3 height=$4
  import -window root -crop "${width}x${height}+$((origin_x + left))+$((origin_y + top))" +repage \
    "$E2E_TEST_DIR/control.png"
  identify -format '%k' "$E2E_TEST_DIR/control.png"
}
painted() { (($(colours_at "$@") > 1)); }

controls=0
while IFS=$'\t' read -r _ _ id _ class visible _ _ _ left top width height _; do
  [[ $visible == 1 ]] && ((width > 0 && height > 0)) || continue
  controls=$((controls + 1))
  check_within 5 "control $id ($class) has painted its place on the screen" painted "$left" "$top" "$width" "$height"
done <<<"$tree"
check_true "the window shows at least the 13 controls of its first page ($controls)" test "$controls" -ge 13
echo "screenshot of the main window: $(screenshot main-window "$main")"
echo "screenshot of the desktop: $(screenshot desktop)"

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"
e2e_end
