#!/usr/bin/env bash
# Nothing is written through R.bat when it is a link. With R.bat in the
# Templates folder a link to a file in the system folder, and then a second
# name (hard link) of a file in another folder, the repair shows the usual
# "Cannot create file" box with the reason, the file the link leads to keeps
# its bytes, nothing is logged and nothing runs. (Wine has no NTFS links: a
# Unix symbolic link, which Wine follows and reports as an ordinary file,
# stands in for one; a Unix hard link is a hard link under Wine too.) With an
# ordinary R.bat back, the repair runs as ever.
source "$(dirname "$0")/lib.sh"
e2e_begin script_link 170

script=$TEMPLATES_DIR/R.bat
script_windows="$TEMPLATES_WINDOWS\\R.bat"
target=$WINEPREFIX/drive_c/windows/system32/lumaric-target.dll
elsewhere=$WINEPREFIX/drive_c/lumaric-e2e/elsewhere.txt
printf 'MZ the system file a link leads to\r\n' >"$target"
printf 'a file in another folder\r\n' >"$elsewhere"
cp "$target" "$E2E_TEST_DIR/target.expected"
cp "$elsewhere" "$E2E_TEST_DIR/elsewhere.expected"

lumaric_start
main=$(lumaric_main_window)
memo=$(drive child "$main" 108)
button=$(drive child "$main" 107)

# Clicks "现在修复" and checks for the box whose reason matches REASON (an
# extended regular expression), with nothing logged and nothing run.
check_refused() {
  local case=$1 reason=$2 facts
  if ! facts=$(click_for_error_box "$button"); then
    e2e_record no "$case: an error box appears and OK closes it" "log now: $(drive text "$memo")"
    return
  fi
  printf '%s\n' "$facts" >"$E2E_TEST_DIR/box-$case.txt"
  check_match "$case: the box says why R.bat is not written" \
    "Cannot create file \"${script_windows//\\/\\\\\\\\}\"[.] $reason[.]" "$(sed -n 's/^text=//p' <<<"$facts")"
  check_eq "$case: box icon" "stop" "$(sed -n 's/^icon=//p' <<<"$facts")"
  check_eq "$case: nothing logged" "" "$(drive text "$memo")"
  check_eq "$case: nothing run" "" "$(standin_runs)"
}

ln -s "$target" "$script"
check_refused symbolic-link \
  'It leads to "[Cc]:\\\\windows\\\\system32\\\\lumaric-target[.]dll", outside its folder'
check_bytes "symbolic-link: the file it leads to is unchanged" "$E2E_TEST_DIR/target.expected" "$target"
rm "$script"

ln "$elsewhere" "$script"
check_refused hard-link 'It has more than one name \(hard links\), and one of them may be in another folder'
check_bytes "hard-link: the file's other name still holds its bytes" "$E2E_TEST_DIR/elsewhere.expected" "$elsewhere"
rm "$script"

drive click "$button"
wait_log_lines "$memo" 2 60
check_match "ordinary file: the repair runs as ever" '请稍候正在修复网络连接[.]\\r\\n网络连接修复成功[.][^\\]*\\r\\n' \
  "$(drive text "$memo")"
check_bytes "ordinary file: R.bat is the script" <(expected_script) "$script"

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"
e2e_end
