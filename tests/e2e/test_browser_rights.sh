#!/usr/bin/env bash
# The web address never starts its handler with the program's elevated
# rights. The handler of "http" is one the user's own account can register
# (HKCU\Software\Classes); here it is the driver, which records who started
# it and with what rights. Started as usual (Wine gives every process an
# elevated token), 检测更新 hands the address to the desktop's shell, which
# starts the handler: its parent is the shell's explorer.exe, never
# Lumaric.exe. Started with a limited token, the program opens the address
# itself, and the handler has the limited rights the program has. (Wine
# gives the desktop's shell the elevated token too, so the handler's own
# rights differ only on Windows, where the shell runs with the user's.)
source "$(dirname "$0")/lib.sh"
e2e_begin browser_rights 150

update_page="http://www.lumaric.cn/?v=Lumaric1.01.20180114"
record=$E2E_TEST_DIR/handler.log
handler="\"$(winepath -w "$LUMARIC_DRIVER")\" record-start \"$(winepath -w "$record")\" \"%1\""
# Wine's shell did not take a handler from the user's own classes, which
# Windows looks in first: the handler in the test prefix's machine classes
# stands in for one the user registered.
wine reg add 'HKCR\http\shell\open\command' /ve /t REG_SZ /d "$handler" /f >/dev/null 2>&1 ||
  fail "cannot register the handler of http"

handler_starts() { [[ -f $record ]] && wc -l <"$record" || echo 0; }
handler_started() { [[ $(handler_starts) -ge $1 ]]; }
# Field NAME of the handler's start number N.
handler_fact() { sed -n "$1p" "$record" | tr '\t' '\n' | sed -n "s/^$2=//p" | tr -d '\r'; }

# A click on 检测更新 in the program started by START, whose token must be
# ELEVATED; the handler's start number N must come from PARENT, with the
# rights HANDLER_ELEVATED, or "shell's" for those of the desktop's shell,
# which Wine does not set apart: they are printed.
check_handler_start() {
  local case=$1 start=$2 elevated=$3 n=$4 parent=$5 handler_elevated=$6 main
  "$start"
  main=$(lumaric_main_window)
  check_eq "$case: the program's token elevated" "$elevated" \
    "$(drive token-elevation "$(window_fact "$main" pid)" | sed -n 's/^elevated=//p' | tr -d '\r')"
  click_window "$(drive child "$main" 113)"
  check_within 30 "$case: the handler started" handler_started "$n"
  check_eq "$case: the handler is given the update page" "$update_page" "$(handler_fact "$n" argument)"
  check_eq "$case: the handler is started by" "$parent" "$(handler_fact "$n" parent)"
  if [[ $handler_elevated == "shell's" ]]; then
    echo "note: $case: the handler's token elevated=$(handler_fact "$n" elevated), the desktop shell's"
  else
    check_eq "$case: the handler's token elevated" "$handler_elevated" "$(handler_fact "$n" elevated)"
  fi
  drive post "$main" WM_CLOSE
  lumaric_wait_exit 15
  check_eq "$case: exit code" 0 "$LUMARIC_EXIT"
}

check_handler_start elevated lumaric_start 1 1 explorer.exe "shell's"
check_handler_start limited lumaric_start_limited 0 2 Lumaric.exe 0
sleep 2
check_eq "one start of the handler for each click" 2 "$(handler_starts)"
e2e_end
