# An Xvfb display of our own with Wine's virtual desktop on it, screenshots,
# and real mouse clicks through xdotool.

: "${E2E_SCREEN:=1024x768}"

display_start() {
  local number_file=$E2E_TEST_DIR/display
  : >"$number_file"
  # -displayfd picks a free display number and reports it once ready.
  Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN}x24" -nolisten tcp 3>"$number_file" >"$E2E_TEST_DIR/xvfb.log" 2>&1 &
  XVFB_PID=$!
  echo "$XVFB_PID" >"$E2E_TEST_DIR/xvfb.pid"
  wait_until 15 "Xvfb to report its display number" test -s "$number_file"
  export DISPLAY=":$(head -n 1 "$number_file")"
}

display_stop() {
  if [[ -n ${XVFB_PID:-} ]]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  fi
}

# The prefix's registry makes every Wine program join the desktop "Default",
# which has a taskbar and a notification area. The wineserver starts first:
# Wine clients starting together without one may each start their own.
# Rarely a Wine process crashes while the session comes up; the session is
# then started once more.
desktop_start() {
  local attempt
  for attempt in 1 2; do
    wineserver --persistent
    (exec wine explorer "/desktop=Default,$E2E_SCREEN") >"$E2E_TEST_DIR/explorer-$attempt.log" 2>&1 </dev/null &
    timeout 90 wine "$LUMARIC_DRIVER" wait-window --class Shell_TrayWnd --visible --timeout 60000 >/dev/null </dev/null &&
      return 0
    echo "Wine's desktop did not come up (attempt $attempt); see $E2E_TEST_DIR/explorer-$attempt.log" >&2
    wine_session_stop
  done
  fail "Wine's desktop did not come up"
}

# The pixels per inch of the screen for Wine processes started from now on.
set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
    /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}

# Saves the whole screen, or with a window handle only that window's outer
# rectangle, as NAME.png in the test folder and prints the file's path.
screenshot() {
  local name=$1 window=${2:-} file=$E2E_TEST_DIR/$1.png
  if [[ -z $window ]]; then
    import -window root "$file"
  else
    local left top width height
    read -r left top width height < <(window_fact "$window" rect)
    import -window root -crop "${width}x${height}+${left}+${top}" +repage "$file"
  fi
  echo "$file"
}

# A real mouse click at screen point X Y; the desktop fills the screen from
# its top-left corner, so Wine's screen coordinates are the X server's.
click_at() {
  xdotool mousemove --sync "$1" "$2" click 1
}

# Clicks the middle of a window as a user would.
click_window() {
  local x y
  read -r x y < <(drive point "$1")
  click_at "$x" "$y"
}

# Another program's window takes the activation, as when the user switches
# to it: Wine's notepad in the screen's top-left corner, clear of a window in
# the middle; its window is printed. Closed by WM_CLOSE.
other_window_start() {
  local value
  for value in iWindowPosX=0 iWindowPosY=0 iWindowPosDX=240 iWindowPosDY=160; do
    wine reg add 'HKCU\Software\Microsoft\Notepad' /v "${value%=*}" /t REG_DWORD /d "${value#*=}" /f \
      >/dev/null 2>&1 || fail "cannot place notepad"
  done
  (exec wine notepad) >"$E2E_TEST_DIR/notepad.log" 2>&1 </dev/null &
  drive wait-window --class Notepad --visible --timeout 30000
}
