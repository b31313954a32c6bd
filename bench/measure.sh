# Sourced by bench/run after bench/lib.sh: the measurements, each
# recorded as a line "PROGRAM KEY VALUE" in $data, and the table of their
# medians.

# The programs measured, their executables and their main windows' classes.
programs=(lumaric floor bare)
declare -gA exe_path=([lumaric]=$LUMARIC_EXE [floor]=$FLOOR_EXE [bare]=$BARE_EXE)
declare -gA window_class=([lumaric]=TForm1 [floor]=LumaricFloor [bare]=LumaricBare)

# Button 最小化 (it hides the window to the notification area), the log and
# button 现在修复 of the main window.
MINIMISE_ID=114 MEMO_ID=108 REPAIR_ID=107
SC_MINIMIZE=0xF020

record() {
  printf '%s\t%s\t%s\n' "$1" "$2" "$3" >>"$data"
}

# The KEY=VALUE value of the driver's output OUTPUT.
fact() {
  sed -n "s/^$2=//p" <<<"$1"
}

# Milliseconds from starting EXE (a Windows path) to its CLASS window shown
# and painted; the program is closed again.
first_paint_ms() {
  local out
  out=$(bench_drive first-paint "$1" "$2" --dir 'C:\' --close --timeout 60000) || fail "first paint of $1 failed: $out"
  fact "$out" ms
}

# Kilobytes of the process's own memory (anonymous pages, resident or
# swapped out), and of its working set (all its resident pages).
private_kb() {
  awk '/^(RssAnon|VmSwap):/ { kb += $2 } END { print kb }' "/proc/$1/status"
}
working_set_kb() {
  awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"
}

# Nanoseconds that all the process's threads have run on a processor.
cpu_ns() {
  cat /proc/"$1"/task/*/schedstat | awk '{ ns += $1 } END { printf "%.0f", ns }'
}

# Starts the Windows program EXE in the background from C:\; prints the
# process id, which is the Windows process's own.
start_program() {
  local exe=$1 log=$2
  (cd "$WINEPREFIX/drive_c" && exec wine "$exe") >"$log" 2>&1 </dev/null &
  echo $!
}

# Waits at most 30 s for process PID to end.
await_end() {
  local pid=$1 deadline=$((SECONDS + 30))
  while kill -0 "$pid" 2>/dev/null; do
    ((SECONDS < deadline)) || fail "process $pid still runs 30 s after WM_CLOSE"
    sleep 0.2
  done
  wait "$pid" 2>/dev/null || true
}

# The three programs side by side: memory once shown, CPU time over CPU
# seconds shown and idle, memory after IDLE seconds hidden (Lumaric in the
# notification area, the floors minimised: they do not hide there).
measure_idle() {
  local idle=$1 cpu=$2 program
  local -A pid window cpu_before
  for program in "${programs[@]}"; do
    pid[$program]=$(start_program "${exe_path[$program]}" "$E2E_TEST_DIR/idle-$program.log")
  done
  for program in "${programs[@]}"; do
    window[$program]=$(drive wait-window --class "${window_class[$program]}" --visible --timeout 60000) ||
      fail "the window of $program did not come up"
  done
  sleep 5
  for program in "${programs[@]}"; do
    record "$program" private_shown_kb "$(private_kb "${pid[$program]}")"
    record "$program" working_set_shown_kb "$(working_set_kb "${pid[$program]}")"
    cpu_before[$program]=$(cpu_ns "${pid[$program]}")
  done
  sleep "$cpu"
  for program in "${programs[@]}"; do
    record "$program" cpu_ms $((($(cpu_ns "${pid[$program]}") - ${cpu_before[$program]}) / 1000000))
  done

  drive click "$(drive child "${window[lumaric]}" "$MINIMISE_ID")" >/dev/null
  drive post "${window[floor]}" WM_SYSCOMMAND "$SC_MINIMIZE" >/dev/null
  drive post "${window[bare]}" WM_SYSCOMMAND "$SC_MINIMIZE" >/dev/null
  hidden() { [[ $(window_fact "${window[lumaric]}" visible) == 0 ]]; }
  wait_until 20 "Lumaric's window to go to the notification area" hidden
  sleep "$idle"
  for program in "${programs[@]}"; do
    record "$program" private_idle_kb "$(private_kb "${pid[$program]}")"
    record "$program" working_set_idle_kb "$(working_set_kb "${pid[$program]}")"
  done

  for program in "${programs[@]}"; do
    drive post "${window[$program]}" WM_CLOSE >/dev/null
  done
  for program in "${programs[@]}"; do
    await_end "${pid[$program]}"
  done
}

# Lumaric only (the floors have neither a log nor a script): RUNS times the
# cost of appending a log line at the 1st, 10,000th and 100,000th line, and
# the time from a click on 现在修复 to the script's process being started.
measure_log_and_click() {
  local runs=$1 main memo button out i
  lumaric_start
  main=$(lumaric_main_window)
  memo=$(drive child "$main" "$MEMO_ID")
  button=$(drive child "$main" "$REPAIR_ID")
  # The same appends to a bare edit of the benchmark driver's own, made like the log,
  # tell the control's share from the program's.
  local where own
  for ((i = 1; i <= runs; i++)); do
    for where in lumaric bare_edit; do
      own=$([[ $where == bare_edit ]] && echo --own || true)
      out=$(bench_drive append-cost "$memo" --preset --at 1,10000,100000 --span 9 $own) || fail "append-cost failed: $out"
      printf '%s\n%s\n' "$where" "$out" >>"$E2E_TEST_DIR/append-cost.txt"
      for line in 1 10000 100000; do record "$where" "append_${line}_us" "$(fact "$out" "append_${line}_us")"; done
    done
  done
  drive set-text "$memo" "" >/dev/null
  for ((i = 0; i <= runs; i++)); do
    out=$(bench_drive script-start "$button" --wait-end --timeout 60000) || fail "script-start failed: $out"
    printf '%s\n' "$out" >>"$E2E_TEST_DIR/script-start.txt"
    # The first repair also creates R.bat: it is not counted.
    ((i > 0)) && record lumaric click_ms "$(fact "$out" ms)"
  done
  drive post "$main" WM_CLOSE >/dev/null
  lumaric_wait_exit 30
}

# The table in Markdown: medians of DATA, each as Lumaric / floor, against
# the targets; of the start alone when WHAT is "start". MEASURED names the
# build measured, BITS its word size: the size target is the shipped 32-bit
# executable's.
results_table() {
  local data=$1 command=$2 measured=$3 bits=$4 what=$5 idle=$6 runs=$7 start_runs=$8 idle_runs=$9
  python3 - "$data" "$command" "$measured" "$bits" "$what" "$idle" "$runs" "$start_runs" "$idle_runs" \
    "$(wine --version)" <<'PYTHON'
import statistics, sys, datetime

data, command, measured, bits, what, idle, runs, start_runs, idle_runs, wine = sys.argv[1:]
values = {}
for line in open(data, encoding="utf-8"):
    program, key, value = line.rstrip("\n").split("\t")
    values.setdefault((program, key), []).append(float(value))

def median(program, key):
    found = values.get((program, key))
    return statistics.median(found) if found else None

def number(value, digits):
    return "—" if value is None else f"{value:,.{digits}f}"

idle_text = f"{int(idle) // 60} min" if int(idle) % 60 == 0 else f"{idle} s"
rows, bare_rows = [], []

# A row of Lumaric's median against that of the floor BASE.
def ratio_row(title, key, digits, limit, base="floor", table=rows):
    lumaric, floor = median("lumaric", key), median(base, key)
    ratio = lumaric / floor if lumaric is not None and floor else None
    met = "—" if limit is None or ratio is None else ("yes" if ratio <= limit else "**no**")
    target = "" if limit is None else f"≤ {limit:.2f} ×"
    table.append((title, number(lumaric, digits), number(floor, digits), number(ratio, 2) + " ×" if ratio else "—", target, met))

def bare_row(title, key, digits, limit=None):
    ratio_row(title, key, digits, limit, "bare", bare_rows)

# Each round starts the three programs one after another, and records each
# once: the rounds' own ratios leave out the load that changes from round
# to round.
def paired_row(base, table):
    lumaric, floor = values.get(("lumaric", "start_ms"), []), values.get((base, "start_ms"), [])
    ratios = [mine / theirs for mine, theirs in zip(lumaric, floor) if theirs]
    ratio = statistics.median(ratios) if ratios else None
    met = "—" if ratio is None else ("yes" if ratio <= 1.15 else "**no**")
    table.append((f"start, median of the {len(ratios)} rounds' own ratios", "—", "—",
                  number(ratio, 2) + " ×" if ratio else "—", "≤ 1.15 ×", met))

ratio_row("start of the process to main window first painted, ms", "start_ms", 1, 1.15)
paired_row("floor", rows)
bare_row("start of the process to main window first painted, ms", "start_ms", 1, 1.15)
paired_row("bare", bare_rows)

def table(header, rows):
    print("| " + " | ".join(header) + " |")
    print("| --- | ---: | ---: | ---: | --- | --- |")
    for row in rows:
        print("| " + " | ".join(row) + " |")

if what == "start":
    print(f"Measured {datetime.date.today().isoformat()} under {wine} on Xvfb, {measured}, with `{command}`: "
          f"medians of {start_runs} rounds, each starting Lumaric and both floors one after another.")
    print()
    table(("Measure", "Lumaric", "Floor", "Lumaric / floor", "Target", "Met"), rows)
    print()
    print("Against the bare floor (`bench/bare.cpp`), in the same rounds:")
    print()
    table(("Measure", "Lumaric", "Bare floor", "Lumaric / bare floor", "Target", "Met"), bare_rows)
    sys.exit()

ratio_row("private memory once shown, KiB", "private_shown_kb", 0, 1.25)
ratio_row("working set once shown, KiB", "working_set_shown_kb", 0, 1.25)
ratio_row(f"private memory after {idle_text} idle in the notification area, KiB", "private_idle_kb", 0, 1.25)
ratio_row(f"working set after {idle_text} idle in the notification area, KiB", "working_set_idle_kb", 0, 1.25)
ratio_row("CPU time over 60 s idle, ms", "cpu_ms", 0, 1.10)

size = median("lumaric", "exe_bytes")
floor_size = median("floor", "exe_bytes")
size_met = "—" if bits != "32" else "yes" if size <= 300 * 1024 else "**no**"
rows.append(("size of the executable, bytes", number(size, 0), number(floor_size, 0),
             f"{size / floor_size:.2f} ×", "Lumaric ≤ 300 KiB (307,200), the shipped 32-bit build", size_met))

def relative_to_first(where, line):
    cost, first = median(where, f"append_{line}_us"), median(where, "append_1_us")
    return cost, (cost / first if cost is not None and first else None)

for line, label in ((1, "1st"), (10000, "10,000th"), (100000, "100,000th")):
    cost, relative = relative_to_first("lumaric", line)
    bare, bare_relative = relative_to_first("bare_edit", line)
    target, met = ("≤ 2 × the 1st", "yes" if relative is not None and relative <= 2 else "**no**") if line == 100000 else ("", "—")
    rows.append((f"append the {label} log line, µs (Floor column: a bare edit, same style and font)",
                 number(cost, 1), number(bare, 1),
                 (f"{relative:.2f} × the 1st (bare edit {bare_relative:.2f} ×)" if relative is not None and bare_relative is not None else "—"),
                 target, met))

click = median("lumaric", "click_ms")
rows.append(("click on \"现在修复\" to the script's process started, ms", number(click, 1), "—", "—", "≤ 20 ms",
             "yes" if click is not None and click <= 20 else "**no**"))

bare_row("private memory once shown, KiB", "private_shown_kb", 0, 1.15)
bare_row(f"private memory after {idle_text} idle (Lumaric in the notification area, the bare floor minimised), KiB",
         "private_idle_kb", 0, 1.15)
bare_row("working set once shown, KiB", "working_set_shown_kb", 0)
bare_row(f"working set after {idle_text} idle, KiB", "working_set_idle_kb", 0)
bare_row("CPU time over 60 s idle, ms", "cpu_ms", 0)
bare_row("size of the executable, bytes", "exe_bytes", 0)

print(f"Measured {datetime.date.today().isoformat()} under {wine} on Xvfb, {measured}, with `{command}`: medians of "
      f"{runs} runs (start: {start_runs} runs; memory and CPU time: {idle_runs} runs side by side; idle in the notification area for "
      f"{idle_text}, `--ten-minutes` for 10 min).")
print()
table(("Measure", "Lumaric", "Floor", "Lumaric / floor", "Target", "Met"), rows)
print()
print("Against the bare floor (`bench/bare.cpp`: the same main window written directly in Win32, with no toolkit "
      "and no style), in the same run and side by side:")
print()
table(("Measure", "Lumaric", "Bare floor", "Lumaric / bare floor", "Target", "Met"), bare_rows)
PYTHON
}
