// A driver's table of commands and the running of one of them, shared by the
// test driver and the benchmark's driver.
#pragma once

#include <vector>

#include "arguments.h"

namespace driver {

struct Command {
  const wchar_t* name;
  const wchar_t* synopsis;
  // Vectors: an initializer list's array would not outlive the temporary
  // Command that the table is copied from.
  std::vector<const wchar_t*> options;
  std::vector<const wchar_t*> flags;
  void (*run)(const Arguments&);
};

// Runs the command of COMMANDS that argv[1] names. Returns the exit code: 0
// when it is done, 1 when something asked for did not show up or did not
// answer in time, 2 for a wrong command line (with the usage). Messages go
// to stderr after PROGRAM's name.
int runCommand(const wchar_t* program, const std::vector<Command>& commands, int argc, wchar_t** argv);

}  // namespace driver
