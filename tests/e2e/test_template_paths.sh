#!/usr/bin/env bash
# Where the Templates folder is: a path with blanks (with programs at the
# places an unquoted path would be cut at a blank, which must not run) and
# one of 253 characters give the correct run, R.bat written there byte for byte and
# run; in a folder of 255 characters R.bat is written, but its path of 261
# characters is beyond the system's limit for starting a program
# (MAX_PATH), so nothing runs and the log tells of a failure; a path of 256
# characters and a folder that is not there give a clear error box, log
# nothing and run nothing; a path beyond the system's limit is not taken by
# the shell at all, and the repair runs in the folder the shell names
# instead. The log never claims a repair that did not happen.
source "$(dirname "$0")/lib.sh"
e2e_begin template_paths 170

announcement='请稍候正在修复网络连接.'
success='网络连接修复成功.'
failure='网络连接修复失败.'

# A folder path of LENGTH characters under C:\lumaric-e2e, made of
# components of at most 100 characters.
long_folder() {
  local length=$1 path='C:\lumaric-e2e\long' part
  while ((${#path} < length)); do
    part=$((length - ${#path} - 1))
    ((part > 100)) && part=100
    ((part < 1)) && part=1
    path+='\'$(printf 'd%.0s' $(seq "$part"))
  done
  printf '%s' "$path"
}

# The escaped log text (as the driver prints it) added since BEFORE.
log_added() {
  local before=$1 now
  now=$(drive text "$memo")
  printf '%s' "${now#"$before"}"
}

# Clicks "现在修复" with the Templates folder set to FOLDER, R.bat removed
# first from WRITTEN, and waits for the repair's two log lines; ADDED is
# then what they added and RUNS_BEFORE the stand-ins' runs before. Fails
# the case (and returns 1) when the lines do not come.
repair_with_templates_at() {
  local case=$1 folder=$2 written=$3 before
  templates_at "$folder"
  rm -f "$(unix_path "$written")/R.bat"
  before=$(drive text "$memo")
  runs_before=$(standin_runs | wc -l)
  drive click "$button"
  local lines=$(($(grep -o '\\r\\n' <<<"$before" | wc -l) + 2))
  if ! wait_until_quiet 60 log_has_lines "$memo" "$lines"; then
    e2e_record no "$case: the repair logs its two lines" "$(log_added "$before")"
    close_boxes
    return 1
  fi
  added=$(log_added "$before")
}

# The correct run in the folder the shell names, WRITTEN (FOLDER unless
# given): R.bat there, the stand-ins run once more, the log's two lines.
check_runs() {
  local case=$1 folder=$2 written=${3:-$2} added runs_before
  repair_with_templates_at "$case" "$folder" "$written" || return 0
  check_bytes "$case: R.bat is written into the folder" <(expected_script) "$(unix_path "$written")/R.bat"
  check_eq "$case: the script ran once more" "$((runs_before + 4))" "$(standin_runs | wc -l)"
  check_match "$case: the log tells of a repair that was run" \
    "$announcement"'\\r\\n'"$success"'[^\\]*\\r\\n' "$added"
}

# In FOLDER R.bat can be written but not started: the script written,
# nothing run, the announcement and then the failure line, never the
# success line.
check_not_started() {
  local case=$1 folder=$2 added runs_before
  repair_with_templates_at "$case" "$folder" "$folder" || return 0
  check_bytes "$case: R.bat is written into the folder" <(expected_script) "$(unix_path "$folder")/R.bat"
  check_eq "$case: nothing run" "$runs_before" "$(standin_runs | wc -l)"
  check_match "$case: the log tells of a repair that failed" \
    "$announcement"'\\r\\n'"$failure"'[^\\]*\\r\\n' "$added"
  check_true "$case: the log claims no success" test "${added/"$success"/}" == "$added"
}

# Clicks "现在修复" with the Templates folder at FOLDER and checks for an
# error box whose text is EXPECTED, with nothing logged and nothing run. (A
# box for a long path is wider than the screen, so its icon is not looked
# at here; test_faults.sh checks it.)
check_refused() {
  local case=$1 folder=$2 expected=$3 before runs_before box facts
  templates_at "$folder"
  before=$(drive text "$memo")
  runs_before=$(standin_runs | wc -l)
  drive click "$button"
  if ! box=$(drive wait-window --class '#32770' --title Lumaric --timeout 20000); then
    e2e_record no "$case: an error box appears" "log now: $(log_added "$before")"
    return
  fi
  facts=$(drive msgbox "$box")
  printf '%s\n' "$facts" >"$E2E_TEST_DIR/box-$case.txt"
  check_eq "$case: box text" "$expected" "$(sed -n 's/^text=//p' <<<"$facts")"
  check_eq "$case: box buttons" "1"$'\t'"$(ok_button_text)" "$(sed -n 's/^button=//p' <<<"$facts")"
  drive press "$box" 1
  drive wait-gone "$box" --timeout 10000 || e2e_record no "$case: OK closes the box"
  check_eq "$case: nothing logged" "" "$(log_added "$before")"
  check_eq "$case: nothing run" "$runs_before" "$(standin_runs | wc -l)"
}

# Like wait_until, but says so instead of failing the test.
wait_until_quiet() {
  local seconds=$1 deadline=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}

close_boxes() {
  local box
  while box=$(drive wait-window --class '#32770' --title Lumaric --timeout 500 2>/dev/null); do
    drive press "$box" 1
    drive wait-gone "$box" --timeout 5000 || return
  done
}

lumaric_start
main=$(lumaric_main_window)
memo=$(drive child "$main" 108)
button=$(drive child "$main" 107)

blanks='C:\lumaric e2e\My Templates'
mkdir -p "$(unix_path "$blanks")"
# Decoys where an unquoted path would be cut at a blank: C:\lumaric.exe and
# C:\lumaric e2e\My.exe, copies of a stand-in that record their runs.
cp "$LUMARIC_STANDINS/ipconfig.exe" "$(unix_path 'C:\lumaric.exe')"
cp "$LUMARIC_STANDINS/ipconfig.exe" "$(unix_path 'C:\lumaric e2e\My.exe')"
check_runs blanks "$blanks"
check_eq "blanks: no program at a shorter part of the path ran" "" "$(standin_paths | grep -v '^c:\\windows\\system32\\')"

# 253 + "\R.bat" is 259 characters, the longest path a program starts from.
startable=$(long_folder 253)
mkdir -p "$(unix_path "$startable")"
check_runs 253-characters "$startable"

longest=$(long_folder 255)
mkdir -p "$(unix_path "$longest")"
check_eq "the longest folder path has 255 characters" 255 "${#longest}"
check_not_started 255-characters "$longest"

too_long=$(long_folder 256)
mkdir -p "$(unix_path "$too_long")"
check_refused 256-characters "$too_long" \
  "The folder \"${too_long//\\/\\\\}\" has a path longer than 255 characters."

beyond=$(long_folder 300)
mkdir -p "$(unix_path "$beyond")"
check_runs 300-characters "$beyond" "$TEMPLATES_WINDOWS"
check_eq "300-characters: no R.bat in a cut-off path" "" \
  "$(find "$(unix_path 'C:\lumaric-e2e\long')" -name R.bat ! -path "$(unix_path "$longest")/R.bat" ! -path "$(unix_path "$startable")/R.bat")"

missing='C:\lumaric-e2e\no such folder'
check_refused missing "$missing" "Cannot find the Templates folder."

# Back at its usual place the repair runs as ever.
check_runs usual-place "$TEMPLATES_WINDOWS"

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"
e2e_end
