// The benchmark driver's commands; bench_driver.cpp lists them.
#pragma once

#include "arguments.h"

namespace driver {

// Timings: a program's start to its painted window, log appends, a click to
// the script's start.
void firstPaint(const Arguments& args);
void appendCost(const Arguments& args);
void scriptStart(const Arguments& args);

// What holding the log's text costs a bare edit.
void saveText(const Arguments& args);
void editMemory(const Arguments& args);

}  // namespace driver
