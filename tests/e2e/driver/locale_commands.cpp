#include <windows.h>

#include <string>

#include "commands.h"
#include "output.h"
#include "window_query.h"

namespace driver {

namespace {

constexpr wchar_t kInternational[] = L"Control Panel\\International";

std::wstring localeValue(LCTYPE type) {
  wchar_t text[128] = {};
  if (GetLocaleInfoW(GetThreadLocale(), type, text, 128) == 0) return L"";
  return text;
}

bool writeShortDate(const std::wstring& picture) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kInternational, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return false;
  const LSTATUS status =
      RegSetValueExW(key, L"sShortDate", 0, REG_SZ, reinterpret_cast<const BYTE*>(picture.c_str()),
                     static_cast<DWORD>((picture.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

}  // namespace

// The regional values the clock is built from, as a process that starts now
// reads them for its thread locale: one NAME=VALUE line each.
void localeInfo(const Arguments& args) {
  args.expectCount(0, 0);
  struct Value {
    const wchar_t* name;
    LCTYPE type;
  };
  const Value values[] = {
      {L"sShortDate", LOCALE_SSHORTDATE}, {L"sDate", LOCALE_SDATE},     {L"sTime", LOCALE_STIME},
      {L"s1159", LOCALE_S1159},           {L"s2359", LOCALE_S2359},     {L"iTLZero", LOCALE_ITLZERO},
      {L"iTime", LOCALE_ITIME},           {L"iTimeMarkPosn", LOCALE_ITIMEMARKPOSN},
      {L"sTimeFormat", LOCALE_STIMEFORMAT},
  };
  printLine(L"locale=" + hex(GetThreadLocale()));
  for (const Value& value : values) printLine(std::wstring(value.name) + L"=" + escape(localeValue(value.type)));
}

// Whether a running process sees a change of the regional settings in the
// registry: reads the short date picture, changes it in the registry, reads
// it again and puts the old one back. Prints yes or no.
void localeFollowsRegistry(const Arguments& args) {
  args.expectCount(0, 0);
  const std::wstring before = localeValue(LOCALE_SSHORTDATE);
  const std::wstring probe = before == L"yyyy/MM/dd" ? L"dd/MM/yyyy" : L"yyyy/MM/dd";
  if (!writeShortDate(probe)) throw Failure(L"cannot write the short date picture");
  const std::wstring after = localeValue(LOCALE_SSHORTDATE);
  writeShortDate(before);
  printLine(after == probe ? L"yes" : L"no");
}

// What the regional settings of the control panel send once they have
// written the registry: WM_SETTINGCHANGE to every top-level window, with the
// name of the changed section.
void broadcastSettingChange(const Arguments& args) {
  args.expectCount(1, 1);
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(args.at(0).c_str()),
                           SMTO_ABORTIFHUNG, kAnswerMs, &result))
    throw Failure(L"cannot broadcast WM_SETTINGCHANGE (error " + std::to_wstring(GetLastError()) + L")");
}

}  // namespace driver
