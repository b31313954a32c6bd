#include "arguments.h"

#include <algorithm>
#include <cerrno>
#include <cwchar>
#include <cwctype>

#include "output.h"
#include "window_query.h"

namespace driver {

namespace {

constexpr DWORD kDefaultTimeoutMs = 10000;

bool listed(const std::vector<const wchar_t*>& names, const std::wstring& name) {
  return std::any_of(names.begin(), names.end(), [&](const wchar_t* n) { return name == n; });
}

}  // namespace

Arguments::Arguments(int argc, wchar_t** argv, const std::vector<const wchar_t*>& known,
                     const std::vector<const wchar_t*>& flags) {
  for (int i = 0; i < argc; ++i) {
    std::wstring word = argv[i];
    if (word.rfind(L"--", 0) != 0) {
      positional_.push_back(word);
    } else if (listed(flags, word)) {
      options_[word] = L"";
    } else if (listed(known, word) || word == L"--timeout") {
      if (i + 1 >= argc) throw UsageError(word + L" needs a value");
      options_[word] = argv[++i];
    } else {
      throw UsageError(L"unknown option " + word);
    }
  }
}

const std::wstring& Arguments::at(size_t index) const {
  if (index >= positional_.size()) throw UsageError(L"missing argument " + std::to_wstring(index + 1));
  return positional_[index];
}

std::wstring Arguments::option(const std::wstring& option, const std::wstring& fallback) const {
  auto found = options_.find(option);
  return found == options_.end() ? fallback : found->second;
}

void Arguments::expectCount(size_t minimum, size_t maximum) const {
  if (positional_.size() < minimum || positional_.size() > maximum)
    throw UsageError(L"expected " + std::to_wstring(minimum) +
                     (minimum == maximum ? L"" : L" to " + std::to_wstring(maximum)) + L" arguments, got " +
                     std::to_wstring(positional_.size()));
}

HWND Arguments::window(size_t index) const {
  const std::wstring& text = at(index);
  if (text.empty()) throw UsageError(L"empty window handle");
  if (iswdigit(text[0])) return reinterpret_cast<HWND>(static_cast<UINT_PTR>(parseNumber(text, L"window handle")));
  const size_t slash = text.find(L'/');
  WindowFilter filter;
  filter.className = text.substr(0, slash);
  const bool byId = slash != std::wstring::npos;
  const int id = byId ? static_cast<int>(parseNumber(text.substr(slash + 1), L"control id")) : 0;
  HWND found = nullptr;
  waitUntil(timeoutMs(), [&] {
    auto windows = matchingTopLevelWindows(filter);
    found = windows.empty() ? nullptr : windows.front();
    if (found != nullptr && byId) found = descendantWithId(found, id);
    return found != nullptr;
  });
  if (found == nullptr) throw Failure(L"no window " + text + L" within " + std::to_wstring(timeoutMs()) + L" ms");
  return found;
}

unsigned long Arguments::number(size_t index) const { return parseNumber(at(index), L"number"); }

DWORD Arguments::timeoutMs() const {
  return has(L"--timeout") ? parseNumber(option(L"--timeout"), L"--timeout") : kDefaultTimeoutMs;
}

unsigned long parseNumber(const std::wstring& text, const wchar_t* what) {
  if (text.empty() || text[0] == L'-' || text[0] == L'+')
    throw UsageError(std::wstring(what) + L": not a number: \"" + text + L"\"");
  const bool hexadecimal = text.size() > 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X');
  wchar_t* end = nullptr;
  errno = 0;
  unsigned long value = wcstoul(text.c_str(), &end, hexadecimal ? 16 : 10);
  if (errno != 0 || *end != L'\0') throw UsageError(std::wstring(what) + L": not a number: \"" + text + L"\"");
  return value;
}

}  // namespace driver
