#!/usr/bin/env bash
# A long life in few minutes: many repairs, hide and show cycles, taskbar
# re-creations and clock ticks. Afterwards the process holds no more kernel
# handles, GDI objects or USER objects than before, its private memory has
# grown by no more than its log's text, and the log held every line of
# every repair. LUMARIC_SOAK=long gives the full soak (1,000 repairs, 1,000
# cycles, 100 broadcasts, 10 minutes of ticks).
#
# The work comes in rounds. After each the test reads the log, checks that
# round's lines and empties the log, as a user may: the edit control then
# holds the lines in the room the first round made, and what memory grows
# by is the program's own. (Holding a growing log costs an edit control
# under Wine about twice its text: bench/memory_split measures that beside
# a bare edit holding the same text.)
source "$(dirname "$0")/lib.sh"

if [[ ${LUMARIC_SOAK:-short} == long ]]; then
  rounds=20 repairs=50 cycles=50 broadcasts=5 tick_seconds=600 deadline=3500
else
  rounds=1 repairs=25 cycles=60 broadcasts=20 tick_seconds=30 deadline=320
fi
e2e_begin soak "$deadline"

announcement='请稍候正在修复网络连接.'
success='网络连接修复成功.'
# The menu items' commands (显示窗口, 隐藏窗口) and the icon's callback message.
show_item=101 hide_item=102 icon_callback=0x401

lumaric_start
main=$(lumaric_main_window)
pid=$(window_fact "$main" pid)
memo=$(drive child "$main" 108)
button=$(drive child "$main" 107)
minimise=$(drive child "$main" 114)
tray=$(drive wait-window --class TApplication --pid "$pid")
menu=$(drive wait-window --class TApplication --pid "$pid")
status=$(drive child "$main" 115)

soak_round() {
  local repairs=$1 cycles=$2 broadcasts=$3
  drive repairs "$button" "$memo" "$repairs" $((${#announcement} + ${#success} + 4)) >/dev/null ||
    fail "the repairs did not all finish"
  drive hide-show "$main" "$cycles" --button "$minimise" --tray "$tray" --menu "$menu" \
    --callback "$icon_callback" --hide-item "$hide_item" --show-item "$show_item" >/dev/null ||
    fail "the hide and show cycles did not all finish"
  drive taskbar-created "$broadcasts" "$main" >/dev/null || fail "the broadcasts were not all handled"
}

# Whether the log holds the lines of REPAIRS repairs, in order, and nothing
# else; it is emptied either way.
round_logged() {
  local repairs=$1 rest i
  rest=$(drive text "$memo")
  drive set-text "$memo" "" >/dev/null
  for ((i = 1; i <= repairs; i++)); do
    [[ $rest =~ ^"$announcement"'\r\n'"$success"([^\\]*)'\r\n'(.*)$ ]] || return 1
    rest=${BASH_REMATCH[2]}
  done
  [[ -z $rest ]]
}

# Kilobytes of the process's own memory: anonymous pages, resident or not.
private_kb() {
  awk '/^(RssAnon|VmSwap):/ { kb += $2 } END { print kb }' "/proc/$LUMARIC_PID/status"
}

# One fact of `lumaric-driver resources`.
resource() {
  sed -n "s/^$2=//p" <<<"$1"
}

# The first use of every path allocates for good (fonts, caches, the log's
# scroll bar and its room for a round's lines, the window's and the icon's
# records): the baseline is taken after one round. Wine's own records of
# showing and hiding settle only after some 60 cycles.
soak_round "$repairs" 60 "$broadcasts"
round_logged "$repairs" || fail "the first round's log does not hold its repairs' lines"
sleep 2
before=$(drive resources "$pid")
private_before=$(private_kb)
length_before=$(drive send "$memo" 0x000E)
printf '%s\nprivate_kb=%s\nlength=%s\n' "$before" "$private_before" "$length_before" >"$E2E_TEST_DIR/before.txt"

logged=0
for ((round = 1; round <= rounds; round++)); do
  soak_round "$repairs" "$cycles" "$broadcasts"
  round_logged "$repairs" && logged=$((logged + 1))
done
check_eq "every round's log held its $repairs repairs' lines, in order, and nothing else" "$rounds" "$logged"
clock_at_start=$(status_clock "$status")
sleep "$tick_seconds"
check_true "the clock went on ticking ($clock_at_start, then $(status_clock "$status"))" \
  test "$(status_clock "$status")" != "$clock_at_start"
sleep 2

after=$(drive resources "$pid")
private_after=$(private_kb)
length_after=$(drive send "$memo" 0x000E)
printf '%s\nprivate_kb=%s\nlength=%s\n' "$after" "$private_after" "$length_after" >"$E2E_TEST_DIR/after.txt"

for kind in handles gdi user; do
  check_true "$kind do not grow ($(resource "$before" "$kind") before, $(resource "$after" "$kind") after, counted by $(resource "$after" "${kind}_from"))" \
    test "$(resource "$after" "$kind")" -le "$(resource "$before" "$kind")"
done
# The edit keeps its text in UTF-16; 64 KiB allow for the heap's own steps,
# so the short soak finds only gross leaks and the long one small ones.
text_kb=$((((length_after - length_before) * 2 + 1023) / 1024))
check_true "private memory grows by no more than the log's text: $((private_after - private_before)) KiB for $text_kb KiB of text" \
  test $((private_after - private_before)) -le $((text_kb + 64))

drive post "$main" WM_CLOSE
lumaric_wait_exit 30
check_eq "exit code" 0 "$LUMARIC_EXIT"
e2e_end
