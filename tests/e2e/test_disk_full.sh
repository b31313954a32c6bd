#!/usr/bin/env bash
# R.bat on a full disk: the Templates folder on a small file system that a
# filler file has filled. R.bat can be created but its bytes cannot be
# written: the error box says "Stream write error." (caption Lumaric, stop
# icon, one OK), nothing is logged and nothing is run. With room again the
# next repair writes and runs the script as ever.
source "$(dirname "$0")/lib.sh"
[[ $EUID -eq 0 ]] || { echo "skip: mounting a small file system needs root"; exit 77; }
mount_point=$LUMARIC_E2E_WORK/disk-full-mount
mountpoint -q "$mount_point" 2>/dev/null && umount "$mount_point"
e2e_begin disk_full 120

mkdir -p "$mount_point"
mount -t tmpfs -o size=4k lumaric-e2e-full "$mount_point" || { echo "skip: cannot mount a tmpfs here"; exit 77; }
trap 'status=$?; umount "$mount_point" 2>/dev/null || true; e2e_cleanup "$status"' EXIT
head -c "$(($(stat -f -c '%a * %S' "$mount_point")))" /dev/zero >"$mount_point/filler" 2>/dev/null || true
check_eq "the file system is full" 0 "$(stat -f -c %a "$mount_point")"

full='C:\lumaric-e2e\full'
ln -s "$mount_point" "$(unix_path "$full")"
templates_at "$full"

lumaric_start
main=$(lumaric_main_window)
memo=$(drive child "$main" 108)
button=$(drive child "$main" 107)

drive click "$button"
box=$(drive wait-window --class '#32770' --title Lumaric --timeout 20000) || fail "no error box came up"
facts=$(drive msgbox "$box")
printf '%s\n' "$facts" >"$E2E_TEST_DIR/box.txt"
check_eq "box caption" Lumaric "$(sed -n 's/^caption=//p' <<<"$facts")"
check_eq "box text" "Stream write error." "$(sed -n 's/^text=//p' <<<"$facts")"
check_eq "box icon" stop "$(sed -n 's/^icon=//p' <<<"$facts")"
check_eq "box buttons" "1"$'\t'"$(ok_button_text)" "$(sed -n 's/^button=//p' <<<"$facts")"
check_eq "nothing logged" "" "$(drive text "$memo")"
check_eq "nothing run" "" "$(standin_runs)"
check_true "R.bat was created, with none of its bytes" test -f "$mount_point/R.bat" -a ! -s "$mount_point/R.bat"
drive press "$box" 1
drive wait-gone "$box" --timeout 10000 || e2e_record no "OK closes the box"

rm "$mount_point/filler"
drive click "$button"
wait_log_lines "$memo" 2 60
check_bytes "with room again R.bat is written" <(expected_script) "$mount_point/R.bat"
check_eq "with room again the script runs" "$(expected_standin_runs)" "$(standin_runs)"

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"
e2e_end
