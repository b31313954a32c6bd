#!/usr/bin/env bash
# When R.bat cannot be created (a folder of that name, a read-only file, a
# file another program keeps open), the repair shows the error box: caption
# "Lumaric", stop icon, one OK button, text 'Cannot create file "PATH". ' and
# the system's reason for the platform's error, with a final full stop. It
# logs nothing and runs nothing, and after OK the program goes on.
source "$(dirname "$0")/lib.sh"
e2e_begin faults 170

script=$TEMPLATES_DIR/R.bat
script_windows="$TEMPLATES_WINDOWS\\R.bat"

# The system's reasons for errors 5 and 32 as Wine words them in the
# session's language. The box drops the system's final full stop and
# blanks, and ends with a full stop of its own after any character above
# ".": so Chinese "访问被拒绝。" ends in "。.", as "。" is above ".".
case ${LC_ALL%%.*} in
  zh_CN) access_denied='访问被拒绝。.' sharing_violation='共享冲突。.' ;;
  *) access_denied='Access denied.' sharing_violation='Sharing violation.' ;;
esac

# Clicks "现在修复" with the obstacle CASE in place, which gives the error
# CODE, and checks the box, whose text ends with REASON.
check_fault() {
  local case=$1 code=$2 reason=$3 obstacle
  obstacle=$(drive create-error "$script_windows") || fail "$case: R.bat can still be created; the obstacle does not work"
  check_eq "$case: the obstacle gives error $code" "code=$code" "$(head -1 <<<"$obstacle" | tr -d '\r')"
  drive click "$button"
  local box
  box=$(drive wait-window --class '#32770' --title Lumaric --timeout 20000) ||
    { e2e_record no "$case: an error box appears"; return; }
  local facts
  facts=$(drive msgbox "$box")
  printf '%s\n' "$facts" >"$E2E_TEST_DIR/box-$case.txt"
  screenshot "box-$case" >/dev/null
  check_eq "$case: box caption" "Lumaric" "$(sed -n 's/^caption=//p' <<<"$facts")"
  check_eq "$case: box text" "Cannot create file \"${script_windows//\\/\\\\}\". $reason" \
    "$(sed -n 's/^text=//p' <<<"$facts")"
  check_eq "$case: box icon" "stop" "$(sed -n 's/^icon=//p' <<<"$facts")"
  check_eq "$case: box buttons" "1"$'\t'"$(ok_button_text)" "$(sed -n 's/^button=//p' <<<"$facts")"
  # The box disables its owner, the main window, by itself; the program
  # disables its other windows.
  check_eq "$case: the box's owner is the main window" "$main" "$(window_fact "$box" owner)"
  check_eq "$case: the application window disabled while the box is open" 0 "$(window_fact "$application" enabled)"
  check_eq "$case: nothing logged" "" "$(drive text "$memo")"
  check_eq "$case: no stand-in ran" "" "$(standin_runs)"
  drive press "$box" 1
  drive wait-gone "$box" --timeout 10000 || e2e_record no "$case: OK closes the box"
  check_eq "$case: main window enabled again after OK" 1 "$(window_fact "$main" enabled)"
  check_eq "$case: the application window enabled again after OK" 1 "$(window_fact "$application" enabled)"
}

lumaric_start
main=$(lumaric_main_window)
memo=$(drive child "$main" 108)
button=$(drive child "$main" 107)
application=$(window_fact "$main" owner)

mkdir "$script"
check_fault folder 5 "$access_denied"
rmdir "$script"

printf 'rem read-only\r\n' >"$script"
chmod a-w "$script"
# Root writes to any file, so for root the file is made immutable as well.
if [[ $EUID -ne 0 ]] || chattr +i "$script" 2>/dev/null; then
  check_fault read-only 5 "$access_denied"
  [[ $EUID -ne 0 ]] || chattr -i "$script"
else
  echo "skip read-only: chattr +i is not available here"
fi
chmod u+w "$script"

held=$E2E_TEST_DIR/holder.out
drive hold-file "$script_windows" 120000 >"$held" 2>&1 &
holder=$!
wait_until 15 "another program to hold R.bat open" grep -q held "$held"
check_fault in-use 32 "$sharing_violation"
kill "$holder"
wait "$holder" 2>/dev/null || true
rm -f "$script"

# The program goes on: the next repair runs as ever.
drive click "$button"
wait_log_lines "$memo" 2 60
check_bytes "a repair after the errors writes R.bat" <(expected_script) "$script"
check_eq "a repair after the errors runs the script" "$(expected_standin_runs)" "$(standin_runs)"

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"

e2e_end
