// lumaric-bench-driver: the measurements of bench/run and bench/memory_split,
// made from inside the same Wine session as the program, with the test
// driver's arguments, window queries and output.
#include <windows.h>

#include <vector>

#include "bench_commands.h"
#include "command_table.h"

namespace {

using driver::Command;

const std::vector<Command>& commands() {
  static const std::vector<Command> table = {
      {L"first-paint", L"EXE CLASS [--dir D] [--close]: ms from starting EXE to its CLASS window shown and painted",
       {L"--dir"}, {L"--close"}, driver::firstPaint},
      {L"append-cost", L"EDIT {COUNT | --preset} [--at P,...] [--span N] [--own]: microseconds per log append at "
                       L"positions (--own: in an edit of the driver made like EDIT)",
       {L"--at", L"--span"}, {L"--preset", L"--own"}, driver::appendCost},
      {L"script-start", L"BUTTON [--wait-end]: ms from a click to the creation of the processes it starts", {},
       {L"--wait-end"}, driver::scriptStart},
      {L"save-text", L"HWND FILE: the window's text (WM_GETTEXT) written to FILE in UTF-16", {}, {},
       driver::saveText},
      {L"edit-memory", L"EDIT FILE FROM: KiB the driver's memory grows by holding the text of FILE (UTF-16) from "
                       L"character FROM on, appended line by line to an edit of its own made like EDIT",
       {}, {}, driver::editMemory},
  };
  return table;
}

}  // namespace

int wmain(int argc, wchar_t** argv) { return driver::runCommand(L"lumaric-bench-driver", commands(), argc, argv); }
