// The driver's command line: positional values and --name value options.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace driver {

class Arguments {
 public:
  // Splits argv after the command name; every option must be one of `known`,
  // flags (options without a value) one of `flags`.
  Arguments(int argc, wchar_t** argv, const std::vector<const wchar_t*>& known,
            const std::vector<const wchar_t*>& flags);

  size_t count() const { return positional_.size(); }
  const std::wstring& at(size_t index) const;
  bool has(const std::wstring& option) const { return options_.count(option) != 0; }
  std::wstring option(const std::wstring& option, const std::wstring& fallback = L"") const;
  void expectCount(size_t minimum, size_t maximum) const;

  // A window handle, or a locator "CLASS" / "CLASS/ID": the first top-level
  // window of that class and, with an id, its descendant with that control
  // id, waited for up to the timeout.
  HWND window(size_t index) const;
  unsigned long number(size_t index) const;
  DWORD timeoutMs() const;

 private:
  std::vector<std::wstring> positional_;
  std::map<std::wstring, std::wstring> options_;
};

// Decimal or 0x-prefixed hexadecimal, the whole text; anything else is a UsageError.
unsigned long parseNumber(const std::wstring& text, const wchar_t* what);

}  // namespace driver
