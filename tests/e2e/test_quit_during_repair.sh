#!/usr/bin/env bash
# The window closed while a repair lets its announcement show: the click on
# "现在修复" and the close are queued together, so the close is handled in
# that pause and asks for the program's end there. The repair still runs its
# script to the end, and the quit it left for the loop then ends the
# program, with exit code 0.
source "$(dirname "$0")/lib.sh"
e2e_begin quit_during_repair 90

lumaric_start
main=$(lumaric_main_window)
drive post-each "$(drive child "$main" 107)" BM_CLICK "$main" WM_CLOSE
lumaric_wait_exit 30
check_eq "exit code" 0 "$LUMARIC_EXIT"
check_eq "the repair ran the script to its end" "$(expected_standin_runs)" "$(standin_runs)"
check_bytes "the repair wrote R.bat" <(expected_script) "$TEMPLATES_DIR/R.bat"
e2e_end
