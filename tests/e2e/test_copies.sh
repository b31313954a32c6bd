#!/usr/bin/env bash
# Twenty copies started at the same moment: exactly one keeps running and
# shows its window; the other nineteen end by themselves with exit code 0
# and never show a window of their own.
source "$(dirname "$0")/lib.sh"
e2e_begin copies 170

copies=20
# Every copy waits at the same gate; opening it starts them all at once.
gate=$E2E_TEST_DIR/gate
mkfifo "$gate"
pids=()
for ((i = 1; i <= copies; i++)); do
  (cat "$gate" >/dev/null && cd "$WINEPREFIX/drive_c" && exec wine "$LUMARIC_EXE") \
    >"$E2E_TEST_DIR/copy-$i.log" 2>&1 </dev/null &
  pids+=($!)
done
seen=$E2E_TEST_DIR/windows-seen.txt
drive watch-windows 40000 >"$seen" &
watcher=$!
wait_until 30 "the window watcher to start" grep -q -x watching "$seen"
echo go >"$gate"

# The copies that lost end on their own; the one that won keeps running.
ended=()
codes=()
deadline=$((SECONDS + 90))
while ((SECONDS < deadline)); do
  running=0
  for pid in "${pids[@]}"; do kill -0 "$pid" 2>/dev/null && running=$((running + 1)); done
  ((running <= 1)) && break
  sleep 0.5
done
survivors=()
for pid in "${pids[@]}"; do
  if kill -0 "$pid" 2>/dev/null; then
    survivors+=("$pid")
  else
    code=0
    wait "$pid" || code=$?
    codes+=("$code")
  fi
done
check_eq "exactly one copy keeps running" 1 "${#survivors[@]}"
check_eq "every other copy ended with exit code 0" "$(printf '0 %.0s' $(seq $((copies - 1))))" \
  "$(printf '%s ' "${codes[@]}")"

main=$(lumaric_main_window)
winner=$(window_fact "$main" pid)
check_eq "one main window" 1 "$(drive count-windows --class TForm1)"
check_eq "one application window" 1 "$(drive count-windows --class TApplication)"
check_eq "no message box" 0 "$(drive count-windows --class '#32770')"
check_eq "the main window shows the program" "Lumaric1.01.20180114" "$(drive text "$main")"
# The application window also receives the icon's callback, owns its menu
# and hosts the timers: besides the main window and the drop-down list's
# list it is the program's only top-level window (the IME's are the system's).
check_eq "the program's top-level windows" "ComboLBox TApplication TForm1" \
  "$(drive window-classes --pid "$winner" | grep -v -x -E 'IME|MSCTFIME UI' | tr '\n' ' ' | sed 's/ $//')"

wait "$watcher"
shell=$(window_fact "$(drive wait-window --class Shell_TrayWnd)" pid)
others=$(awk -F'\t' -v winner="$winner" -v shell="$shell" '/^window=/ && $2 != winner && $2 != shell' "$seen")
check_eq "no other copy ever showed a window" "" "$others"
check_true "the winner's main window was seen coming up" grep -q $'\tTForm1\t' "$seen"

LUMARIC_PID=${survivors[0]:-${pids[0]}}
drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "the remaining copy's exit code" 0 "$LUMARIC_EXIT"
e2e_end
