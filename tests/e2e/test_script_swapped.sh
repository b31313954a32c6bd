#!/usr/bin/env bash
# The script that starts is the file that was held, even when the folder
# link on its path is changed between the hold and the start. The Templates
# folder is a link to one folder; the program is stopped (as a debugger
# stops it) when it starts the script, the link is turned to another folder
# whose R.bat runs other commands, and the program goes on: the held R.bat
# runs, by its own path, with the system's command processor, and the other
# one does not. (Wine has no NTFS
# junctions: a Unix symbolic link, which Wine follows as Windows follows a
# junction, stands in for one.)
source "$(dirname "$0")/lib.sh"
e2e_begin script_swapped 150

held_windows='C:\lumaric-e2e\held'
link=$WINEPREFIX/drive_c/lumaric-e2e/templates
mkdir -p "$WINEPREFIX/drive_c/lumaric-e2e/held" "$WINEPREFIX/drive_c/lumaric-e2e/other"
printf 'ipconfig /swapped-in\r\n' >"$WINEPREFIX/drive_c/lumaric-e2e/other/R.bat"
ln -s held "$link"
templates_at 'C:\lumaric-e2e\templates'

lumaric_start
main=$(lumaric_main_window)
memo=$(drive child "$main" 108)
go=$E2E_TEST_DIR/go
pause=$E2E_TEST_DIR/pause.out
drive pause-script-start "$(window_fact "$main" pid)" "$(winepath -w "$go")" >"$pause" 2>&1 &
pauser=$!
wait_until 20 "the driver to attach to the program" grep -q attached "$pause"

drive click "$(drive child "$main" 107)"
wait_until 30 "the program to stop at the start of its script" grep -q paused "$pause"
check_bytes "R.bat was written through the link" <(expected_script) "$link/R.bat"
ln -sfn other "$link"
check_eq "the link now leads to the other R.bat" 'ipconfig /swapped-in' "$(tr -d '\r' <"$link/R.bat")"
touch "$go"
wait "$pauser" || e2e_record no "the driver let the program go on" "$(cat "$pause")"

wait_log_lines "$memo" 2 60
check_eq "the script is started by the held file's own path" "cmd.exe /D /C \"\"$held_windows\\R.bat\"\"" \
  "$(sed -n 's/^command-line=//p' "$pause" | tr -d '\r' | sed 's/\\\\/\\/g')"
check_eq "the program started is the system's command processor" 'c:\windows\system32\cmd.exe' \
  "$(sed -n 's/^program=//p' "$pause" | tr -d '\r' | sed 's/\\\\/\\/g' | tr '[:upper:]' '[:lower:]')"
check_eq "the held R.bat ran, not the other one" "$(expected_standin_runs)" "$(standin_runs)"
check_match "the log says the repair succeeded" '请稍候正在修复网络连接[.]\\r\\n网络连接修复成功[.][^\\]*\\r\\n' \
  "$(drive text "$memo")"

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"
e2e_end
