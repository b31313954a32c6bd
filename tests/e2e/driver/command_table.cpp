#include "command_table.h"

#include <string>

#include "output.h"

namespace driver {

namespace {

void printUsage(const std::wstring& program, const std::vector<Command>& commands) {
  printError(program + L": usage: " + program + L" COMMAND [ARGUMENTS] [--timeout MS]");
  for (const Command& command : commands) printError(program + L":   " + command.name + L" " + command.synopsis);
}

}  // namespace

int runCommand(const wchar_t* program, const std::vector<Command>& commands, int argc, wchar_t** argv) {
  if (argc < 2) {
    printUsage(program, commands);
    return 2;
  }
  const std::wstring name = argv[1];
  const std::wstring prefix = std::wstring(program) + L": " + name + L": ";
  for (const Command& command : commands) {
    if (name != command.name) continue;
    try {
      command.run(Arguments(argc - 2, argv + 2, command.options, command.flags));
      return 0;
    } catch (const UsageError& error) {
      printError(prefix + error.message());
      return 2;
    } catch (const Failure& error) {
      printError(prefix + error.message());
      return 1;
    }
  }
  printError(std::wstring(program) + L": unknown command " + name);
  printUsage(program, commands);
  return 2;
}

}  // namespace driver
