// What the driver prints: UTF-8, one value per line, with backslash, CR, LF
// and TAB escaped so that a text with line breaks still fits on one line.
#pragma once

#include <string>

namespace driver {

// Something asked for did not show up, or did not answer, in time: exit 1.
class Failure {
 public:
  explicit Failure(std::wstring message) : message_(std::move(message)) {}
  const std::wstring& message() const { return message_; }

 private:
  std::wstring message_;
};

// The command line itself is wrong: exit 2.
class UsageError : public Failure {
 public:
  using Failure::Failure;
};

std::wstring escape(const std::wstring& text);
std::wstring hex(unsigned long value);
void printLine(const std::wstring& line);
void printError(const std::wstring& line);

}  // namespace driver
