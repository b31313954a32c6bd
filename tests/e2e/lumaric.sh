# Lumaric.exe under Wine in the background, its exit code, and facts about
# its windows as lumaric-driver.exe reports them.

LUMARIC_RUNS=0

# Starts Lumaric.exe with C:\ as its current folder, or the folder that
# the Unix path FOLDER is in Wine; LUMARIC_PID is the `wine` process, whose
# exit code is the program's.
lumaric_start() {
  local folder=${1:-$WINEPREFIX/drive_c}
  LUMARIC_RUNS=$((LUMARIC_RUNS + 1))
  LUMARIC_LOG=$E2E_TEST_DIR/lumaric-$LUMARIC_RUNS.log
  (cd "$folder" && exec wine "$LUMARIC_EXE") >"$LUMARIC_LOG" 2>&1 </dev/null &
  LUMARIC_PID=$!
}

# Starts Lumaric.exe from C:\ through the driver's COMMAND (run-minimised,
# run-limited), which waits for it; LUMARIC_PID as above.
lumaric_start_by_driver() {
  LUMARIC_RUNS=$((LUMARIC_RUNS + 1))
  LUMARIC_LOG=$E2E_TEST_DIR/lumaric-$LUMARIC_RUNS.log
  local exe
  exe=$(winepath -w "$LUMARIC_EXE")
  (cd "$WINEPREFIX/drive_c" && exec wine "$LUMARIC_DRIVER" "$1" "$exe" 'C:\') >"$LUMARIC_LOG" 2>&1 </dev/null &
  LUMARIC_PID=$!
}

# Starts Lumaric.exe without administrator rights: with the limited token
# linked to the driver's, as User Account Control starts a program of an
# administrator that asks for no more.
lumaric_start_limited() {
  lumaric_start_by_driver run-limited
}

# Waits at most SECONDS for the program started last to end; sets
# LUMARIC_EXIT, or fails when it is still running.
lumaric_wait_exit() {
  local seconds=$1 deadline=$((SECONDS + $1))
  while kill -0 "$LUMARIC_PID" 2>/dev/null; do
    ((SECONDS < deadline)) || fail "Lumaric (pid $LUMARIC_PID) still runs $seconds s later"
    sleep 0.1
  done
  LUMARIC_EXIT=0
  wait "$LUMARIC_PID" || LUMARIC_EXIT=$?
}

# The main window once it is visible.
lumaric_main_window() {
  drive wait-window --class TForm1 --visible --timeout 30000
}

# One KEY=VALUE fact of `lumaric-driver info`.
window_fact() {
  local window=$1 key=$2
  drive info "$window" | sed -n "s/^$key=//p"
}

# The row of `lumaric-driver tree` for control id ID, from the tree text TREE.
tree_row() {
  local tree=$1 id=$2
  awk -F'\t' -v id="$id" '$3 == id { print; exit }' <<<"$tree"
}

# Field N of a tree row: 1 depth, 2 hwnd, 3 id, 4 parent id, 5 class, 6 visible,
# 7 enabled, 8 style, 9 exstyle, 10 left, 11 top, 12 width, 13 height, 14 text.
row_field() {
  local row=$1 field=$2
  awk -F'\t' -v n="$field" '{ print $n }' <<<"$row"
}

# The bytes R.bat must hold: the eight lines, each ended by CR LF, with the
# UTF-8 byte-order mark first when the ANSI code page is 65001.
expected_script() {
  [[ $(drive acp | tr -d '\r') == 65001 ]] && printf '\xef\xbb\xbf'
  printf '%s\r\n' 'cd\' 'ipconfig/release' 'ipconfig/renew' 'ipconfig/flushdns' \
    'ipconfig /registerdns' 'arp -d' 'Nbtstat -R' 'Nbtstat -RR'
}

# Where each run of the stand-ins and their copies was started from, one
# path a line, lower-cased.
standin_paths() {
  [[ -f $STANDIN_RECORD ]] || return 0
  sed -n 's/.*\tpath=//p' "$STANDIN_RECORD" | tr -d '\r' | tr '[:upper:]' '[:lower:]'
}

# Makes every stand-in wait MS milliseconds before it records its run.
standin_delay_ms() {
  wine reg add 'HKCU\Software\Lumaric E2E\Standins' /v DelayMs /t REG_SZ /d "$1" /f >/dev/null 2>&1 ||
    fail "cannot make the stand-ins wait $1 ms"
}

# The stand-ins' records without their time stamps, one line per run.
standin_runs() {
  [[ -f $STANDIN_RECORD ]] || return 0
  cut -f1-3 "$STANDIN_RECORD"
}

# What Wine's cmd hands to the stand-ins from one run of R.bat: the lines
# without a blank after the command name do not reach them.
expected_standin_runs() {
  printf 'name=%s\targs=%s\tconsole=hidden\n' ipconfig /registerdns arp -d nbtstat -R nbtstat -RR
}

# Seconds since midnight, modulo 12 hours, of the first h:mm:ss in TEXT.
clock_seconds() {
  [[ $1 =~ ([0-9]{1,2}):([0-9]{2}):([0-9]{2}) ]] || return 1
  echo $(((10#${BASH_REMATCH[1]} * 3600 + 10#${BASH_REMATCH[2]} * 60 + 10#${BASH_REMATCH[3]}) % 43200))
}

# Status panel 1's text (the clock), escaped as the driver prints it.
status_clock() {
  drive statusbar "$1" | awk -F'\t' '$1 == 1 { print $3 }'
}

# Waits until Memo_Log holds LINES lines, while the program may be busy.
wait_log_lines() {
  local memo=$1 lines=$2 seconds=$3
  wait_until "$seconds" "$lines lines in Memo_Log" log_has_lines "$memo" "$lines"
}

log_has_lines() {
  local text
  text=$(drive text "$1") || return 1
  [[ $(grep -o '\\r\\n' <<<"$text" | wc -l) -ge $2 ]]
}

# Starts the program (from the Unix FOLDER, if given), clicks "现在修复"
# once, waits for the repair's two log lines and closes the program;
# REPAIR_LOG is then the log's text and LUMARIC_EXIT the exit code.
repair_once() {
  local main memo
  lumaric_start "$@"
  main=$(lumaric_main_window)
  memo=$(drive child "$main" 108)
  drive click "$(drive child "$main" 107)"
  wait_log_lines "$memo" 2 60
  REPAIR_LOG=$(drive text "$memo")
  drive post "$main" WM_CLOSE
  lumaric_wait_exit 15
}

# Clicks BUTTON, waits for the program's error box, closes it with OK and
# prints its facts (`drive msgbox`); fails when no box comes or OK leaves it.
click_for_error_box() {
  local box facts
  drive click "$1"
  box=$(drive wait-window --class '#32770' --title Lumaric --timeout 30000) || return 1
  facts=$(drive msgbox "$box")
  drive press "$box" 1
  drive wait-gone "$box" --timeout 10000 || return 1
  printf '%s\n' "$facts"
}

# The number of buttons Wine's taskbar shows for window HWND: it gives each
# button the handle of its window as control id. Fails when the taskbar
# cannot be read, which must not pass for "no button".
taskbar_buttons_for() {
  local taskbar tree
  taskbar=$(drive wait-window --class Shell_TrayWnd) && tree=$(drive tree "$taskbar") || return 1
  awk -F'\t' -v id=$(($1)) '$5 == "Button" && $6 == 1 && $3 == id' <<<"$tree" | wc -l
}

# Points the user's Templates folder at the Windows path FOLDER.
templates_at() {
  wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders' \
    /v Templates /t REG_EXPAND_SZ /d "$1" /f >/dev/null 2>&1 || fail "cannot point the Templates folder at $1"
}

# The Unix path of the Windows path PATH on drive C:.
unix_path() {
  local rest=${1#C:\\}
  printf '%s/drive_c/%s' "$WINEPREFIX" "${rest//\\//}"
}

# The caption of a message box's OK button in the session's language
# ("OK", "确定"), as the system gives it.
ok_button_text() {
  [[ -n ${OK_BUTTON_TEXT:-} ]] || OK_BUTTON_TEXT=$(drive ok-text)
  printf '%s' "$OK_BUTTON_TEXT"
}
